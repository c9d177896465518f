#pragma once

#include <string>
#include <string_view>

namespace dorvex {

// The digit-placeholder patterns the program renders numbers with.
inline constexpr std::string_view kTwoDecimals = "0.#0";
inline constexpr std::string_view kTwoDecimalsNoLeadingZero = "#.#0";
inline constexpr std::string_view kEightDecimals = "0.#######0";
inline constexpr std::string_view kEightDecimalsNoLeadingZero = "#.#######0";

// Renders a finite double with a pattern of integer placeholders, ".", and
// fraction placeholders ending in "0": the value is first taken to 15
// significant digits correctly rounded from the binary value, then rounded
// half away from zero to the pattern's decimals. "0" always gives a digit, a
// lone "#" gives none for a zero integer part, and "." becomes the user's
// decimal separator. A value that rounds to zero is written without a sign.
std::string FormatNumber(double value, std::string_view pattern,
                         std::string_view decimalSeparator);

}  // namespace dorvex
