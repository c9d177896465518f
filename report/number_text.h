#pragma once

// The parts of FormatNumber that the table and the format checks reach
// directly: a pattern read once instead of on every call, and the two ways of
// rendering, so that the fast one can be held to the exact one.

#include <cstddef>
#include <stdexcept>
#include <string>
#include <string_view>

namespace dorvex {

// What a digit-placeholder pattern asks for.
struct NumberShape {
  bool integerZero = false;  // a "0" among the integer placeholders
  int decimals = 0;          // fraction digits, up to the last "0"
};

// Reads a pattern of integer placeholders, ".", and fraction placeholders
// ending in "0"; throws std::invalid_argument for any other text.
constexpr NumberShape ShapeOf(std::string_view pattern) {
  const std::size_t point = pattern.find('.');
  const std::string_view integer = pattern.substr(0, point);
  const std::string_view fraction =
      point == std::string_view::npos ? std::string_view() : pattern.substr(point + 1);
  const std::size_t lastZero = fraction.find_last_of('0');
  if (integer.find_first_not_of("#0") != std::string_view::npos ||
      fraction.find_first_not_of("#0") != std::string_view::npos ||
      (!fraction.empty() && lastZero != fraction.size() - 1)) {
    throw std::invalid_argument("unsupported number pattern");
  }
  return {integer.find('0') != std::string_view::npos,
          fraction.empty() ? 0 : static_cast<int>(lastZero) + 1};
}

// FormatNumber's text by way of std::to_chars, appended to out: the
// reference the fast path is held to, and its fallback. It shares no code
// with the fast path, so that a comparison of the two tests the writing of
// the text as well. Throws std::invalid_argument for an infinite or
// not-a-number value.
void AppendNumberExact(std::string& out, double value, NumberShape shape,
                       std::string_view decimalSeparator);

// The fast path takes separators of up to one UTF-8 character, and its texts
// are never longer than this.
inline constexpr std::size_t kMaxFastSeparatorLength = 4;
inline constexpr std::size_t kMaxFastTextLength = 32;

// Writes FormatNumber's text so that it ends just before end and returns its
// first character, when the fast path decides the value; returns nullptr, and
// leaves it to the exact method, for magnitudes far from a table's, patterns
// of more than eight decimals, longer separators and values that are not
// finite. Up to kMaxFastTextLength characters before end may be written.
char* WriteNumberFast(char* end, double value, NumberShape shape,
                      std::string_view decimalSeparator);

}  // namespace dorvex
