#include "ui/qt_printing/line_placement.h"

#include <sstream>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "report/plain_text_print_sink.h"
#include "report/printed_report.h"
#include "report/utf16.h"

namespace dorvex {
namespace {

// A stand-in for font metrics: a column is one unit wide, a half-width
// character takes one column and anything beyond Latin-1 takes two, as the
// Japanese glyphs of the printer font do.
qreal TwoColumnWideGlyphs(const QString& text) {
  qreal width = 0;
  for (const QChar c : text) width += c.unicode() < 0x100 ? 1 : 2;
  return width;
}

// Each row as "x:text|x:text".
std::vector<std::string> Describe(const std::vector<PlacedRow>& rows) {
  std::vector<std::string> described;
  for (const PlacedRow& row : rows) {
    std::string line;
    for (const PlacedText& placed : row) {
      if (!line.empty()) line += '|';
      line += std::to_string(static_cast<int>(placed.x)) + ':' + placed.text.toStdString();
    }
    described.push_back(line);
  }
  return described;
}

TEST(PlaceLine, FollowsTheTabRule) {
  struct Case {
    const char* name;
    PrintLineItems items;
    std::vector<std::string> rows;
  };
  const std::vector<Case> cases = {
      {"an empty text still takes a row", {std::string()}, {""}},
      {"texts after a tab follow each other",
       {PrintTab{40}, std::string("Ksp = "), std::string("4.7E-9")},
       {"39:Ksp = |45:4.7E-9"}},
      {"a tab behind the position continues on the next row",
       {std::string("0123456789"), PrintTab{5}, std::string("x")},
       {"0:0123456789", "4:x"}},
      {"a text that ends at the tab's column stays on the row",
       {std::string("abcd"), PrintTab{5}, std::string("x")},
       {"0:abcd|4:x"}},
      {"columns below 1 are the left edge", {PrintTab{0}, std::string("a")}, {"0:a"}},
      {"a tab back with nothing between still starts a row",
       {PrintTab{10}, PrintTab{5}, std::string("x")},
       {"", "4:x"}},
      {"wide glyphs are measured, not counted",
       {std::string("溶解度"), PrintTab{5}, std::string("x")},
       {"0:溶解度", "4:x"}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    EXPECT_EQ(Describe(PlaceLine(c.items, 1, TwoColumnWideGlyphs)), c.rows);
  }
}

TEST(PlaceLine, ColumnsScaleWithTheColumnWidth) {
  const auto rows = PlaceLine({PrintTab{14}, std::string("ab")}, 2.5,
                              [](const QString& text) { return 2.5 * text.size(); });
  ASSERT_EQ(rows.size(), 1u);
  ASSERT_EQ(rows[0].size(), 1u);
  EXPECT_DOUBLE_EQ(rows[0][0].x, 32.5);
  EXPECT_DOUBLE_EQ(RightEdge(rows[0]), 37.5);
}

class RecordingSink final : public PrintSink {
 public:
  void ApplySetting(PrintSetting, float) override {}
  void PrintLine(const PrintLineItems& items) override { lines.push_back(items); }
  void EndDocument() override {}
  std::vector<PrintLineItems> lines;
};

std::string AsText(const std::vector<PlacedRow>& rows) {
  std::string text;
  for (const PlacedRow& row : rows) {
    std::size_t position = 0;
    for (const PlacedText& placed : row) {
      const auto x = static_cast<std::size_t>(placed.x);
      text.append(x - position, ' ');
      text += placed.text.toStdString();
      position = x + Utf16Length(placed.text.toStdString());
    }
    text += '\n';
  }
  return text;
}

// With one column per UTF-16 unit the paper must read exactly like the text
// rendering of the same report, wrapped rows and all.
TEST(PlaceLine, MatchesThePlainTextReport) {
  RecordingSink report;
  PrintHeader(report, {"4.7E-9", "0.001", "0.001", {"12.00", "40.00"}});
  PrintResultRow(report, {"12.00", "****6.78356353", "***93.07148819", "****2.77140472",
                          "****0.81402762"});
  // Fields too long for their columns push the next tabs onto new rows.
  PrintResultRow(report, {"1234567.00", "1234567890.123456789", "****1", "12345678901234567890123",
                          "*2"});

  std::ostringstream expected;
  PlainTextPrintSink plain(expected);
  std::string placed;
  for (const PrintLineItems& line : report.lines) {
    plain.PrintLine(line);
    placed += AsText(PlaceLine(line, 1, [](const QString& text) {
      return static_cast<qreal>(Utf16Length(text.toStdString()));
    }));
  }
  EXPECT_EQ(placed, expected.str());
}

}  // namespace
}  // namespace dorvex
