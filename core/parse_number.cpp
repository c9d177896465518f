#include "core/parse_number.h"

#include <charconv>
#include <string>
#include <system_error>

namespace dorvex {
namespace {

bool IsDigit(char c) { return c >= '0' && c <= '9'; }

// Scans a run of digits starting at pos, returns the position after it.
std::size_t SkipDigits(std::string_view text, std::size_t pos) {
  while (pos < text.size() && IsDigit(text[pos])) ++pos;
  return pos;
}

[[noreturn]] void NotANumber() {
  throw RunError(RunErrorKind::Conversion, "the text is not a number");
}

// Whether a number out of the double's range lies above it (its leading
// digit stands at 10^0 or higher) rather than below it. The exponent saturates:
// a text of a million exponent digits must not wrap around.
bool MagnitudeAtLeastOne(std::string_view integerDigits, std::string_view fractionDigits,
                         std::string_view exponent) {
  long long scale = 0;
  if (!exponent.empty()) {
    const bool negativeExponent = exponent.size() > 1 && exponent[1] == '-';
    for (char c : exponent) {
      if (IsDigit(c) && scale < 1'000'000'000) scale = scale * 10 + (c - '0');
    }
    if (negativeExponent) scale = -scale;
  }
  const std::size_t leading = integerDigits.find_first_not_of('0');
  if (leading != std::string_view::npos) {
    return scale + static_cast<long long>(integerDigits.size() - leading - 1) >= 0;
  }
  const std::size_t leadingFraction = fractionDigits.find_first_not_of('0');
  if (leadingFraction == std::string_view::npos) return false;
  return scale - static_cast<long long>(leadingFraction + 1) >= 0;
}

}  // namespace

double ParseNumber(std::string_view text, std::string_view decimalSeparator) {
  const std::size_t first = text.find_first_not_of(' ');
  if (first == std::string_view::npos) NotANumber();
  const std::size_t last = text.find_last_not_of(' ');
  text = text.substr(first, last - first + 1);

  // The grammar is checked here rather than left to the converter, so that
  // exactly the documented texts are accepted whatever the converter allows.
  std::size_t pos = 0;
  bool negative = false;
  if (text[pos] == '+' || text[pos] == '-') {
    negative = text[pos] == '-';
    ++pos;
  }
  const std::size_t integerBegin = pos;
  pos = SkipDigits(text, pos);
  std::string_view integerDigits = text.substr(integerBegin, pos - integerBegin);
  std::string_view fractionDigits;
  if (!decimalSeparator.empty() && text.substr(pos).starts_with(decimalSeparator)) {
    pos += decimalSeparator.size();
    const std::size_t fractionBegin = pos;
    pos = SkipDigits(text, pos);
    fractionDigits = text.substr(fractionBegin, pos - fractionBegin);
  }
  if (integerDigits.empty() && fractionDigits.empty()) NotANumber();
  std::string_view exponent;
  if (pos < text.size() && (text[pos] == 'E' || text[pos] == 'e')) {
    const std::size_t exponentBegin = pos++;
    if (pos < text.size() && (text[pos] == '+' || text[pos] == '-')) ++pos;
    const std::size_t digitsBegin = pos;
    pos = SkipDigits(text, pos);
    if (pos == digitsBegin) NotANumber();
    exponent = text.substr(exponentBegin, pos - exponentBegin);
  }
  if (pos != text.size()) NotANumber();

  // from_chars is exact and independent of any global locale; it wants the
  // C form, so the user's separator becomes "." and a "+" sign is dropped.
  std::string plain;
  plain.reserve(text.size() + 2);
  if (negative) plain += '-';
  plain.append(integerDigits);
  plain += '.';
  plain.append(fractionDigits);
  plain.append(exponent);
  double value = 0;
  const auto [end, ec] = std::from_chars(plain.data(), plain.data() + plain.size(), value);
  if (ec == std::errc::result_out_of_range) {
    if (MagnitudeAtLeastOne(integerDigits, fractionDigits, exponent)) {
      throw RunError(RunErrorKind::Overflow, "the number is beyond the double range");
    }
    return negative ? -0.0 : 0.0;  // below half the smallest subnormal
  }
  if (ec != std::errc() || end != plain.data() + plain.size()) NotANumber();
  return value;
}

double ParseInput(std::string_view text, std::string_view decimalSeparator, InputField field) {
  try {
    return ParseNumber(text, decimalSeparator);
  } catch (const RunError& error) {
    throw RunError(error.Kind(), error.what(), field);
  }
}

}  // namespace dorvex
