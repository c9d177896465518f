#include "report/derived_displays.h"

#include "core/checked_arithmetic.h"
#include "report/number_format.h"

namespace dorvex {

DerivedDisplays ComputeDerivedDisplays(double totalCarbonate, double totalCalcium,
                                       std::string_view decimalSeparator) {
  const double carbonate = Checked(Checked(totalCarbonate * 12) * 1000);
  const double calcium = Checked(Checked(totalCalcium * 40) * 1000);
  return {FormatNumber(carbonate, kTwoDecimals, decimalSeparator),
          FormatNumber(calcium, kTwoDecimals, decimalSeparator)};
}

}  // namespace dorvex
