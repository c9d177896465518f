#include "report/number_format.h"

#include <limits>
#include <string>

#include <gtest/gtest.h>

namespace dorvex {
namespace {

struct Case {
  double value;
  std::string_view pattern;
  const char* expected;
};

class FormatNumberCases : public testing::TestWithParam<Case> {};

TEST_P(FormatNumberCases, RendersTheExactText) {
  const Case& c = GetParam();
  EXPECT_EQ(FormatNumber(c.value, c.pattern, "."), c.expected)
      << testing::PrintToString(c.value) << " with " << c.pattern;
}

INSTANTIATE_TEST_SUITE_P(
    Patterns, FormatNumberCases,
    testing::Values(
        Case{12, kTwoDecimals, "12.00"}, Case{0.5, kTwoDecimals, "0.50"},
        Case{0.5, kTwoDecimalsNoLeadingZero, ".50"},
        Case{7.0000000000000036, kTwoDecimalsNoLeadingZero, "7.00"},
        Case{6.000000000000021, kTwoDecimalsNoLeadingZero, "6.00"},
        Case{0.123456789, kEightDecimals, "0.12345679"},
        Case{93.07148819443934, kEightDecimalsNoLeadingZero, "93.07148819"},
        Case{40, kEightDecimalsNoLeadingZero, "40.00000000"},
        Case{0.000000001, kEightDecimals, "0.00000000"},
        Case{0.000000005, kEightDecimals, "0.00000001"},
        Case{123456789.123456789, kEightDecimalsNoLeadingZero, "123456789.12345700"},
        Case{0.999999996, kEightDecimals, "1.00000000"},
        Case{-0.25, kEightDecimals, "-0.25000000"}, Case{0, kTwoDecimals, "0.00"},
        Case{0, kEightDecimalsNoLeadingZero, ".00000000"},
        // Halves go away from zero on the 15-digit form, not on the binary
        // value: 2.675 is stored just below the half, yet rounds up.
        Case{2.675, kTwoDecimals, "2.68"}, Case{-2.675, kTwoDecimals, "-2.68"},
        Case{0.125, kTwoDecimals, "0.13"}, Case{9.995, kTwoDecimals, "10.00"},
        Case{99.999999995, kEightDecimalsNoLeadingZero, "100.00000000"},
        // A tie of the binary value at the 15th digit goes to the even digit,
        // as a correctly rounded conversion does.
        Case{1234567890123455, kTwoDecimalsNoLeadingZero, "1234567890123460.00"},
        Case{1234567890123445, kTwoDecimalsNoLeadingZero, "1234567890123440.00"},
        // A value that rounds to zero carries no sign.
        Case{-0.000000001, kEightDecimals, "0.00000000"}, Case{-0.0, kTwoDecimals, "0.00"},
        Case{-0.004, kTwoDecimalsNoLeadingZero, ".00"},
        Case{std::numeric_limits<double>::denorm_min(), kEightDecimals, "0.00000000"},
        Case{1e20, kTwoDecimalsNoLeadingZero, "100000000000000000000.00"},
        Case{-123.456, kTwoDecimalsNoLeadingZero, "-123.46"}));

TEST(FormatNumber, LargestDoubleHasAllItsIntegerDigits) {
  const std::string text =
      FormatNumber(std::numeric_limits<double>::max(), kEightDecimalsNoLeadingZero, ".");
  EXPECT_EQ(text, "179769313486232" + std::string(294, '0') + ".00000000");
}

TEST(FormatNumber, WritesTheUsersDecimalSeparator) {
  EXPECT_EQ(FormatNumber(12, kTwoDecimals, ","), "12,00");
  EXPECT_EQ(FormatNumber(0.5, kEightDecimalsNoLeadingZero, ","), ",50000000");
  EXPECT_EQ(FormatNumber(3.25, kTwoDecimals, "\u066B"), "3\u066B25");
}

}  // namespace
}  // namespace dorvex
