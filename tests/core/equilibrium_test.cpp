#include "core/equilibrium.h"

#include <cmath>
#include <optional>

#include <gtest/gtest.h>

#include "core/run_error.h"

namespace dorvex {
namespace {

SweepRow Compute(const char* ksp, double carbonate, double calcium, double ph) {
  return ComputePoint(ksp, carbonate, calcium, ph, ".");
}

TEST(ComputePoint, SupersaturatedWaterPrecipitates) {
  const SweepRow row = Compute("4.7E-9", 0.001, 0.001, 12);
  EXPECT_EQ(row.ph, 12);
  EXPECT_NEAR(row.precipitatedMol, 9.3071488e-4, 1e-11);
  EXPECT_NEAR(row.alpha2, 0.979, 1e-3);
  EXPECT_EQ(row.precipitateMg, row.precipitatedMol * 100000);
  // What stays dissolved is the ion product's share: (Ca - x)(C_T - x)alpha2 = Ksp.
  const double ca = 0.001 - row.precipitatedMol;
  EXPECT_NEAR(ca * (0.001 - row.precipitatedMol) * row.alpha2, 4.7e-9, 1e-15);
}

TEST(ComputePoint, UndersaturatedWaterPrecipitatesNothing) {
  const SweepRow row = Compute("4.7E-9", 0.001, 0.001, 8);
  EXPECT_EQ(row.precipitatedMol, 0);
  EXPECT_EQ(row.precipitateMg, 0);
  EXPECT_EQ(row.dissolvedCaMg, 40);
  // The carbonate ion is the scarcer species, so it limits the solubility.
  EXPECT_EQ(row.solubilityMg, 0.001 * row.alpha2 * 100000);
}

TEST(ComputePoint, ZeroKspPrecipitatesAllItCan) {
  for (const double ph : {6.0, 9.0, 12.0}) {
    const SweepRow row = Compute("0", 0.002, 0.001, ph);
    EXPECT_NEAR(row.precipitatedMol, 0.001, 1e-15) << ph;
    EXPECT_NEAR(row.solubilityMg, 0, 1e-9) << ph;
  }
}

TEST(ComputePoint, NoCalciumMeansNoPrecipitateAndNoSolubility) {
  const SweepRow row = Compute("4.7E-9", 0.001, 0, 12);
  EXPECT_EQ(row.precipitatedMol, 0);
  EXPECT_EQ(row.solubilityMg, 0);
  EXPECT_EQ(row.dissolvedCaMg, 0);
}

TEST(ComputePoint, TheKspFollowsTheUsersDecimalSeparator) {
  const SweepRow dot = ComputePoint("4.7E-9", 0.001, 0.001, 12, ".");
  const SweepRow comma = ComputePoint("4,7E-9", 0.001, 0.001, 12, ",");
  EXPECT_EQ(dot.precipitatedMol, comma.precipitatedMol);
}

TEST(ComputePoint, SubnormalTotalsAreNoFailure) {
  const SweepRow row = Compute("4.7E-9", 4.9e-324, 1e-320, 10);
  EXPECT_EQ(row.precipitatedMol, 0);
  EXPECT_TRUE(std::isfinite(row.solubilityMg));
}

struct Failure {
  const char* name;
  const char* ksp;
  double carbonate;
  double calcium;
  double ph;
  RunErrorKind kind;
  std::optional<InputField> field;
};

class ComputePointFails : public testing::TestWithParam<Failure> {};

TEST_P(ComputePointFails, WithTheKindOfTheFailingOperation) {
  const Failure& c = GetParam();
  try {
    Compute(c.ksp, c.carbonate, c.calcium, c.ph);
    FAIL() << "no error";
  } catch (const RunError& error) {
    EXPECT_EQ(error.Kind(), c.kind);
    EXPECT_EQ(error.Field(), c.field);
  }
}

INSTANTIATE_TEST_SUITE_P(
    Table, ComputePointFails,
    testing::Values(
        Failure{"KspNotANumber", "abc", 0.001, 0.001, 12, RunErrorKind::Conversion,
                InputField::Ksp},
        Failure{"KspOfSpaces", "  ", 0.001, 0.001, 12, RunErrorKind::Conversion, InputField::Ksp},
        Failure{"NegativeKsp", "-1", 0.001, 0.001, 12, RunErrorKind::InvalidArgument, {}},
        // Exactly the discriminant is never negative here; its rounding is.
        Failure{"RoundingBelowZero", "0", 0.0010000000000000002, 0.001, 12,
                RunErrorKind::InvalidArgument, {}},
        Failure{"PowerUnderflowsToZero", "4.7E-9", 0.001, 0.001, 400,
                RunErrorKind::DivisionByZero, {}},
        // The power is computed before the Ksp text is read.
        Failure{"PowerFailsBeforeTheKspIsRead", "abc", 0.001, 0.001, 400,
                RunErrorKind::DivisionByZero, {}},
        Failure{"CarbonateFractionUnderflows", "4.7E-9", 0.001, 0.001, -160,
                RunErrorKind::DivisionByZero, {}},
        Failure{"PowerOverflows", "4.7E-9", 0.001, 0.001, -400, RunErrorKind::Overflow, {}},
        Failure{"TotalsOverflow", "4.7E-9", 1e308, 1e308, 12, RunErrorKind::Overflow, {}},
        Failure{"HugeKsp", "1e300", 0.001, 0.001, 2, RunErrorKind::Overflow, {}}),
    [](const testing::TestParamInfo<Failure>& info) { return info.param.name; });

}  // namespace
}  // namespace dorvex
