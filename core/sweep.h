#pragma once

#include <cstdint>
#include <functional>
#include <string>
#include <string_view>

#include "core/equilibrium.h"

namespace dorvex {

// The six inputs of a run. The Ksp stays text: it is converted at every pH.
struct SweepInputs {
  std::string kspText;
  double totalCarbonate = 0;  // mol/L
  double totalCalcium = 0;    // mol/L
  double phMin = 0;
  double phMax = 0;
  double phStep = 0;
};

// Walks the loop variable of a sweep from phMax towards phMin and calls
// visit(ph) for every value; visit returns false to stop early. The variable
// is advanced by one double addition per step, never recomputed from the
// start, because the drift of those additions decides how many rows there are.
template <class Visit>
void WalkPh(double phMax, double phMin, double phStep, Visit&& visit) {
  const double end = phMin;
  const double increment = -phStep;
  for (double ph = phMax; increment < 0 ? ph >= end : ph <= end; ph = ph + increment) {
    if (!visit(ph)) return;
  }
}

// Computes every row of a run, highest pH first, and hands each to onRow
// before the next is computed. A RunError from ComputePoint or from onRow
// ends the sweep at once, after the rows already handed over.
void RunSweep(const SweepInputs& inputs, std::string_view decimalSeparator,
              const std::function<void(const SweepRow&)>& onRow);

// The number of rows RunSweep would produce, counted without computing them,
// or limit + 1 when there would be more than limit (or no end at all).
std::uint64_t CountSweepRows(const SweepInputs& inputs, std::uint64_t limit);

}  // namespace dorvex
