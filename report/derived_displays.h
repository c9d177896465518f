#pragma once

#include <string>
#include <string_view>

namespace dorvex {

// The entered totals as mass concentrations, shown in the two display boxes
// and printed in the report's parameter block.
struct DerivedDisplays {
  std::string carbonateMgC;  // total carbonate as carbon, mg-C/L
  std::string calciumMgCa;   // total calcium, mg-Ca/L
};

// Raises an overflow RunError when a product leaves the double range.
DerivedDisplays ComputeDerivedDisplays(double totalCarbonate, double totalCalcium,
                                       std::string_view decimalSeparator);

}  // namespace dorvex
