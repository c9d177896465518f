#pragma once

#include <cstddef>
#include <string_view>

namespace dorvex {

// Length of a UTF-8 text in UTF-16 code units, the unit in which the table
// widths are counted: a character beyond the Basic Multilingual Plane counts
// twice, every other character once.
constexpr std::size_t Utf16Length(std::string_view utf8) {
  std::size_t units = 0;
  for (const char c : utf8) {
    const auto byte = static_cast<unsigned char>(c);
    if ((byte & 0xC0) != 0x80) ++units;  // a lead byte or an ASCII character
    if (byte >= 0xF0) ++units;           // the lead of a four-byte sequence
  }
  return units;
}

}  // namespace dorvex
