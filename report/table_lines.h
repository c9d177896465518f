#pragma once

#include <cstddef>
#include <string>
#include <string_view>

#include "core/equilibrium.h"
#include "report/print_sink.h"

namespace dorvex {

// The five formatted texts of one row, each padded on the left to its width.
struct RowTexts {
  std::string ph;
  std::string solubility;
  std::string precipitate;
  std::string dissolvedCalcium;
  std::string carbonateIon;
};

inline constexpr std::size_t kPhWidth = 5;
inline constexpr std::size_t kValueWidth = 14;

// Both variants of a row: space-filled for the screen, asterisk-filled for the
// printer. Their unpadded texts are the same.
struct FormattedRow {
  RowTexts screen;
  RowTexts print;
};

FormattedRow FormatRow(const SweepRow& row, std::string_view decimalSeparator);

// Puts fill in front of text while the text is shorter than width UTF-16 code
// units. A longer text is returned whole: a table column may shift, but no
// digit is ever cut.
std::string PadLeft(std::string_view text, std::size_t width, std::string_view fill);

// The line of the result list: the fields with their separators, 66
// characters when no field exceeds its width.
std::string ListLine(const RowTexts& screen);

// The printed row: each print-variant field at its fixed column.
PrintLineItems PrintRow(const RowTexts& print);

}  // namespace dorvex
