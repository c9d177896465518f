#pragma once

#include <array>
#include <functional>
#include <string>
#include <vector>

#include "report/plain_text_print_sink.h"
#include "report/print_sink.h"
#include "ui/window_view.h"

namespace dorvex::testing_support {

// One log of every call the commands make, on the view and on the sink
// alike, so that tests can check the order of effects a user would see.
using EventLog = std::vector<std::string>;

std::string Describe(const PrintLineItems& items);

class FakeWindow final : public WindowView {
 public:
  explicit FakeWindow(EventLog& log) : log_(log) {}

  void Type(const std::array<std::string, 6>& inputs) { inputs_ = inputs; }

  std::string BoxText(BoxName box) const override;
  void SetBoxText(BoxName box, const std::string& text) override;
  void SetBoxEnabled(BoxName box, bool enabled) override;
  bool PrintSelected() const override;
  void AppendResultLine(const std::string& line) override;
  void ClearResults() override;
  void ReportProblem(const RunProblem& problem) override;

  std::array<std::string, 6> inputs_;
  std::string text7, text8;
  bool text7Enabled = false, text8Enabled = false;
  bool printSelected = false;
  // Where set, answers whether printing is ticked at the n-th question (from
  // 1), as a user who ticks or unticks the box during a run would.
  std::function<bool(int)> printSelectedAtAsk;
  std::vector<std::string> lines;
  std::vector<RunProblem> problems;

 private:
  EventLog& log_;
  mutable int printSelectedAsks_ = 0;
};

// Records every call and, on request, fails like a printer that is gone.
class RecordingSink final : public PrintSink {
 public:
  explicit RecordingSink(EventLog& log) : log_(log) {}

  void ApplySetting(PrintSetting which, float value) override;
  void PrintLine(const PrintLineItems& items) override;
  void EndDocument() override;

  bool failOnPrintLine = false;
  bool failOnEndDocument = false;
  int documentsEnded = 0;

 private:
  EventLog& log_;
};

}  // namespace dorvex::testing_support
