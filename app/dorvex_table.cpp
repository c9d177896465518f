// dorvex-table: the result table in a terminal or a script. The six arguments
// are read exactly as the window reads its six boxes, through the same
// command, so the terminal and the window can never disagree on a digit.
#include <array>
#include <clocale>
#include <cstdio>
#include <iostream>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "report/plain_text_print_sink.h"
#include "ui/commands.h"

namespace {

using namespace dorvex;

constexpr std::string_view kUsage =
    "usage: dorvex-table [--report] KSP TOTAL_CARBONATE TOTAL_CALCIUM PH_MIN PH_MAX PH_STEP\n"
    "\n"
    "Sweeps the pH from PH_MAX down to PH_MIN in steps of PH_STEP and writes one\n"
    "result line per pH: pH, calcium carbonate solubility (mg/L), precipitated\n"
    "calcium carbonate (mg/L), dissolved Ca (mg-Ca/L), CO3-- in solution (mg-C/L).\n"
    "The totals are in mol/L. Numbers are read and written with the decimal\n"
    "separator of the locale (LC_ALL, LC_NUMERIC, LANG).\n"
    "\n"
    "  --report  write the printed report instead of the list lines\n"
    "  --help    show this text\n"
    "\n"
    "Exit status: 0 done, 1 the calculation failed, 2 misuse or a refused run.\n";

constexpr std::array<std::string_view, 6> kArgumentNames = {
    "KSP", "TOTAL_CARBONATE", "TOTAL_CALCIUM", "PH_MIN", "PH_MAX", "PH_STEP"};

// The window view of a terminal: the arguments are the boxes, standard output
// is the list, and problems wait for the exit status.
class TerminalView final : public WindowView {
 public:
  TerminalView(const std::array<std::string, 6>& arguments, bool report, std::ostream& out)
      : arguments_(arguments), report_(report), out_(out) {}

  std::string BoxText(BoxName box) const override {
    return arguments_[static_cast<std::size_t>(box)];
  }
  void SetBoxText(BoxName, const std::string&) override {}
  void SetBoxEnabled(BoxName, bool) override {}
  bool PrintSelected() const override { return report_; }
  // Lines are gathered and written in large pieces: a stream write per line
  // would cost more than formatting the line.
  void AppendResultLine(const std::string& line) override {
    if (report_) return;
    pending_.append(line).push_back('\n');
    if (pending_.size() >= kWriteSize) WritePending();
  }
  void ClearResults() override {}
  void ReportProblem(const RunProblem& problem) override { problem_ = problem; }

  const std::optional<RunProblem>& Problem() const { return problem_; }

  // Writes the lines gathered so far; once more when the run is over.
  void WritePending() {
    out_.write(pending_.data(), static_cast<std::streamsize>(pending_.size()));
    pending_.clear();
  }

 private:
  std::array<std::string, 6> arguments_;
  bool report_;
  std::ostream& out_;
  std::optional<RunProblem> problem_;
  static constexpr std::size_t kWriteSize = std::size_t{1} << 16;
  std::string pending_;
};

std::string Describe(const RunProblem& problem) {
  if (const auto* error = std::get_if<RunError>(&problem)) {
    std::string text = RunErrorKindName(error->Kind());
    if (const auto field = error->Field()) {
      const auto index = static_cast<std::size_t>(*field);
      text += " in " + std::string(kArgumentNames[index]) + " (argument " +
              std::to_string(index + 1) + ")";
    }
    return text + ": " + error->what();
  }
  if (const auto* refusal = std::get_if<RunRefusal>(&problem)) {
    if (refusal->reason == RefusalReason::ZeroStep) {
      return "refused: PH_STEP is zero, so the pH would never move";
    }
    return "refused: the run would produce more than " + std::to_string(kMaxRunRows) +
           " rows; use a larger PH_STEP or a narrower pH range";
  }
  return std::string("printing failed: ") + std::get<PrintError>(problem).what();
}

// The decimal separator of the user's number settings.
std::string DecimalSeparatorFromEnvironment() {
  if (std::setlocale(LC_NUMERIC, "") == nullptr) return ".";
  std::string separator = std::localeconv()->decimal_point;
  std::setlocale(LC_NUMERIC, "C");
  return separator.empty() ? "." : separator;
}

int Misuse(std::string_view problem) {
  std::cerr << "dorvex-table: " << problem << "\n" << kUsage;
  return 2;
}

}  // namespace

int main(int argc, char** argv) {
  std::ios::sync_with_stdio(false);
  std::vector<std::string_view> arguments(argv + 1, argv + argc);
  if (arguments.size() == 1 && arguments[0] == "--help") {
    std::cout << kUsage;
    return 0;
  }
  bool report = false;
  if (!arguments.empty() && arguments[0] == "--report") {
    report = true;
    arguments.erase(arguments.begin());
  }
  if (arguments.size() != 6) return Misuse("expected six arguments");
  std::array<std::string, 6> boxes;
  for (std::size_t i = 0; i < boxes.size(); ++i) {
    if (arguments[i].empty()) {
      return Misuse("argument " + std::to_string(i + 1) + " (" + std::string(kArgumentNames[i]) +
                    ") is empty");
    }
    boxes[i] = arguments[i];
  }

  TerminalView view(boxes, report, std::cout);
  PlainTextPrintSink printSink(std::cout);
  const RunOutcome outcome = CalculateCommand(view, printSink, DecimalSeparatorFromEnvironment());
  view.WritePending();
  std::cout.flush();
  if (view.Problem()) std::cerr << "dorvex-table: " << Describe(*view.Problem()) << "\n";
  switch (outcome) {
    case RunOutcome::Completed: return std::cout ? 0 : 1;
    case RunOutcome::Failed: return 1;
    case RunOutcome::Refused:
    case RunOutcome::Ignored: return 2;
  }
  return 1;
}
