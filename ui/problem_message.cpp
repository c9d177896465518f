#include "ui/problem_message.h"

#include <cstddef>
#include <cstdint>
#include <variant>

namespace dorvex {
namespace {

// The user's lines are never lost to a failed run; saying so spares them
// copying the list out of fear before they try again.
constexpr std::string_view kLinesKept = "\n\n一覧に表示済みの行はそのまま残っています。";

std::string Quoted(std::string_view caption) {
  return "「" + std::string(caption) + "」";
}

// 1000000 as 1,000,000: a limit of that size is read at a glance only grouped.
std::string GroupedDigits(std::uint64_t value) {
  std::string digits = std::to_string(value);
  for (auto pos = static_cast<std::ptrdiff_t>(digits.size()) - 3; pos > 0; pos -= 3) {
    digits.insert(static_cast<std::size_t>(pos), ",");
  }
  return digits;
}

std::string Describe(const RunError& error) {
  switch (error.Kind()) {
    case RunErrorKind::Conversion:
      if (const auto field = error.Field()) {
        return "変換エラー: " + Quoted(InputCaption(*field)) + "の値を数値として読めません。";
      }
      return "変換エラー: 入力された値を数値として読めません。";
    case RunErrorKind::InvalidArgument:
      return "無効な引数: 負の数の平方根を求めることになり、計算できません。";
    case RunErrorKind::DivisionByZero:
      return "0 による除算: 計算の途中で 0 で割ることになり、計算できません。";
    case RunErrorKind::Overflow:
      return "オーバーフロー: 計算結果が数値の範囲を超えました。";
  }
  return "計算エラー: " + std::string(error.what());
}

std::string Describe(const RunRefusal& refusal) {
  const std::string step = Quoted(InputCaption(InputField::PhStep));
  switch (refusal.reason) {
    case RefusalReason::ZeroStep:
      return step + "が 0 のため pH が変わらず、計算が終わりません。計算は行いませんでした。";
    case RefusalReason::TooManyRows:
      return "計算結果が " + GroupedDigits(kMaxRunRows) +
             " 行を超えるため、計算は行いませんでした。" + step +
             "を大きくするか、pH の範囲を狭めてください。";
  }
  return "計算は行いませんでした。";
}

std::string Describe(const PrintError& error) {
  return "印刷エラー: " + std::string(error.what());
}

}  // namespace

std::string ProblemMessage(const RunProblem& problem) {
  return std::visit([](const auto& cause) { return Describe(cause); }, problem) +
         std::string(kLinesKept);
}

}  // namespace dorvex
