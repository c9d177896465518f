// dorvex-print-run: whole runs of the Calculate command through the real
// system-printer sink, for the CUPS tests. A fake window answers the six
// inputs from the command line and ticks or clears the print box.
//
// usage: dorvex-print-run --print|--no-print [--runs N] KSP CARBONATE CALCIUM PH_MIN PH_MAX PH_STEP
//
// Before every run after the first it waits for a line on standard input, so
// that the caller can change the printer between runs. For each run it writes
// "run K: completed", "run K: print error: MESSAGE" or "run K: failed", then
// "run K: N list lines". Exit status: 0 every run completed, 3 a run stopped
// on a printer failure, 1 another failure, 2 misuse.
#include <array>
#include <charconv>
#include <iostream>
#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include <QGuiApplication>

#include "ui/commands.h"
#include "ui/qt_printing/qt_print_sink.h"

namespace {

using namespace dorvex;

constexpr int kPrintFailureStatus = 3;

class FakeWindow final : public WindowView {
 public:
  FakeWindow(const std::array<std::string, 6>& inputs, bool printSelected)
      : inputs_(inputs), printSelected_(printSelected) {}

  std::string BoxText(BoxName box) const override {
    const auto index = static_cast<std::size_t>(box);
    return index < inputs_.size() ? inputs_[index] : std::string();
  }
  void SetBoxText(BoxName, const std::string&) override {}
  void SetBoxEnabled(BoxName, bool) override {}
  bool PrintSelected() const override { return printSelected_; }
  void AppendResultLine(const std::string&) override { ++listLines_; }
  void ClearResults() override { listLines_ = 0; }
  void ReportProblem(const RunProblem& problem) override { problem_ = problem; }

  int ListLines() const { return listLines_; }
  std::optional<RunProblem> TakeProblem() { return std::exchange(problem_, std::nullopt); }

 private:
  std::array<std::string, 6> inputs_;
  bool printSelected_;
  int listLines_ = 0;
  std::optional<RunProblem> problem_;
};

int Misuse() {
  std::cerr << "usage: dorvex-print-run --print|--no-print [--runs N] "
               "KSP CARBONATE CALCIUM PH_MIN PH_MAX PH_STEP\n";
  return 2;
}

}  // namespace

int main(int argc, char** argv) {
  QGuiApplication application(argc, argv);
  std::vector<std::string_view> arguments(argv + 1, argv + argc);
  if (arguments.empty() || (arguments[0] != "--print" && arguments[0] != "--no-print")) {
    return Misuse();
  }
  const bool printSelected = arguments[0] == "--print";
  arguments.erase(arguments.begin());
  int runs = 1;
  if (arguments.size() >= 2 && arguments[0] == "--runs") {
    const std::string_view count = arguments[1];
    if (std::from_chars(count.data(), count.data() + count.size(), runs).ptr !=
        count.data() + count.size()) {
      return Misuse();
    }
    arguments.erase(arguments.begin(), arguments.begin() + 2);
  }
  if (arguments.size() != 6 || runs < 1) return Misuse();
  std::array<std::string, 6> inputs;
  for (std::size_t i = 0; i < inputs.size(); ++i) inputs[i] = arguments[i];

  FakeWindow window(inputs, printSelected);
  QtPrintSink printSink;
  int status = 0;
  for (int run = 1; run <= runs; ++run) {
    if (run > 1) {
      std::string proceed;
      std::getline(std::cin, proceed);
    }
    const RunOutcome outcome = CalculateCommand(window, printSink, ".");
    const std::optional<RunProblem> problem = window.TakeProblem();
    std::cout << "run " << run << ": ";
    if (outcome == RunOutcome::Completed && !problem) {
      std::cout << "completed\n";
    } else if (const auto* printError = problem ? std::get_if<PrintError>(&*problem) : nullptr) {
      std::cout << "print error: " << printError->what() << '\n';
      if (status == 0) status = kPrintFailureStatus;
    } else {
      std::cout << "failed\n";
      status = 1;
    }
    std::cout << "run " << run << ": " << window.ListLines() << " list lines" << std::endl;
  }
  return status;
}
