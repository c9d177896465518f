#include "core/run_error.h"

namespace dorvex {

RunError::RunError(RunErrorKind kind, const std::string& message, std::optional<InputField> field)
    : std::runtime_error(message), kind_(kind), field_(field) {}

const char* RunErrorKindName(RunErrorKind kind) noexcept {
  switch (kind) {
    case RunErrorKind::Conversion: return "conversion error";
    case RunErrorKind::InvalidArgument: return "invalid argument";
    case RunErrorKind::DivisionByZero: return "division by zero";
    case RunErrorKind::Overflow: return "overflow";
  }
  return "unknown error";
}

}  // namespace dorvex
