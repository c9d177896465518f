#include "core/equilibrium.h"

#include <gtest/gtest.h>

namespace dorvex {
namespace {

TEST(ComputePoint, ExampleAtPh12) {
  const SweepRow row = ComputePoint("4.7E-9", 0.001, 0.001, 12, ".");
  EXPECT_NEAR(row.precipitatedMol, 9.3071488e-4, 1e-11);
}

}  // namespace
}  // namespace dorvex
