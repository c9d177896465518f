// A whole run on six arbitrary texts: no crash, no hang, only the four
// failure kinds or a refusal, a list that only ever grows, and print calls
// that always form whole documents.
#include <array>
#include <cstdint>
#include <cstdlib>
#include <string>

#include "ui/commands.h"

namespace {

using namespace dorvex;

void Require(bool condition) {
  if (!condition) std::abort();
}

class CheckingView final : public WindowView {
 public:
  std::array<std::string, 6> boxes;
  bool printSelected = false;
  std::size_t lines = 0;
  int problems = 0;
  std::optional<RunProblem> lastProblem;
  bool displaysEnabled = false;

  std::string BoxText(BoxName box) const override {
    Require(box <= BoxName::Text6);
    return boxes[static_cast<std::size_t>(box)];
  }
  void SetBoxText(BoxName box, const std::string&) override {
    Require(box == BoxName::Text7 || box == BoxName::Text8);
    Require(displaysEnabled);
  }
  void SetBoxEnabled(BoxName box, bool enabled) override {
    Require(box == BoxName::Text7 || box == BoxName::Text8);
    displaysEnabled = enabled;
  }
  bool PrintSelected() const override { return printSelected; }
  void AppendResultLine(const std::string& line) override {
    Require(!line.empty());
    ++lines;
  }
  void ClearResults() override { std::abort(); }  // a run never clears the list
  void ReportProblem(const RunProblem& problem) override {
    ++problems;
    lastProblem = problem;
  }
};

class CheckingSink final : public PrintSink {
 public:
  bool started = false;  // BeginRun came, EndDocument not yet
  int documents = 0;
  std::size_t rows = 0;

  void ApplySetting(PrintSetting which, float value) override {
    if (which == PrintSetting::A) {
      Require(!started && value == 12.0f);
      started = true;
    } else {
      Require(started);
    }
  }
  void PrintLine(const PrintLineItems& items) override {
    Require(started && !items.empty());
    if (items.size() == 10) ++rows;
  }
  void EndDocument() override {
    Require(started);
    started = false;
    ++documents;
  }
};

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  if (size == 0) return 0;
  CheckingView view;
  view.printSelected = data[0] & 1;
  const std::string separator = (data[0] & 2) ? "," : ".";
  // Six texts separated by newlines; missing ones stay empty.
  std::size_t box = 0;
  for (std::size_t i = 1; i < size && box < 6; ++i) {
    if (data[i] == '\n') {
      ++box;
    } else {
      view.boxes[box] += static_cast<char>(data[i]);
    }
  }

  CheckingSink sink;
  const RunOutcome outcome = CalculateCommand(view, sink, separator);
  Require(!view.displaysEnabled && !sink.started);
  if (view.printSelected) Require(sink.rows == view.lines);
  switch (outcome) {
    case RunOutcome::Ignored:
      Require(sink.documents == 0 && view.lines == 0 && view.problems == 0);
      break;
    case RunOutcome::Completed:
      Require(sink.documents == 1 && view.problems == 0);
      break;
    case RunOutcome::Failed:
      Require(sink.documents == 1 && view.problems == 1);
      Require(!std::holds_alternative<RunRefusal>(*view.lastProblem));
      break;
    case RunOutcome::Refused:
      Require(sink.documents == 1 && view.problems == 1 && view.lines == 0);
      Require(std::holds_alternative<RunRefusal>(*view.lastProblem));
      break;
  }
  return 0;
}
