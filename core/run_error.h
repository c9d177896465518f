#pragma once

#include <optional>
#include <stdexcept>
#include <string>

namespace dorvex {

enum class RunErrorKind { Conversion, InvalidArgument, DivisionByZero, Overflow };

// The six inputs of a run, in the order a run reads them.
enum class InputField { Ksp, TotalCarbonate, TotalCalcium, PhMin, PhMax, PhStep };

// Why a run stopped. The field names the input whose text did not convert, so
// that every front end can point the user at the right box or argument.
class RunError : public std::runtime_error {
 public:
  RunError(RunErrorKind kind, const std::string& message,
           std::optional<InputField> field = std::nullopt);

  RunErrorKind Kind() const noexcept { return kind_; }
  std::optional<InputField> Field() const noexcept { return field_; }

 private:
  RunErrorKind kind_;
  std::optional<InputField> field_;
};

// English name of a kind, for messages meant for terminals and logs.
const char* RunErrorKindName(RunErrorKind kind) noexcept;

}  // namespace dorvex
