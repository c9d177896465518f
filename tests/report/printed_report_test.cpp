#include "report/printed_report.h"

#include <sstream>
#include <string>

#include <gtest/gtest.h>

#include "report/plain_text_print_sink.h"

namespace dorvex {
namespace {

std::string Render(const PrintLineItems& items) {
  std::ostringstream out;
  PlainTextPrintSink sink(out);
  sink.PrintLine(items);
  return out.str();
}

TEST(PlainTextPrintSink, TabsMoveToCharacterColumns) {
  EXPECT_EQ(Render({PrintTab{4}, "ab", PrintTab{8}, "c"}), "   ab  c\n");
  EXPECT_EQ(Render({PrintTab{1}, "x"}), "x\n");
  // A position exactly at the column stays on the line.
  EXPECT_EQ(Render({"abc", PrintTab{4}, "d"}), "abcd\n");
  // Beyond the column, printing continues at that column of the next line.
  EXPECT_EQ(Render({"abcdef", PrintTab{3}, "g"}), "abcdef\n  g\n");
  EXPECT_EQ(Render({std::string()}), "\n");
  // Japanese characters take one column each, like any other character.
  EXPECT_EQ(Render({"全Ca", PrintTab{5}, "x"}), "全Ca x\n");
}

TEST(PlainTextPrintSink, KeepsSettingsWithoutPrintingThem) {
  std::ostringstream out;
  PlainTextPrintSink sink(out);
  BeginRun(sink);
  EndRun(sink);
  EXPECT_EQ(out.str(), "");
  EXPECT_EQ(sink.Setting(PrintSetting::A), 12.0f);
  EXPECT_FALSE(sink.Setting(PrintSetting::B).has_value());
  EXPECT_EQ(sink.DocumentsEnded(), 1);
}

TEST(PrintHeader, WritesTheParameterBlockAndColumnHeaders) {
  std::ostringstream out;
  PlainTextPrintSink sink(out);
  PrintHeader(sink, {"4.7E-9", "0.001", "0.001", {"12.00", "40.00"}});
  const std::string pad39(39, ' ');
  const std::string expected =
      "\n\n\n" + pad39 + "溶解度積Ksp(mol/L)2 = 4.7E-9\n" + pad39 +
      "全炭酸濃度(mol/L)     = 0.001\n" + pad39 + "全炭酸濃度(mg-C/L)  = 12.00\n" + pad39 +
      "全Ca濃度(mol/L)        = 0.001\n" + pad39 + "全Ca濃度(mg-Ca/L)   = 40.00\n" + "\n" +
      std::string(13, ' ') +
      " pH     Dorvex溶解度(mg/l)   Dorvex↓(mg/l)     \u3000溶解性Ca(mg/l)      "
      "\u3000液中CO3--(mg-C/l) \n" +
      std::string(62, ' ') + "(溶解性Dorvex含む)    (溶解性Dorvex含む) \n";
  EXPECT_EQ(out.str(), expected);
  EXPECT_EQ(sink.Setting(PrintSetting::B), 100.0f);
  EXPECT_EQ(sink.Setting(PrintSetting::C), 50.0f);
}

TEST(PrintResultRow, PutsTheAsteriskFieldsAtTheirColumns) {
  std::ostringstream out;
  PlainTextPrintSink sink(out);
  PrintResultRow(sink, {"12.00", "****6.78356353", "***93.07148819", "****2.77140472",
                        "****0.81402762"});
  EXPECT_EQ(out.str(),
            std::string(13, ' ') + "12.00   ****6.78356353        ***93.07148819        "
                                   "****2.77140472        ****0.81402762\n");
}

}  // namespace
}  // namespace dorvex
