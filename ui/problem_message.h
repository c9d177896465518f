#pragma once

#include <string>
#include <string_view>

#include "core/run_error.h"
#include "ui/window_view.h"

namespace dorvex {

// The caption of the label beside an input's box. The window shows it there
// and a message names the box by it, so the two always read the same.
constexpr std::string_view InputCaption(InputField field) {
  switch (field) {
    case InputField::Ksp: return "溶解度積Ksp(mol/L)2";
    case InputField::TotalCarbonate: return "全炭酸濃度(mol/L)";
    case InputField::TotalCalcium: return "全Ca濃度(mol/L)";
    case InputField::PhMin: return "pH(計算最小値)";
    case InputField::PhMax: return "pH(計算最大値)";
    case InputField::PhStep: return "刻みpH";
  }
  return {};
}

// The text of the message box that tells the user why a run stopped: what
// went wrong, where it is known which box, and that the lines already in the
// result list are kept.
std::string ProblemMessage(const RunProblem& problem);

}  // namespace dorvex
