#pragma once

#include <cstdint>
#include <string>
#include <variant>

#include "core/run_error.h"
#include "report/print_sink.h"

namespace dorvex {

// The window's boxes: Text1 to Text6 are the inputs, Text7 and Text8 the two
// display boxes of the derived totals.
enum class BoxName { Text1, Text2, Text3, Text4, Text5, Text6, Text7, Text8 };

// A run refused before its first row because it would never end or would
// bury the window under rows.
enum class RefusalReason { ZeroStep, TooManyRows };
struct RunRefusal {
  RefusalReason reason;
};
inline constexpr std::uint64_t kMaxRunRows = 1'000'000;

// Why a run did not finish: a failure of the calculation, a refusal, or a
// printer that could not take the report.
using RunProblem = std::variant<RunError, RunRefusal, PrintError>;

// What the commands need of the window; the real window and the test fakes
// implement it.
class WindowView {
 public:
  virtual ~WindowView() = default;
  virtual std::string BoxText(BoxName box) const = 0;
  virtual void SetBoxText(BoxName box, const std::string& text) = 0;
  virtual void SetBoxEnabled(BoxName box, bool enabled) = 0;
  virtual bool PrintSelected() const = 0;
  virtual void AppendResultLine(const std::string& line) = 0;
  virtual void ClearResults() = 0;
  // Tells the user why a run stopped; returns when the user has seen it.
  virtual void ReportProblem(const RunProblem& problem) = 0;
};

}  // namespace dorvex
