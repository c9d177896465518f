#include "report/table_lines.h"

#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "core/sweep.h"
#include "tests/support/example_run.h"

namespace dorvex {
namespace {

using testing_support::kExampleLines;

std::vector<FormattedRow> ExampleRows(std::string_view separator, const char* ksp) {
  std::vector<FormattedRow> rows;
  RunSweep({ksp, 0.001, 0.001, 6, 12, 1}, separator,
           [&](const SweepRow& row) { rows.push_back(FormatRow(row, separator)); });
  return rows;
}

TEST(ListLine, ReproducesTheExampleTable) {
  const std::vector<FormattedRow> rows = ExampleRows(".", "4.7E-9");
  ASSERT_EQ(rows.size(), kExampleLines.size());
  for (std::size_t i = 0; i < rows.size(); ++i) {
    EXPECT_EQ(ListLine(rows[i].screen), kExampleLines[i]);
    EXPECT_EQ(ListLine(rows[i].screen).size(), 66u);
  }
}

TEST(ListLine, FollowsADecimalCommaInEveryColumn) {
  const std::vector<FormattedRow> rows = ExampleRows(",", "4,7E-9");
  ASSERT_EQ(rows.size(), kExampleLines.size());
  for (std::size_t i = 0; i < rows.size(); ++i) {
    std::string expected = kExampleLines[i];
    for (char& c : expected) c = c == '.' ? ',' : c;
    EXPECT_EQ(ListLine(rows[i].screen), expected);
  }
}

TEST(FormatRow, PrintVariantFillsWithAsterisks) {
  const std::vector<FormattedRow> rows = ExampleRows(".", "4.7E-9");
  const RowTexts& ph9 = rows[3].print;
  EXPECT_EQ(ph9.ph, "*9.00");
  EXPECT_EQ(ph9.dissolvedCalcium, "***12.98373767");
  const RowTexts& ph8 = rows[4].print;
  EXPECT_EQ(ph8.precipitate, "****0.00000000");
  EXPECT_EQ(ph8.solubility, "****0.45528135");
}

TEST(FormatRow, ChoosesThePatternFromTheValue) {
  SweepRow row;
  row.ph = 0.5;
  row.solubilityMg = 123456.12345678;
  row.precipitateMg = 0.5;
  row.dissolvedCaMg = 1;
  row.carbonateMgC = 0.999999996;
  const FormattedRow formatted = FormatRow(row, ".");
  EXPECT_EQ(formatted.screen.ph, " 0.50");
  EXPECT_EQ(formatted.screen.solubility, "123456.12345678");
  EXPECT_EQ(formatted.screen.precipitate, "    0.50000000");
  EXPECT_EQ(formatted.screen.dissolvedCalcium, "    1.00000000");
  EXPECT_EQ(formatted.screen.carbonateIon, "    1.00000000");
  // The long field is not cut; it pushes the rest of the line right.
  EXPECT_EQ(ListLine(formatted.screen),
            " 0.50123456.12345678      0.50000000      1.00000000     1.00000000");
}

TEST(FormatRow, NothingPrecipitatedIsTheFixedZeroTextInTheUsersSeparator) {
  SweepRow row;
  row.ph = 7;
  row.precipitateMg = -0.0;
  EXPECT_EQ(FormatRow(row, ".").screen.precipitate, "    0.00000000");
  EXPECT_EQ(FormatRow(row, ",").print.precipitate, "****0,00000000");
}

TEST(PadLeft, CountsUtf16CodeUnitsAndNeverCuts) {
  struct Case {
    const char* text;
    std::size_t width;
    const char* expected;
  };
  for (const Case& c : {Case{"9.00", 5, " 9.00"}, Case{"12.00", 5, "12.00"},
                        Case{"123456", 5, "123456"}, Case{"", 3, "   "},
                        Case{"\u20AC", 3, "  \u20AC"},            // one unit
                        Case{"\U0001D11E", 3, " \U0001D11E"}}) {  // two units
    EXPECT_EQ(PadLeft(c.text, c.width, " "), c.expected) << c.text;
  }
  EXPECT_EQ(PadLeft("1.5", 6, "*"), "***1.5");
}

TEST(PrintRow, PlacesTheFieldsAtTheirColumns) {
  const RowTexts print{"12.00", "a", "b", "c", "d"};
  const PrintLineItems expected = {PrintTab{14}, "12.00", PrintTab{22}, "a", PrintTab{44},
                                   "b",          PrintTab{66}, "c",     PrintTab{88}, "d"};
  EXPECT_EQ(PrintRow(print), expected);
}

}  // namespace
}  // namespace dorvex
