#include "report/number_format.h"

#include <array>
#include <charconv>
#include <cmath>
#include <utility>

#include "report/number_text.h"

namespace dorvex {
namespace {

// The program's own patterns are recognised rather than read again on every
// call; reading one costs about as much as rendering the number.
constexpr std::array kKnownPatterns = {
    std::pair{kTwoDecimals, ShapeOf(kTwoDecimals)},
    std::pair{kTwoDecimalsNoLeadingZero, ShapeOf(kTwoDecimalsNoLeadingZero)},
    std::pair{kEightDecimals, ShapeOf(kEightDecimals)},
    std::pair{kEightDecimalsNoLeadingZero, ShapeOf(kEightDecimalsNoLeadingZero)}};

NumberShape ShapeOfPattern(std::string_view pattern) {
  for (const auto& [known, shape] : kKnownPatterns) {
    if (pattern == known) return shape;
  }
  return ShapeOf(pattern);
}

}  // namespace

void AppendNumberExact(std::string& out, double value, NumberShape shape,
                       std::string_view decimalSeparator) {
  if (!std::isfinite(value)) throw std::invalid_argument("only finite numbers are formatted");

  // Fifteen significant digits, correctly rounded: d.dddddddddddddde±x.
  char scientific[32];
  const auto result = std::to_chars(scientific, scientific + sizeof scientific, value,
                                    std::chars_format::scientific, 14);
  const std::string_view text(scientific, static_cast<std::size_t>(result.ptr - scientific));
  const bool negative = text.front() == '-';
  const std::string_view mantissa = text.substr(negative ? 1 : 0, 16);
  int exponent = 0;
  const std::string_view exponentText = text.substr(text.find('e') + 1);
  std::from_chars(exponentText.data() + (exponentText.front() == '+' ? 1 : 0),
                  exponentText.data() + exponentText.size(), exponent);
  char significant[15];
  significant[0] = mantissa[0];
  for (int i = 1; i < 15; ++i) significant[i] = mantissa[static_cast<std::size_t>(i) + 1];

  // The digit of the power of ten p; zero beyond the fifteen digits.
  auto digitAt = [&](int p) {
    const int index = exponent - p;
    return index >= 0 && index < 15 ? significant[index] : '0';
  };

  // Digits from the highest integer position down to the last decimal, then
  // rounded half away from zero on the next digit: the digits beyond it are
  // zero, so a 5 there is at least a half.
  const int top = exponent > 0 ? exponent : 0;
  std::string digits;
  digits.reserve(static_cast<std::size_t>(top + shape.decimals + 2));
  for (int p = top; p >= -shape.decimals; --p) digits += digitAt(p);
  if (digitAt(-shape.decimals - 1) >= '5') {
    std::size_t i = digits.size();
    while (i > 0 && digits[i - 1] == '9') digits[--i] = '0';
    if (i == 0) {
      digits.insert(digits.begin(), '1');
    } else {
      ++digits[i - 1];
    }
  }

  const std::size_t integerLength = digits.size() - static_cast<std::size_t>(shape.decimals);
  const std::size_t firstSignificant = digits.find_first_not_of('0');
  if (negative && firstSignificant != std::string::npos) out += '-';
  if (firstSignificant < integerLength) {
    out.append(digits, firstSignificant, integerLength - firstSignificant);
  } else if (shape.integerZero) {
    out += '0';
  }
  if (shape.decimals > 0) {
    out.append(decimalSeparator);
    out.append(digits, integerLength, std::string::npos);
  }
}

std::string FormatNumber(double value, std::string_view pattern,
                         std::string_view decimalSeparator) {
  const NumberShape shape = ShapeOfPattern(pattern);
  char fast[kMaxFastTextLength];
  char* const end = fast + sizeof fast;
  if (const char* const begin = WriteNumberFast(end, value, shape, decimalSeparator)) {
    return std::string(begin, static_cast<std::size_t>(end - begin));
  }
  std::string text;
  AppendNumberExact(text, value, shape, decimalSeparator);
  return text;
}

}  // namespace dorvex
