#include "core/sweep.h"

namespace dorvex {

void RunSweep(const SweepInputs& inputs, std::string_view decimalSeparator,
              const std::function<void(const SweepRow&)>& onRow) {
  WalkPh(inputs.phMax, inputs.phMin, inputs.phStep, [&](double ph) {
    onRow(ComputePoint(inputs.kspText, inputs.totalCarbonate, inputs.totalCalcium, ph,
                       decimalSeparator));
    return true;
  });
}

std::uint64_t CountSweepRows(const SweepInputs& inputs, std::uint64_t limit) {
  std::uint64_t rows = 0;
  WalkPh(inputs.phMax, inputs.phMin, inputs.phStep, [&](double) { return ++rows <= limit; });
  return rows;
}

}  // namespace dorvex
