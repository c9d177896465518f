// FormatNumber's text for the magnitudes a table meets, computed without the
// fifteen-digit text of the exact method and written straight from an integer.
//
// What has to come out: D, the magnitude v to fifteen significant digits
// (round half to even on the exact binary value, as std::to_chars does with
// precision 14), then R, D to F decimals, half away from zero. Every way
// below finds Q = R * 10^F as an integer, and the text follows from Q alone:
// its last F digits are the decimals, the digits before them the integer
// part (none when it is zero), and a minus sign stands only before a Q that
// is not zero.
//
// Zero. Below 4 * 10^-(F+1), D is at most 4 * 10^-(F+1) (rounding is
// monotone, and the double nearest that bound has exactly those fifteen
// digits), less than half of 10^-F: Q = 0.
//
// One product of doubles, for v < 10^(14-F) and not near a half. With
// 10^E <= v < 10^(E+1), |D - v| <= 10^(E-14) / 2 <= v * 10^-14 / 2, so D * 10^F
// lies within X * 10^-14 / 2 of X = v * 10^F, and the product x = fl(X) within
// X * 2^-53 of X. When x is more than x * 10^-14 away from the nearest
// half-integer, X and D * 10^F lie between the same two half-integers as x,
// so rounding D * 10^F half away from zero gives the integer nearest x.
// x < 2^53, so its integer part, its fraction and that fraction minus 1/2 are
// all exact doubles. Every other value goes on to integers.
//
// Integers, for v < 10^min(15, 18-F). v is m * 2^e with integers
// 2^52 <= m < 2^53 and e, and D = N * 10^-k with k = 14 - E and
// N = round_half_even(v * 10^k); when N reaches 10^15, to_chars writes
// 1.00000000000000e(E+1), the same number. v * 10^k = m * 5^k * 2^(k+e), and
// on this range 0 <= k <= 24 and s = -(k + e) lies in [1, 60]: the product
// m * 5^k is below 2^53 * 2^56 and held exactly in 128 bits; its bits above s
// are floor(v * 10^k) and its low s bits the exact remainder, which against
// 2^(s-1) decides the tie of round-half-even exactly. E is first taken as
// floor(b * log10 2) for the binary exponent b of v, which is E or E - 1
// because 2^b <= v < 2^(b+1); after E - 1 the integer part has sixteen
// digits, and its last one moves into the remainder (then counted in units
// of 10 * 2^s, still below 2^64). Then, with j = k - F, Q = N / 10^j, rounded
// up when the remainder is at least 10^j / 2 (the digits past the fifteenth
// are zero, so that remainder is all that is dropped), or Q = N * 10^-j when
// j <= 0. The bounds keep k >= 0 and Q below 10^18 < 2^64, and k <= 23 (24 for
// the first estimate) and s <= 57 because v >= 4 * 10^-(F+1).
//
// Every bound is checked again where it is used; a value outside them,
// including infinities and NaN, or a pattern of more than eight decimals, is
// left to the exact method.

#include <array>
#include <bit>
#include <cmath>
#include <cstddef>
#include <utility>

#include "report/number_text.h"

namespace dorvex {
namespace {

constexpr int kMaxDecimals = 8;

// 4 * 10^-(F+1): every magnitude below it rounds to zero at F decimals.
constexpr std::array<double, kMaxDecimals + 1> kZeroBelow = {
    4e-1, 4e-2, 4e-3, 4e-4, 4e-5, 4e-6, 4e-7, 4e-8, 4e-9};

// 10^min(15, 18 - F): every magnitude below it is decided here.
constexpr std::array<double, kMaxDecimals + 1> kDecidedBelow = {
    1e15, 1e15, 1e15, 1e15, 1e14, 1e13, 1e12, 1e11, 1e10};

// 10^(14 - F): below it the magnitude times 10^F stays below 2^53 (and
// below 10^14).
constexpr std::array<double, kMaxDecimals + 1> kNearestBelow = {
    1e14, 1e13, 1e12, 1e11, 1e10, 1e9, 1e8, 1e7, 1e6};

// 10^F, each exact as a double.
constexpr std::array<double, kMaxDecimals + 1> kScales = {1e0, 1e1, 1e2, 1e3, 1e4,
                                                          1e5, 1e6, 1e7, 1e8};

template <std::size_t Count>
constexpr std::array<std::uint64_t, Count> PowersOf(std::uint64_t base) {
  std::array<std::uint64_t, Count> powers{};
  std::uint64_t power = 1;
  for (std::uint64_t& entry : powers) {
    entry = power;
    power *= base;
  }
  return powers;
}

constexpr auto kPowersOfFive = PowersOf<25>(5);  // 5^24 < 2^56
constexpr auto kPowersOfTen = PowersOf<20>(10);  // 10^19 < 2^64

constexpr std::uint64_t kFifteenDigits = kPowersOfTen[15];
constexpr std::uint64_t kFourteenDigits = kPowersOfTen[14];

// Marks a value left to the exact method; every decided Q is below 10^18.
constexpr std::uint64_t kUndecided = ~std::uint64_t{0};

struct Wide {
  std::uint64_t high;
  std::uint64_t low;
};

// The full 128-bit product, in 32-bit halves so that no compiler extension
// is needed.
constexpr Wide MultiplyWide(std::uint64_t a, std::uint64_t b) {
  const std::uint64_t aLow = a & 0xFFFFFFFFu;
  const std::uint64_t aHigh = a >> 32;
  const std::uint64_t bLow = b & 0xFFFFFFFFu;
  const std::uint64_t bHigh = b >> 32;
  const std::uint64_t lowLow = aLow * bLow;
  const std::uint64_t lowHigh = aLow * bHigh;
  const std::uint64_t highLow = aHigh * bLow;
  const std::uint64_t highHigh = aHigh * bHigh;
  const std::uint64_t middle = (lowLow >> 32) + (lowHigh & 0xFFFFFFFFu) + (highLow & 0xFFFFFFFFu);
  return {highHigh + (lowHigh >> 32) + (highLow >> 32) + (middle >> 32),
          (middle << 32) | (lowLow & 0xFFFFFFFFu)};
}

static_assert(MultiplyWide(~std::uint64_t{0}, ~std::uint64_t{0}).high == ~std::uint64_t{1});
static_assert(MultiplyWide(~std::uint64_t{0}, ~std::uint64_t{0}).low == 1);
static_assert(MultiplyWide(std::uint64_t{1} << 52, kPowersOfFive[24]).high ==
              kPowersOfFive[24] >> 12);

// floor(b * log10 2) for the small binary exponents met here; an estimate that
// is off is caught by the range check on the digits, never trusted.
constexpr int FloorLog10OfPowerOfTwo(int b) { return (b * 78913) >> 18; }

// round_half_away(digits * 10^-scale), digits having no further digits.
std::uint64_t RoundedToUnits(std::uint64_t digits, int scale) {
  if (scale <= 0) {
    if (scale < -3) return kUndecided;  // digits <= 10^15, so the product stays below 2^64
    return digits * kPowersOfTen[static_cast<std::size_t>(-scale)];
  }
  if (scale >= static_cast<int>(kPowersOfTen.size())) return kUndecided;
  const std::uint64_t unit = kPowersOfTen[static_cast<std::size_t>(scale)];
  const std::uint64_t kept = digits / unit;
  const std::uint64_t dropped = digits - kept * unit;
  return kept + (dropped >= unit / 2 ? 1 : 0);
}

// Q for a magnitude in [kZeroBelow, kDecidedBelow), in integers.
template <int Decimals>
std::uint64_t RoundedFixedPointExactly(double magnitude) {
  const auto bits = std::bit_cast<std::uint64_t>(magnitude);
  const std::uint64_t m = (bits & ((std::uint64_t{1} << 52) - 1)) | (std::uint64_t{1} << 52);
  const int e = static_cast<int>(bits >> 52) - 1075;

  const int k = 14 - FloorLog10OfPowerOfTwo(e + 52);
  const int s = -(k + e);
  if (k < 0 || k >= static_cast<int>(kPowersOfFive.size()) || s < 1 || s > 60) {
    return kUndecided;
  }
  const Wide product = MultiplyWide(m, kPowersOfFive[static_cast<std::size_t>(k)]);
  if ((product.high >> s) != 0) return kUndecided;
  std::uint64_t integer = (product.high << (64 - s)) | (product.low >> s);
  std::uint64_t remainder = product.low & ((std::uint64_t{1} << s) - 1);
  std::uint64_t half = std::uint64_t{1} << (s - 1);
  int scale = k - Decimals;
  if (integer >= kFifteenDigits) {  // the estimate was E - 1
    remainder += (integer % 10) << s;
    half *= 10;
    integer /= 10;
    --scale;
  }
  if (integer < kFourteenDigits || integer >= kFifteenDigits) return kUndecided;
  const bool up = remainder > half || (remainder == half && (integer & 1) != 0);
  return RoundedToUnits(integer + (up ? 1 : 0), scale);
}

// Q, or kUndecided: zero, then one product of doubles, then integers.
template <int Decimals>
std::uint64_t RoundedFixedPoint(double magnitude) {
  if (!(magnitude < kDecidedBelow[Decimals])) return kUndecided;
  if (magnitude < kZeroBelow[Decimals]) return 0;
  if (magnitude < kNearestBelow[Decimals]) {
    const double scaled = magnitude * kScales[Decimals];
    const auto whole = static_cast<std::uint64_t>(scaled);
    const double fromHalf = (scaled - static_cast<double>(whole)) - 0.5;
    if (std::fabs(fromHalf) > scaled * 1e-14) return whole + (fromHalf > 0 ? 1 : 0);
  }
  return RoundedFixedPointExactly<Decimals>(magnitude);
}

constexpr char kDigitPairs[] =
    "00010203040506070809101112131415161718192021222324252627282930313233343536373839"
    "40414243444546474849505152535455565758596061626364656667686970717273747576777879"
    "8081828384858687888990919293949596979899";

// Writes the last two decimal digits of value before next.
char* WriteDigitPair(char* next, std::uint64_t value) {
  const std::size_t pair = 2 * static_cast<std::size_t>(value);
  *--next = kDigitPairs[pair + 1];
  *--next = kDigitPairs[pair];
  return next;
}

// Writes exactly Count digits of value (below 10^Count) before next. The
// halves are split by constant divisors and written independently, so that
// the digits do not wait on one long chain of divisions.
template <int Count>
char* WriteDigits(char* next, std::uint64_t value) {
  if constexpr (Count == 0) {
    return next;
  } else if constexpr (Count == 1) {
    *--next = static_cast<char>('0' + value);
    return next;
  } else if constexpr (Count == 2) {
    return WriteDigitPair(next, value);
  } else {
    constexpr int kLow = Count / 2;
    constexpr std::uint64_t kUnit = kPowersOfTen[kLow];
    WriteDigits<kLow>(next, value % kUnit);
    return WriteDigits<Count - kLow>(next - kLow, value / kUnit);
  }
}

// The digits of a nonzero value, without leading zeros.
char* WriteInteger(char* next, std::uint64_t value) {
  for (; value >= 100; value /= 100) next = WriteDigitPair(next, value % 100);
  if (value >= 10) return WriteDigitPair(next, value);
  *--next = static_cast<char>('0' + value);
  return next;
}

template <int Decimals>
char* WriteFixedPoint(char* end, double value, NumberShape shape,
                      std::string_view decimalSeparator) {
  const std::uint64_t scaled = RoundedFixedPoint<Decimals>(std::fabs(value));
  if (scaled == kUndecided) return nullptr;
  constexpr std::uint64_t kUnit = kPowersOfTen[Decimals];
  char* next = WriteDigits<Decimals>(end, scaled % kUnit);
  if constexpr (Decimals > 0) {
    for (std::size_t i = decimalSeparator.size(); i > 0; --i) *--next = decimalSeparator[i - 1];
  }
  const std::uint64_t integerPart = scaled / kUnit;
  if (integerPart != 0) {
    next = WriteInteger(next, integerPart);
  } else if (shape.integerZero) {
    *--next = '0';
  }
  if (scaled != 0 && std::signbit(value)) *--next = '-';
  return next;
}

// One writer for each count of decimals, each with its divisors as constants.
constexpr auto kFixedPointWriters = []<int... Decimals>(std::integer_sequence<int, Decimals...>) {
  return std::array{&WriteFixedPoint<Decimals>...};
}(std::make_integer_sequence<int, kMaxDecimals + 1>{});

}  // namespace

char* WriteNumberFast(char* end, double value, NumberShape shape,
                      std::string_view decimalSeparator) {
  if (shape.decimals < 0 || shape.decimals > kMaxDecimals ||
      decimalSeparator.size() > kMaxFastSeparatorLength) {
    return nullptr;
  }
  return kFixedPointWriters[static_cast<std::size_t>(shape.decimals)](end, value, shape,
                                                                       decimalSeparator);
}

}  // namespace dorvex
