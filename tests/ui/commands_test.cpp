#include "ui/commands.h"

#include <algorithm>
#include <string>
#include <vector>

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "fake_window.h"
#include "tests/support/example_run.h"

namespace dorvex {
namespace {

using testing::ElementsAre;
using testing_support::EventLog;
using testing_support::FakeWindow;
using testing_support::RecordingSink;

const std::array<std::string, 6>& kExample = testing_support::kExampleInputs;
using testing_support::kExampleLines;

class CalculateCommandTest : public testing::Test {
 protected:
  RunOutcome Calculate(const std::array<std::string, 6>& inputs, std::string_view separator = ".") {
    window.Type(inputs);
    log.clear();
    return CalculateCommand(window, sink, separator);
  }

  std::vector<std::string> LinesOf(std::string_view prefix) const {
    std::vector<std::string> found;
    for (const std::string& event : log) {
      if (event.starts_with(prefix)) found.push_back(event);
    }
    return found;
  }

  EventLog log;
  FakeWindow window{log};
  RecordingSink sink{log};
};

TEST_F(CalculateCommandTest, WithoutPrintingAppendsTheLinesBetweenSetupAndEnd) {
  EXPECT_EQ(Calculate(kExample), RunOutcome::Completed);
  std::vector<std::string> expected = {"setting A=12", "Text7 enabled", "Text8 enabled",
                                       "Text7=12.00",  "Text8=40.00"};
  for (const std::string& line : kExampleLines) expected.push_back("list: " + line);
  expected.insert(expected.end(), {"end document", "Text7 disabled", "Text8 disabled"});
  EXPECT_EQ(log, expected);
  EXPECT_TRUE(window.problems.empty());
}

TEST_F(CalculateCommandTest, WithPrintingPrintsTheHeaderAndEachRowAfterItsLine) {
  window.printSelected = true;
  EXPECT_EQ(Calculate(kExample), RunOutcome::Completed);
  const std::vector<std::string> head(log.begin(), log.begin() + 19);
  const std::string p39 = "print: [40]";
  EXPECT_THAT(head, ElementsAre("setting A=12", "Text7 enabled", "Text8 enabled", "Text7=12.00",
                                "Text8=40.00", "setting B=100", "setting C=50", "print: ",
                                "print: ", "print: ", p39 + "溶解度積Ksp(mol/L)2 = 4.7E-9",
                                p39 + "全炭酸濃度(mol/L)     = 0.001",
                                p39 + "全炭酸濃度(mg-C/L)  = 12.00",
                                p39 + "全Ca濃度(mol/L)        = 0.001",
                                p39 + "全Ca濃度(mg-Ca/L)   = 40.00", "print: ",
                                testing::StartsWith("print: [14] pH "),
                                testing::StartsWith("print: [63](溶解性"),
                                "list: " + kExampleLines[0]));
  EXPECT_EQ(log[19], "print: [14]12.00[22]****6.78356353[44]***93.07148819[66]****2.77140472"
                     "[88]****0.81402762");
  EXPECT_EQ(log[log.size() - 4], "print: [14]*6.00[22]****0.00140725[44]****0.00000000"
                                 "[66]***40.00000000[88]****0.00016887");
  EXPECT_THAT(std::vector<std::string>(log.end() - 3, log.end()),
              ElementsAre("end document", "Text7 disabled", "Text8 disabled"));
  EXPECT_EQ(LinesOf("print: [14]").size(), 1 + kExampleLines.size());
}

TEST_F(CalculateCommandTest, AsksForPrintingAgainAtEveryRow) {
  // Ticked for the header and the first two rows, then unticked.
  window.printSelectedAtAsk = [](int ask) { return ask <= 3; };
  Calculate(kExample);
  EXPECT_EQ(LinesOf("print: [14]").size(), 1 + 2u);  // the column header and two rows
  EXPECT_EQ(window.lines.size(), kExampleLines.size());
}

TEST_F(CalculateCommandTest, AnEmptyBoxDoesNothingAtAll) {
  window.printSelected = true;
  for (std::size_t empty = 0; empty < 6; ++empty) {
    std::array<std::string, 6> inputs = kExample;
    inputs[empty].clear();
    EXPECT_EQ(Calculate(inputs), RunOutcome::Ignored) << "box " << empty + 1;
    EXPECT_TRUE(log.empty()) << "box " << empty + 1;
  }
}

TEST_F(CalculateCommandTest, ABoxOfSpacesIsNotEmptyButNotANumber) {
  std::array<std::string, 6> inputs = kExample;
  inputs[5] = " ";
  EXPECT_EQ(Calculate(inputs), RunOutcome::Failed);
  ASSERT_EQ(window.problems.size(), 1u);
  const auto& error = std::get<RunError>(window.problems[0]);
  EXPECT_EQ(error.Kind(), RunErrorKind::Conversion);
  EXPECT_EQ(error.Field(), InputField::PhStep);
}

TEST_F(CalculateCommandTest, LinesAccumulateUntilClear) {
  Calculate(kExample);
  Calculate(kExample);
  ASSERT_EQ(window.lines.size(), 14u);
  EXPECT_EQ(window.lines[7], kExampleLines[0]);
  ClearCommand(window);
  EXPECT_TRUE(window.lines.empty());
  EXPECT_EQ(window.text7, "12.00");  // Clear leaves the boxes alone
  Calculate({"4.7E-9", "0.0005", "0.00000012", "8", "8", "1"});
  EXPECT_EQ(window.lines.size(), 1u);
  EXPECT_EQ(window.text7, "6.00");
  EXPECT_EQ(window.text8, "0.00");
}

TEST_F(CalculateCommandTest, AnEmptyRangeUpdatesTheDisplaysOnly) {
  window.printSelected = true;
  EXPECT_EQ(Calculate({"not a number", "0.001", "0.001", "12", "6", "1"}),
            RunOutcome::Completed);
  EXPECT_TRUE(window.lines.empty());
  EXPECT_EQ(window.text7, "12.00");
  EXPECT_EQ(LinesOf("print: ").size(), 11u);  // the header block, no rows
  EXPECT_EQ(sink.documentsEnded, 1);
}

TEST_F(CalculateCommandTest, FollowsTheUsersDecimalSeparator) {
  EXPECT_EQ(Calculate({"4,7E-9", "0,001", "0,001", "6", "12", "1"}, ","), RunOutcome::Completed);
  EXPECT_EQ(window.text7, "12,00");
  ASSERT_EQ(window.lines.size(), 7u);
  EXPECT_EQ(window.lines[0], "12,00    6,78356353     93,07148819      2,77140472     0,81402762");
  // A dot where the user's separator is a comma is not a number.
  EXPECT_EQ(Calculate(kExample, ","), RunOutcome::Failed);
  EXPECT_EQ(std::get<RunError>(window.problems.back()).Field(), InputField::TotalCarbonate);
}

struct FailureCase {
  const char* name;
  std::array<std::string, 6> inputs;
  RunErrorKind kind;
  std::optional<InputField> field;
  std::size_t linesBeforeFailure;
  bool displaysWritten;
};

class CalculateCommandFailure : public CalculateCommandTest,
                                public testing::WithParamInterface<FailureCase> {};

TEST_P(CalculateCommandFailure, StopsThereKeepsTheLinesAndEndsTheDocument) {
  const FailureCase& c = GetParam();
  window.printSelected = true;
  Calculate(kExample);  // lines of an earlier run must survive the failure
  EXPECT_EQ(Calculate(c.inputs), RunOutcome::Failed);

  ASSERT_EQ(window.problems.size(), 1u);
  const auto& error = std::get<RunError>(window.problems[0]);
  EXPECT_EQ(error.Kind(), c.kind);
  EXPECT_EQ(error.Field(), c.field);
  EXPECT_EQ(window.lines.size(), kExampleLines.size() + c.linesBeforeFailure);
  EXPECT_TRUE(std::equal(kExampleLines.begin(), kExampleLines.end(), window.lines.begin()));
  EXPECT_EQ(!LinesOf("Text7=").empty(), c.displaysWritten);
  // The paper holds what the list holds, and no document is left open.
  const auto rowsPrinted = LinesOf("print: [14]").size() - (c.displaysWritten ? 1 : 0);
  EXPECT_EQ(rowsPrinted, c.linesBeforeFailure);
  EXPECT_EQ(LinesOf("end document").size(), 1u);
  EXPECT_FALSE(window.text7Enabled);
  EXPECT_FALSE(window.text8Enabled);
  EXPECT_EQ(log.back(), "problem");

  // The window goes on: the next run works as usual.
  window.problems.clear();
  EXPECT_EQ(Calculate(kExample), RunOutcome::Completed);
  EXPECT_TRUE(window.problems.empty());
}

INSTANTIATE_TEST_SUITE_P(
    Table, CalculateCommandFailure,
    testing::Values(
        FailureCase{"TotalCarbonateNotANumber", {"4.7E-9", "abc", "0.001", "6", "12", "1"},
                    RunErrorKind::Conversion, InputField::TotalCarbonate, 0, false},
        FailureCase{"TotalCalciumNotANumber", {"4.7E-9", "0.001", "1,5", "6", "12", "1"},
                    RunErrorKind::Conversion, InputField::TotalCalcium, 0, false},
        FailureCase{"LowestPhNotANumber", {"4.7E-9", "0.001", "0.001", "six", "12", "1"},
                    RunErrorKind::Conversion, InputField::PhMin, 0, false},
        FailureCase{"HighestPhNotANumber", {"4.7E-9", "0.001", "0.001", "6", "12x", "1"},
                    RunErrorKind::Conversion, InputField::PhMax, 0, false},
        FailureCase{"KspNotANumberAtTheFirstRow", {"4.7E-9?", "0.002", "0.001", "6", "12", "1"},
                    RunErrorKind::Conversion, InputField::Ksp, 0, true},
        FailureCase{"TotalsTooLargeForTheDisplays", {"4.7E-9", "1e308", "0.001", "6", "12", "1"},
                    RunErrorKind::Overflow, {}, 0, false},
        FailureCase{"NegativeKsp", {"-4.7E-9", "0.001", "0.001", "6", "12", "1"},
                    RunErrorKind::InvalidArgument, {}, 0, true},
        // Unequal totals carry a negative Ksp until alpha2 becomes small.
        FailureCase{"NegativeKspMidRun", {"-4.7E-9", "0.002", "0.001", "6", "12", "1"},
                    RunErrorKind::InvalidArgument, {}, 4, true},
        // Walking upward from 300 to 400, where 10^-pH underflows to zero.
        FailureCase{"PhTooHigh", {"4.7E-9", "0.002", "0.001", "400", "300", "-100"},
                    RunErrorKind::DivisionByZero, {}, 1, true},
        FailureCase{"PhTooLow", {"4.7E-9", "0.002", "0.001", "-150", "-140", "10"},
                    RunErrorKind::Overflow, {}, 1, true},
        FailureCase{"PhFarTooLow", {"4.7E-9", "0.002", "0.001", "-400", "-400", "1"},
                    RunErrorKind::Overflow, {}, 0, true}),
    [](const testing::TestParamInfo<FailureCase>& info) { return info.param.name; });

TEST_F(CalculateCommandTest, RefusesAZeroStepAndAHugeRunBeforeTheFirstRow) {
  struct Case {
    std::array<std::string, 6> inputs;
    RefusalReason reason;
  };
  window.printSelected = true;
  Calculate(kExample);
  for (const Case& c : {Case{{"4.7E-9", "0.001", "0.001", "6", "12", "0"}, RefusalReason::ZeroStep},
                        Case{{"4.7E-9", "0.001", "0.001", "12", "6", "-0"}, RefusalReason::ZeroStep},
                        Case{{"4.7E-9", "0.001", "0.001", "6", "12", "0.000001"},
                             RefusalReason::TooManyRows},
                        Case{{"4.7E-9", "0.001", "0.001", "6", "12", "1e-300"},
                             RefusalReason::TooManyRows}}) {
    window.problems.clear();
    EXPECT_EQ(Calculate(c.inputs), RunOutcome::Refused);
    ASSERT_EQ(window.problems.size(), 1u);
    EXPECT_EQ(std::get<RunRefusal>(window.problems[0]).reason, c.reason);
    EXPECT_EQ(window.lines.size(), kExampleLines.size());
    EXPECT_TRUE(LinesOf("print: ").empty());
    EXPECT_EQ(LinesOf("end document").size(), 1u);
    EXPECT_FALSE(window.text7Enabled);
  }
}

TEST_F(CalculateCommandTest, APrinterThatRefusesTheJobKeepsTheLines) {
  window.printSelected = true;
  sink.failOnEndDocument = true;
  EXPECT_EQ(Calculate(kExample), RunOutcome::Failed);
  EXPECT_EQ(window.lines, kExampleLines);
  ASSERT_EQ(window.problems.size(), 1u);
  EXPECT_STREQ(std::get<PrintError>(window.problems[0]).what(), "job refused");
  EXPECT_EQ(sink.documentsEnded, 1);  // not ended a second time
  EXPECT_FALSE(window.text7Enabled);
}

TEST_F(CalculateCommandTest, APrinterThatFailsMidRunStillGetsItsDocumentEnded) {
  window.printSelected = true;
  sink.failOnPrintLine = true;
  EXPECT_EQ(Calculate(kExample), RunOutcome::Failed);
  EXPECT_TRUE(window.lines.empty());
  EXPECT_EQ(sink.documentsEnded, 1);
  ASSERT_EQ(window.problems.size(), 1u);
  EXPECT_TRUE(std::holds_alternative<PrintError>(window.problems[0]));
}

TEST_F(CalculateCommandTest, ARunErrorAndAFailedEndAreBothReported) {
  window.printSelected = true;
  sink.failOnEndDocument = true;
  EXPECT_EQ(Calculate({"-1", "0.001", "0.001", "6", "12", "1"}), RunOutcome::Failed);
  ASSERT_EQ(window.problems.size(), 2u);
  EXPECT_TRUE(std::holds_alternative<RunError>(window.problems[0]));
  EXPECT_TRUE(std::holds_alternative<PrintError>(window.problems[1]));
}

}  // namespace
}  // namespace dorvex

namespace dorvex {
namespace {

struct OddInput {
  const char* name;
  std::size_t box;  // 0 = Ksp ... 5 = pH step
  std::string text;
  RunOutcome outcome;
  std::optional<RunErrorKind> kind;
};

class CalculateCommandOddInput : public CalculateCommandTest,
                                 public testing::WithParamInterface<OddInput> {};

TEST_P(CalculateCommandOddInput, EndsCleanlyWithTheEarlierLinesKept) {
  const OddInput& c = GetParam();
  Calculate(kExample);
  std::array<std::string, 6> inputs = kExample;
  inputs[c.box] = c.text;
  EXPECT_EQ(Calculate(inputs), c.outcome);
  if (c.kind) {
    ASSERT_EQ(window.problems.size(), 1u);
    EXPECT_EQ(std::get<RunError>(window.problems[0]).Kind(), *c.kind);
  } else {
    EXPECT_TRUE(window.problems.empty());
  }
  EXPECT_TRUE(std::equal(kExampleLines.begin(), kExampleLines.end(), window.lines.begin()));
  EXPECT_FALSE(window.text7Enabled);
}

INSTANTIATE_TEST_SUITE_P(
    Table, CalculateCommandOddInput,
    testing::Values(
        OddInput{"MegabyteOfLetters", 1, std::string(1 << 20, 'x'), RunOutcome::Failed,
                 RunErrorKind::Conversion},
        OddInput{"MegabyteOfDigits", 2, std::string(1 << 20, '7'), RunOutcome::Failed,
                 RunErrorKind::Overflow},
        OddInput{"MegabyteKsp", 0, std::string(1 << 20, '9'), RunOutcome::Failed,
                 RunErrorKind::Overflow},
        OddInput{"ControlCharacter", 3, "6\x01", RunOutcome::Failed, RunErrorKind::Conversion},
        OddInput{"NulCharacter", 4, std::string("12\0", 3), RunOutcome::Failed,
                 RunErrorKind::Conversion},
        OddInput{"IdeographicSpace", 1, "\u30000.001", RunOutcome::Failed,
                 RunErrorKind::Conversion},
        OddInput{"FullWidthDigits", 5, "\uFF11", RunOutcome::Failed, RunErrorKind::Conversion},
        OddInput{"InvalidUtf8", 0, "\xff\xfe", RunOutcome::Failed, RunErrorKind::Conversion},
        OddInput{"LargestTotal", 1, "1e308", RunOutcome::Failed, RunErrorKind::Overflow},
        OddInput{"LargestNegativeTotal", 2, "-1e308", RunOutcome::Failed, RunErrorKind::Overflow},
        OddInput{"SmallestSubnormalTotal", 1, "4.9e-324", RunOutcome::Completed, {}},
        OddInput{"SubnormalTotal", 2, "1e-320", RunOutcome::Completed, {}}),
    [](const testing::TestParamInfo<OddInput>& info) { return info.param.name; });

}  // namespace
}  // namespace dorvex
