#pragma once

#include <string_view>

namespace dorvex {

// First and second dissociation constants of the carbonate system.
inline constexpr double K1 = 4.3e-07;
inline constexpr double K2 = 4.68e-11;

// The results at one pH value.
struct SweepRow {
  double ph = 0;
  double alpha2 = 0;           // fraction of the total carbonate present as CO3--
  double precipitatedMol = 0;  // calcium carbonate precipitated, mol/L, never negative
  double solubilityMg = 0;     // calcium carbonate remaining dissolved, mg/L
  double precipitateMg = 0;    // precipitated calcium carbonate, mg/L
  double dissolvedCaMg = 0;    // calcium remaining in solution, mg-Ca/L
  double carbonateMgC = 0;     // carbonate ion remaining in solution, mg-C/L
};

// The carbonate equilibrium and the calcium carbonate precipitation at one pH.
// The Ksp text is converted here, on every call, in the user's number settings:
// a text that is not a number fails at the first pH, not before the sweep.
// Raises RunError; never returns an infinity or a NaN.
SweepRow ComputePoint(std::string_view kspText, double totalCarbonate, double totalCalcium,
                      double ph, std::string_view decimalSeparator);

}  // namespace dorvex
