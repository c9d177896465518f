// The list line written straight from a row, against the line made from the
// padded field texts; and PadLeft with a fill that adds no length.
#include <gtest/gtest.h>

#include <string>
#include <string_view>

#include "report/list_line_from_row.h"
#include "report/table_lines.h"

namespace dorvex {
namespace {

SweepRow Row(double ph, double solubility, double precipitate, double calcium, double carbonate) {
  SweepRow row;
  row.ph = ph;
  row.solubilityMg = solubility;
  row.precipitateMg = precipitate;
  row.dissolvedCaMg = calcium;
  row.carbonateMgC = carbonate;
  return row;
}

std::string Direct(const SweepRow& row, std::string_view separator) {
  std::string line = "left over from an earlier row";
  AssignListLine(line, row, separator);
  return line;
}

TEST(AssignListLine, WritesTheExampleLine) {
  const SweepRow row = Row(12, 6.783563531, 93.071488194, 2.771404722, 0.814027618);
  EXPECT_EQ(Direct(row, "."),
            "12.00    6.78356353     93.07148819      2.77140472     0.81402762");
}

TEST(AssignListLine, MatchesTheLineOfThePaddedFields) {
  const SweepRow rows[] = {
      Row(9, 1.44796518, 67.54065583, 12.98373767, 0.17375582),   // a pH of four characters
      Row(8, 0.45528135, 0, 40, 0.05463376),                      // nothing precipitated
      Row(0.5, 0.5, 0.5, 0.999999996, 1e-12),                    // values below one
      Row(7, 123456.12345678, 1e-9, -0.25, 3),                   // a field wider than 14
      Row(-1, 1e300, 99999.999999999, 1e7, -1e-3),               // the exact method's texts
      Row(123.456, 1, 2, 3, 4),                                  // a pH wider than 5
  };
  for (const SweepRow& row : rows) {
    for (const std::string_view separator : {".", ",", "\u066B", "<sep>"}) {
      EXPECT_EQ(Direct(row, separator), ListLine(FormatRow(row, separator).screen))
          << "pH " << row.ph << " separator " << separator;
    }
  }
}

// A fill of no UTF-16 units (a stray continuation byte) can never reach the
// width; the text comes back as it is instead of the padding never ending.
TEST(PadLeft, FillWithoutLengthLeavesTheText) {
  EXPECT_EQ(PadLeft("abc", 5, "\x80"), "abc");
  EXPECT_EQ(PadLeft("abc", 5, ""), "abc");
}

}  // namespace
}  // namespace dorvex
