#include "core/sweep.h"

#include <stdexcept>
#include <vector>

#include <gtest/gtest.h>

#include "core/run_error.h"

namespace dorvex {
namespace {

SweepInputs Range(double phMax, double phMin, double phStep, const char* ksp = "4.7E-9") {
  return {ksp, 0.001, 0.001, phMin, phMax, phStep};
}

std::vector<double> PhValues(const SweepInputs& inputs) {
  std::vector<double> values;
  RunSweep(inputs, ".", [&](const SweepRow& row) { values.push_back(row.ph); });
  return values;
}

TEST(RunSweep, WalksFromTheHighestPhDown) {
  EXPECT_EQ(PhValues(Range(12, 6, 1)), (std::vector<double>{12, 11, 10, 9, 8, 7, 6}));
  EXPECT_EQ(PhValues(Range(12, 7, 2)), (std::vector<double>{12, 10, 8}));
  EXPECT_EQ(PhValues(Range(7, 7, 0.5)), (std::vector<double>{7}));
  EXPECT_TRUE(PhValues(Range(6, 12, 1)).empty());
}

TEST(RunSweep, ANegativeStepWalksUpward) {
  EXPECT_EQ(PhValues(Range(6, 8, -1)), (std::vector<double>{6, 7, 8}));
  EXPECT_TRUE(PhValues(Range(8, 6, -1)).empty());
}

TEST(RunSweep, TheLoopVariableAccumulatesItsRoundingDrift) {
  const std::vector<double> tenths = PhValues(Range(8, 7, 0.1));
  ASSERT_EQ(tenths.size(), 11u);
  EXPECT_EQ(tenths.back(), 7.0000000000000036);
  const std::vector<double> sixty = PhValues(Range(12, 6, 0.1));
  ASSERT_EQ(sixty.size(), 61u);
  EXPECT_EQ(sixty.back(), 6.000000000000021);
}

TEST(RunSweep, ABadKspFailsAtTheFirstRowOnly) {
  EXPECT_TRUE(PhValues(Range(6, 12, 1, "abc")).empty());
  try {
    PhValues(Range(12, 6, 1, "abc"));
    FAIL();
  } catch (const RunError& error) {
    EXPECT_EQ(error.Kind(), RunErrorKind::Conversion);
  }
}

TEST(RunSweep, AFailureStopsAfterTheRowsAlreadyHandedOver) {
  std::vector<double> delivered;
  EXPECT_THROW(RunSweep(Range(-120, -150, 10), ".",
                        [&](const SweepRow& row) { delivered.push_back(row.ph); }),
               RunError);
  EXPECT_EQ(delivered, (std::vector<double>{-120, -130, -140}));

  delivered.clear();
  EXPECT_THROW(RunSweep(Range(12, 6, 1), ".",
                        [&](const SweepRow& row) {
                          delivered.push_back(row.ph);
                          if (row.ph == 10) throw RunError(RunErrorKind::Overflow, "consumer");
                        }),
               RunError);
  EXPECT_EQ(delivered, (std::vector<double>{12, 11, 10}));
}

TEST(CountSweepRows, AgreesWithTheSweep) {
  for (const SweepInputs& inputs : {Range(12, 6, 1), Range(8, 7, 0.1), Range(12, 6, 0.1),
                                    Range(12, 7, 2), Range(6, 8, -1), Range(6, 12, 1),
                                    Range(3, 2.5, 0.001)}) {
    EXPECT_EQ(CountSweepRows(inputs, 1'000'000), PhValues(inputs).size());
  }
}

TEST(CountSweepRows, StopsJustPastTheLimit) {
  EXPECT_EQ(CountSweepRows(Range(9, 0, 1), 10), 10u);
  EXPECT_EQ(CountSweepRows(Range(10, 0, 1), 10), 11u);
  // Steps too small to move the pH, or no step at all, never end on their own.
  EXPECT_EQ(CountSweepRows(Range(12, 6, 1e-20), 1000), 1001u);
  EXPECT_EQ(CountSweepRows(Range(6, 6, 0), 1000), 1001u);
  EXPECT_EQ(CountSweepRows(Range(12, 6, 1e-6), 1'000'000), 1'000'001u);
}

}  // namespace
}  // namespace dorvex
