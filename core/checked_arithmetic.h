#pragma once

#include <cmath>

#include "core/run_error.h"

namespace dorvex {

// The model's arithmetic raises an error at the operation that leaves the
// double range instead of letting an infinity travel into a row or a text.
inline double Checked(double value) {
  if (std::isinf(value)) {
    throw RunError(RunErrorKind::Overflow, "a result exceeds the double range");
  }
  return value;
}

inline double CheckedDivide(double dividend, double divisor) {
  if (divisor == 0.0) throw RunError(RunErrorKind::DivisionByZero, "a divisor underflowed to zero");
  return Checked(dividend / divisor);
}

}  // namespace dorvex
