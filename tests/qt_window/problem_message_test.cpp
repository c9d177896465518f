#include "ui/problem_message.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <array>
#include <string>
#include <vector>

namespace dorvex {
namespace {

using ::testing::HasSubstr;

constexpr std::string_view kLinesKept = "一覧に表示済みの行はそのまま残っています。";

constexpr std::array kAllFields = {InputField::Ksp,   InputField::TotalCarbonate,
                                   InputField::TotalCalcium, InputField::PhMin,
                                   InputField::PhMax, InputField::PhStep};

// The user finds the box by the caption beside it, so a conversion message
// names that caption, and no other one.
TEST(ProblemMessage, ConversionNamesOnlyTheBoxThatFailed) {
  for (const InputField field : kAllFields) {
    const std::string message =
        ProblemMessage(RunError(RunErrorKind::Conversion, "the text is not a number", field));
    EXPECT_THAT(message, HasSubstr("変換エラー"));
    for (const InputField other : kAllFields) {
      const bool named = message.find(InputCaption(other)) != std::string::npos;
      EXPECT_EQ(named, other == field) << message;
    }
  }
}

TEST(ProblemMessage, NamesTheKindOfTheFailure) {
  struct Case {
    RunErrorKind kind;
    std::string_view name;
  };
  const std::vector<Case> cases = {{RunErrorKind::Conversion, "変換エラー"},
                                   {RunErrorKind::InvalidArgument, "無効な引数"},
                                   {RunErrorKind::DivisionByZero, "0 による除算"},
                                   {RunErrorKind::Overflow, "オーバーフロー"}};
  for (const Case& tested : cases) {
    const std::string message = ProblemMessage(RunError(tested.kind, "english detail"));
    for (const Case& other : cases) {
      const bool named = message.find(other.name) != std::string::npos;
      EXPECT_EQ(named, other.kind == tested.kind) << message;
    }
  }
  EXPECT_THAT(ProblemMessage(RunError(RunErrorKind::InvalidArgument, "")), HasSubstr("負の数の平方根"));
}

TEST(ProblemMessage, RefusalsSayWhyTheRunDidNotStart) {
  const std::string zeroStep = ProblemMessage(RunRefusal{RefusalReason::ZeroStep});
  EXPECT_THAT(zeroStep, HasSubstr("「刻みpH」が 0"));
  const std::string tooMany = ProblemMessage(RunRefusal{RefusalReason::TooManyRows});
  EXPECT_THAT(tooMany, HasSubstr("1,000,000 行を超える"));
  EXPECT_THAT(tooMany, HasSubstr("「刻みpH」を大きく"));
}

TEST(ProblemMessage, PrintErrorShowsThePrintersOwnMessage) {
  EXPECT_THAT(ProblemMessage(PrintError("プリンターが見つかりません。")),
              HasSubstr("印刷エラー: プリンターが見つかりません。"));
}

TEST(ProblemMessage, EveryProblemSaysTheLinesAreKept) {
  const std::vector<RunProblem> problems = {
      RunError(RunErrorKind::Conversion, "", InputField::PhMax),
      RunError(RunErrorKind::Overflow, ""), RunRefusal{RefusalReason::TooManyRows},
      PrintError("プリンターが見つかりません。")};
  for (const RunProblem& problem : problems) {
    const std::string message = ProblemMessage(problem);
    EXPECT_TRUE(message.ends_with(kLinesKept)) << message;
  }
}

}  // namespace
}  // namespace dorvex
