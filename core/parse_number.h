#pragma once

#include <string_view>

#include "core/run_error.h"

namespace dorvex {

// Converts a number typed in the user's number settings: optional spaces around
// it, an optional sign, digits with at most one decimal separator (and digits
// on at least one side of it), and an optional exponent (E or e, an optional
// sign, digits). Any other text raises a conversion error; a number beyond the
// double range raises an overflow error. A number too small for a double
// becomes zero or a subnormal value, which is not an error.
double ParseNumber(std::string_view text, std::string_view decimalSeparator);

// ParseNumber for one of the run's inputs: a failure names that input.
double ParseInput(std::string_view text, std::string_view decimalSeparator, InputField field);

}  // namespace dorvex
