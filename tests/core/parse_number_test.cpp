#include "core/parse_number.h"

#include <cmath>
#include <limits>
#include <string>

#include <gtest/gtest.h>

namespace dorvex {
namespace {

struct Accepted {
  const char* text;
  const char* separator;
  double value;
};

class ParseNumberAccepts : public testing::TestWithParam<Accepted> {};

TEST_P(ParseNumberAccepts, ConvertsExactly) {
  const Accepted& c = GetParam();
  EXPECT_EQ(ParseNumber(c.text, c.separator), c.value) << c.text;
}

INSTANTIATE_TEST_SUITE_P(
    Grammar, ParseNumberAccepts,
    testing::Values(Accepted{"4.7E-9", ".", 4.7e-9}, Accepted{"4,7E-9", ",", 4.7e-9},
                    Accepted{"0.001", ".", 0.001}, Accepted{"12", ".", 12},
                    Accepted{"  6  ", ".", 6}, Accepted{"+1.5", ".", 1.5},
                    Accepted{"-0.25", ".", -0.25}, Accepted{".5", ".", 0.5},
                    Accepted{"5.", ".", 5}, Accepted{"1e3", ".", 1000},
                    Accepted{"1E+3", ".", 1000}, Accepted{"2.5e-1", ".", 0.25},
                    Accepted{"0.1", ".", 0.1},
                    // Correct rounding where a naive digit-by-digit sum would drift.
                    Accepted{"2.2250738585072014e-308", ".",
                             std::numeric_limits<double>::min()},
                    Accepted{"1.7976931348623157e308", ".", std::numeric_limits<double>::max()},
                    Accepted{"4.9e-324", ".", std::numeric_limits<double>::denorm_min()},
                    Accepted{"1e-320", ".", 1e-320},
                    // A separator of more than one byte, as some locales have.
                    Accepted{"3\u066B25", "\u066B", 3.25}));

struct Rejected {
  const char* text;
  const char* separator;
};

class ParseNumberRejects : public testing::TestWithParam<Rejected> {};

TEST_P(ParseNumberRejects, AsConversionError) {
  const Rejected& c = GetParam();
  try {
    ParseNumber(c.text, c.separator);
    FAIL() << "accepted '" << c.text << "'";
  } catch (const RunError& error) {
    EXPECT_EQ(error.Kind(), RunErrorKind::Conversion) << c.text;
  }
}

INSTANTIATE_TEST_SUITE_P(
    Grammar, ParseNumberRejects,
    testing::Values(Rejected{"", "."}, Rejected{"   ", "."}, Rejected{".", "."},
                    Rejected{"-", "."}, Rejected{"1.2.3", "."}, Rejected{"1,000", "."},
                    Rejected{"1 000", "."}, Rejected{"0.001", ","}, Rejected{"12x", "."},
                    Rejected{"inf", "."}, Rejected{"nan", "."}, Rejected{"infinity", "."},
                    Rejected{"0x1p3", "."}, Rejected{"1e", "."}, Rejected{"1e+", "."},
                    Rejected{"e5", "."}, Rejected{"+-1", "."}, Rejected{"\t1", "."},
                    Rejected{"1\n", "."}, Rejected{"\u30001", "."}, Rejected{"１", "."},
                    Rejected{"1_000", "."}));

TEST(ParseNumber, BeyondTheDoubleRangeIsOverflow) {
  for (const char* text : {"1e309", "-1e309", "1.8e308", "1e999999999999999999999", "100000e304"}) {
    try {
      ParseNumber(text, ".");
      FAIL() << "accepted " << text;
    } catch (const RunError& error) {
      EXPECT_EQ(error.Kind(), RunErrorKind::Overflow) << text;
    }
  }
}

TEST(ParseNumber, BelowTheSmallestSubnormalIsZeroNotAnError) {
  EXPECT_EQ(ParseNumber("1e-400", "."), 0.0);
  EXPECT_EQ(ParseNumber("0.00001e-320", "."), 0.0);
  EXPECT_TRUE(std::signbit(ParseNumber("-1e-999999999999", ".")));
  EXPECT_EQ(ParseNumber("0e999999", "."), 0.0);
}

TEST(ParseInput, NamesTheFieldThatFailed) {
  try {
    ParseInput("abc", ".", InputField::PhMax);
    FAIL();
  } catch (const RunError& error) {
    EXPECT_EQ(error.Kind(), RunErrorKind::Conversion);
    EXPECT_EQ(error.Field(), InputField::PhMax);
  }
}

TEST(ParseNumber, LongTextsAreReadWhole) {
  const std::string zeros(100000, '0');
  EXPECT_EQ(ParseNumber(zeros + "1.5", "."), 1.5);
  EXPECT_EQ(ParseNumber("0." + zeros + "1e100001", "."), 1.0);
}

}  // namespace
}  // namespace dorvex
