#include "core/equilibrium.h"

#include <cmath>

#include "core/checked_arithmetic.h"
#include "core/parse_number.h"

namespace dorvex {

// Each line is one step of the model in its exact order and grouping: the
// rows are compared digit by digit with hand calculations, so no step may be
// merged, reordered or simplified.
SweepRow ComputePoint(std::string_view kspText, double totalCarbonate, double totalCalcium,
                      double ph, std::string_view decimalSeparator) {
  const double ca = totalCalcium;
  const double ct = totalCarbonate;

  const double h = Checked(std::pow(10.0, -ph));
  const double k2OverH = CheckedDivide(K2, h);
  const double d = Checked(Checked(Checked(h / K1) + k2OverH) + 1);
  const double alpha2 = CheckedDivide(k2OverH, d);
  const double ksp = ParseInput(kspText, decimalSeparator, InputField::Ksp);

  const double sum = Checked(ca + ct);
  // Squaring by multiplication is the correctly rounded square, which is what
  // raising to the power 2 means; it does not depend on the quality of pow.
  const double square = Checked(sum * sum);
  const double product = Checked(ca * ct);
  const double disc = Checked(square - Checked(4 * Checked(product - CheckedDivide(ksp, alpha2))));
  if (disc < 0) {
    throw RunError(RunErrorKind::InvalidArgument, "the discriminant is negative (a negative Ksp?), so it has no square root");
  }
  double x = Checked(sum - std::sqrt(disc)) / 2;
  if (!(x >= 0)) x = 0;  // an undersaturated water precipitates nothing

  const double p = Checked(ca - x);
  const double q = Checked(Checked(ct - x) * alpha2);
  const double s = q > p ? p : q;

  SweepRow row;
  row.ph = ph;
  row.alpha2 = alpha2;
  row.precipitatedMol = x;
  row.solubilityMg = Checked(s * 100000);
  row.precipitateMg = Checked(x * 100000);
  row.dissolvedCaMg = Checked(Checked(p * 40) * 1000);
  row.carbonateMgC = Checked(Checked(q * 12) * 1000);
  return row;
}

}  // namespace dorvex
