#include "report/table_lines.h"

#include "report/number_format.h"
#include "report/utf16.h"

namespace dorvex {
namespace {

// Unpadded texts of one row; the screen and the print variant pad these.
RowTexts FieldTexts(const SweepRow& row, std::string_view separator) {
  auto concentration = [&](double value) {
    return FormatNumber(value, value < 1 ? kEightDecimals : kEightDecimalsNoLeadingZero,
                        separator);
  };
  RowTexts texts;
  texts.ph = FormatNumber(row.ph, row.ph < 1 ? kTwoDecimals : kTwoDecimalsNoLeadingZero,
                          separator);
  texts.solubility = concentration(row.solubilityMg);
  // Nothing precipitated is a fixed text rather than a formatted zero. Its
  // separator follows the user's settings like every other column's.
  texts.precipitate = row.precipitateMg <= 0 ? "0" + std::string(separator) + "00000000"
                                             : concentration(row.precipitateMg);
  texts.dissolvedCalcium = concentration(row.dissolvedCaMg);
  texts.carbonateIon = concentration(row.carbonateMgC);
  return texts;
}

RowTexts Padded(const RowTexts& texts, std::string_view fill) {
  return {PadLeft(texts.ph, kPhWidth, fill), PadLeft(texts.solubility, kValueWidth, fill),
          PadLeft(texts.precipitate, kValueWidth, fill),
          PadLeft(texts.dissolvedCalcium, kValueWidth, fill),
          PadLeft(texts.carbonateIon, kValueWidth, fill)};
}

}  // namespace

FormattedRow FormatRow(const SweepRow& row, std::string_view decimalSeparator) {
  const RowTexts texts = FieldTexts(row, decimalSeparator);
  return {Padded(texts, " "), Padded(texts, "*")};
}

std::string PadLeft(std::string_view text, std::size_t width, std::string_view fill) {
  if (fill.empty()) return std::string(text);
  std::string padded;
  for (std::size_t length = Utf16Length(text); length < width; length += Utf16Length(fill)) {
    padded.append(fill);
  }
  padded.append(text);
  return padded;
}

std::string ListLine(const RowTexts& screen) {
  std::string line;
  line.reserve(kPhWidth + 4 * kValueWidth + 5);
  line.append(screen.ph).append(screen.solubility).append("  ").append(screen.precipitate);
  line.append("  ").append(screen.dissolvedCalcium).append(" ").append(screen.carbonateIon);
  return line;
}

PrintLineItems PrintRow(const RowTexts& print) {
  return {PrintTab{14}, print.ph,          PrintTab{22}, print.solubility,
          PrintTab{44}, print.precipitate, PrintTab{66}, print.dissolvedCalcium,
          PrintTab{88}, print.carbonateIon};
}

}  // namespace dorvex
