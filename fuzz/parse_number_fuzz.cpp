// ParseNumber on arbitrary bytes in a "." and a "," locale: it must never
// crash, accept exactly its grammar, and agree with the C library's strtod
// on every text it accepts.
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <regex>
#include <string>

#include "core/parse_number.h"

namespace {

// The grammar, written independently of the parser as a regular expression.
bool MatchesGrammar(const std::string& text, char separator) {
  static const std::regex dot(R"(^ *[+-]?([0-9]+(\.[0-9]*)?|\.[0-9]+)([eE][+-]?[0-9]+)? *$)");
  static const std::regex comma(R"(^ *[+-]?([0-9]+(,[0-9]*)?|,[0-9]+)([eE][+-]?[0-9]+)? *$)");
  return std::regex_match(text, separator == '.' ? dot : comma);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  if (size == 0) return 0;
  const char separator = (data[0] & 1) ? ',' : '.';
  const std::string text(reinterpret_cast<const char*>(data + 1), size - 1);
  // The regular expression engine recurses per character; long texts are
  // covered by the unit tests.
  if (text.size() > 200) return 0;

  const bool grammatical = MatchesGrammar(text, separator);
  std::string plain = text;
  for (char& c : plain) c = c == separator ? '.' : c;
  const double reference = std::strtod(plain.c_str(), nullptr);

  bool agrees = false;
  try {
    const double value = dorvex::ParseNumber(text, std::string(1, separator));
    agrees = grammatical && !std::isinf(reference) &&
             std::memcmp(&value, &reference, sizeof value) == 0;  // the sign of zero too
  } catch (const dorvex::RunError& error) {
    agrees = error.Kind() == dorvex::RunErrorKind::Overflow
                 ? grammatical && std::isinf(reference)
                 : error.Kind() == dorvex::RunErrorKind::Conversion && !grammatical;
  }
  if (!agrees) std::abort();
  return 0;
}
