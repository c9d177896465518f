// The fast way of FormatNumber against hand-derived texts at the places where
// rounding twice is easy to get wrong, and against the exact method.
#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <random>
#include <stdexcept>
#include <string>
#include <string_view>

#include "report/number_format.h"
#include "report/number_text.h"

namespace dorvex {
namespace {

struct Case {
  double value;
  std::string_view pattern;
  std::string_view expected;
};

std::string Exact(double value, std::string_view pattern, std::string_view separator = ".") {
  std::string text;
  AppendNumberExact(text, value, ShapeOf(pattern), separator);
  return text;
}

// What the fast way itself makes of the value: its text, or "" when it
// leaves the value to the exact method.
std::string Fast(double value, std::string_view pattern, std::string_view separator = ".") {
  char buffer[kMaxFastTextLength];
  const char* const end = buffer + sizeof buffer;
  const char* const begin = WriteNumberFast(buffer + sizeof buffer, value, ShapeOf(pattern),
                                            separator);
  return begin == nullptr ? std::string() : std::string(begin, end);
}

// The expected text from FormatNumber, from the exact method, and from the
// fast way itself, which is meant to decide these values.
void ExpectOnTheFastWay(const Case& c) {
  EXPECT_EQ(FormatNumber(c.value, c.pattern, "."), c.expected)
      << "value " << c.value << " pattern " << c.pattern;
  EXPECT_EQ(Exact(c.value, c.pattern), c.expected) << "value " << c.value;
  EXPECT_EQ(Fast(c.value, c.pattern), c.expected) << "value " << c.value;
}

// The binary value lies below the half, but its fifteen digits reach it, and
// from there the half goes away from zero.
TEST(FormatNumberFastPath, FifteenDigitsThatReachAHalf) {
  const Case cases[] = {
      {0.004999999999999999, kTwoDecimals, "0.01"},       // 4.99999999999999923e-3
      {2.675, kTwoDecimalsNoLeadingZero, "2.68"},           // 2.67499999999999982...
      {1.005, kTwoDecimalsNoLeadingZero, "1.01"},           // 1.00499999999999989...
      {0.123456785, kEightDecimals, "0.12345679"},          // 0.12345678499999999...
      {std::nextafter(0.125, 0.0), kTwoDecimals, "0.13"},   // one ulp below an exact half
      {1.5e-8, kEightDecimals, "0.00000002"},               // 1.49999999999999993e-8
      {4.9999999999999996e-9, kEightDecimals, "0.00000001"},
      {-0.005, kTwoDecimals, "-0.01"},
  };
  for (const Case& c : cases) ExpectOnTheFastWay(c);
}

// An exact tie at the sixteenth digit goes to the even fifteenth digit,
// and the fifteen digits are then taken as they are.
TEST(FormatNumberFastPath, TiesAtTheSixteenthDigitGoToEven) {
  const Case cases[] = {
      {123456789012345.5, kTwoDecimalsNoLeadingZero, "123456789012346.00"},
      {123456789012344.5, kTwoDecimalsNoLeadingZero, "123456789012344.00"},
      {1234567.001953125, kEightDecimalsNoLeadingZero, "1234567.00195312"},  // + 1/512
      {1234567.005859375, kEightDecimalsNoLeadingZero, "1234567.00585938"},  // + 3/512
      {0.125, kTwoDecimals, "0.13"},  // an exact binary half at the decimals themselves
  };
  for (const Case& c : cases) ExpectOnTheFastWay(c);
}

TEST(FormatNumberFastPath, CarriesIntoANewDigitAndSignsOfZero) {
  const Case cases[] = {
      {9.999999999999999, kTwoDecimalsNoLeadingZero, "10.00"},
      {0.9999999999999999, kTwoDecimals, "1.00"},
      {99999999.99999999, kEightDecimalsNoLeadingZero, "100000000.00000000"},
      {-0.004, kTwoDecimals, "0.00"},
      {-0.0, kEightDecimals, "0.00000000"},
      {-0.0, kTwoDecimalsNoLeadingZero, ".00"},
      {4e-9, kEightDecimals, "0.00000000"},
      {4.000000000000001e-9, kEightDecimals, "0.00000000"},
      {-1e-300, kEightDecimals, "0.00000000"},
  };
  for (const Case& c : cases) ExpectOnTheFastWay(c);
}

// Beyond the magnitudes a table meets, and for more decimals than the
// patterns have, the fast way leaves the value to the exact method.
TEST(FormatNumberFastPath, LargeValuesAndLongPatternsGoTheExactWay) {
  const Case cases[] = {
      {1e10, kEightDecimalsNoLeadingZero, "10000000000.00000000"},
      {1234567890123455, kTwoDecimalsNoLeadingZero, "1234567890123460.00"},
      {1e22, kTwoDecimals, "10000000000000000000000.00"},
      {0.1234567891, "0.#########0", "0.1234567891"},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(FormatNumber(c.value, c.pattern, "."), c.expected) << "value " << c.value;
    EXPECT_EQ(Exact(c.value, c.pattern), c.expected) << "value " << c.value;
    EXPECT_EQ(Fast(c.value, c.pattern), "") << "value " << c.value;
  }
}

TEST(FormatNumberFastPath, SeparatorsOfTheUsersSettings) {
  EXPECT_EQ(Fast(6.78356353, kEightDecimalsNoLeadingZero, ","), "6,78356353");
  EXPECT_EQ(Fast(0.5, kTwoDecimalsNoLeadingZero, ","), ",50");
  EXPECT_EQ(Fast(-2.675, kTwoDecimals, "\u066B"), "-2\u066B68");  // Arabic separator
  EXPECT_EQ(Fast(12, kTwoDecimals, "<dp>"), "12<dp>00");
  EXPECT_EQ(Fast(12, kTwoDecimals, "<sep>"), "");  // longer than the fast way takes
  EXPECT_EQ(FormatNumber(12, kTwoDecimals, "<sep>"), "12<sep>00");
}

// A value the arithmetic never hands over must not be rendered from garbage.
TEST(FormatNumberFastPath, RefusesValuesThatAreNotFinite) {
  for (const double value : {std::numeric_limits<double>::infinity(),
                             -std::numeric_limits<double>::infinity(),
                             std::numeric_limits<double>::quiet_NaN()}) {
    EXPECT_THROW(FormatNumber(value, kEightDecimals, "."), std::invalid_argument);
  }
}

// The fast way either writes the exact method's text or leaves the value to
// it, for doubles spread over every magnitude and every kind of tie.
TEST(FormatNumberFastPath, AgreesWithTheExactMethod) {
  std::mt19937_64 random(20240611);
  std::uniform_real_distribution<double> exponent(-12, 16);
  int decided = 0;
  for (int i = 0; i < 20000; ++i) {
    double value = std::pow(10.0, exponent(random));
    if (i % 4 == 1) value = std::round(value * 1e8) / 1e8 + 0.5e-8;    // near a half at 8 decimals
    if (i % 4 == 2) value = std::nextafter(std::round(value * 100) / 100 + 0.005, 0.0);
    if (i % 2 == 1) value = -value;
    for (const std::string_view pattern : {kTwoDecimals, kTwoDecimalsNoLeadingZero,
                                           kEightDecimals, kEightDecimalsNoLeadingZero}) {
      const std::string fast = Fast(value, pattern, ",");
      if (!fast.empty()) {
        ++decided;
        ASSERT_EQ(fast, Exact(value, pattern, ",")) << value;
      }
      ASSERT_EQ(FormatNumber(value, pattern, ","), Exact(value, pattern, ",")) << value;
    }
  }
  EXPECT_GT(decided, 40000);  // most of them on the fast way, so it was the one tested
}

}  // namespace
}  // namespace dorvex
