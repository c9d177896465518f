// FormatNumber on arbitrary doubles and every pattern, against a slow
// reference that is exact by construction: printf's 15 significant digits,
// then rounding half away from zero on the decimal string.
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <string_view>

#include "report/number_format.h"

namespace {

struct Pattern {
  std::string_view text;
  bool integerZero;
  int decimals;
};

constexpr Pattern kPatterns[] = {{dorvex::kTwoDecimals, true, 2},
                                 {dorvex::kTwoDecimalsNoLeadingZero, false, 2},
                                 {dorvex::kEightDecimals, true, 8},
                                 {dorvex::kEightDecimalsNoLeadingZero, false, 8}};

std::string Reference(double value, const Pattern& pattern, const std::string& separator) {
  char buffer[64];
  std::snprintf(buffer, sizeof buffer, "%.14e", value);
  const bool negative = buffer[0] == '-';
  const char* mantissa = buffer + (negative ? 1 : 0);
  const int exponent = std::atoi(std::strchr(buffer, 'e') + 1);
  std::string digits;  // the 15 significant digits
  for (const char* c = mantissa; *c != 'e'; ++c) {
    if (*c != '.') digits += *c;
  }
  // Write the number in fixed notation with plenty of decimals.
  std::string integer, fraction;
  if (exponent >= 0) {
    digits.resize(std::max<std::size_t>(digits.size(), exponent + 1), '0');
    integer = digits.substr(0, exponent + 1);
    fraction = digits.substr(exponent + 1);
  } else {
    integer = "0";
    fraction = std::string(-exponent - 1, '0') + digits;
  }
  fraction.resize(std::max<std::size_t>(fraction.size(), pattern.decimals + 1), '0');
  const bool roundUp = fraction[pattern.decimals] >= '5';
  std::string kept = integer + fraction.substr(0, pattern.decimals);
  if (roundUp) {
    int i = static_cast<int>(kept.size()) - 1;
    for (; i >= 0 && kept[i] == '9'; --i) kept[i] = '0';
    if (i < 0) {
      kept.insert(kept.begin(), '1');
    } else {
      ++kept[i];
    }
  }
  std::string integerPart = kept.substr(0, kept.size() - pattern.decimals);
  const std::string fractionPart = kept.substr(kept.size() - pattern.decimals);
  integerPart.erase(0, std::min(integerPart.find_first_not_of('0'), integerPart.size()));
  if (integerPart.empty() && pattern.integerZero) integerPart = "0";
  const bool zero = kept.find_first_not_of('0') == std::string::npos;
  return (negative && !zero ? "-" : "") + integerPart + separator + fractionPart;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  if (size < sizeof(double) + 1) return 0;
  double value;
  std::memcpy(&value, data, sizeof value);
  if (!std::isfinite(value)) return 0;
  const std::string separator = (data[sizeof value] & 4) ? "," : ".";
  const Pattern& pattern = kPatterns[data[sizeof value] & 3];
  if (dorvex::FormatNumber(value, pattern.text, separator) !=
      Reference(value, pattern, separator)) {
    std::abort();
  }
  return 0;
}
