#include "tools/format_check/value_families.h"

#include <bit>
#include <charconv>
#include <cmath>
#include <string>

namespace dorvex::format_check {
namespace {

std::uint64_t Below(std::mt19937_64& random, std::uint64_t bound) {
  return std::uniform_int_distribution<std::uint64_t>(0, bound - 1)(random);
}

int Between(std::mt19937_64& random, int low, int high) {
  return std::uniform_int_distribution<int>(low, high)(random);
}

double PowerOfTen(int exponent) { return std::pow(10.0, exponent); }

// value moved by up to `ulps` representable doubles either way.
double Nudged(double value, std::mt19937_64& random, int ulps) {
  for (int step = Between(random, -ulps, ulps); step != 0; step += step > 0 ? -1 : 1) {
    value = std::nextafter(value, step > 0 ? INFINITY : -INFINITY);
  }
  return value;
}

// The double nearest a decimal text (from_chars rounds correctly).
double FromText(const std::string& text) {
  double value = 0;
  std::from_chars(text.data(), text.data() + text.size(), value);
  return value;
}

int TableDecimals(std::mt19937_64& random) { return random() % 2 == 0 ? 2 : 8; }

double Magnitude(Family family, std::mt19937_64& random) {
  switch (family) {
    case Family::BitPatterns:
      return std::bit_cast<double>(random());
    case Family::TableRange: {
      const int decimals = Between(random, 0, 9);
      const auto units = static_cast<std::uint64_t>(PowerOfTen(6 + decimals));
      return static_cast<double>(Below(random, units)) / PowerOfTen(decimals);
    }
    case Family::DecimalHalves: {
      const int decimals = TableDecimals(random);
      const auto k = Below(random, std::uint64_t{1} << Between(random, 1, 40));
      return Nudged((static_cast<double>(k) + 0.5) / PowerOfTen(decimals), random, 4);
    }
    case Family::DecimalGrid: {
      const int decimals = TableDecimals(random);
      const auto k = Below(random, std::uint64_t{1} << Between(random, 1, 40));
      return Nudged(static_cast<double>(k) / PowerOfTen(decimals), random, 1);
    }
    case Family::FifteenDigitTies: {
      // d.dddddddddddddd5 x 10^exponent: a tie at the sixteenth digit.
      const std::uint64_t fifteen = 100'000'000'000'000 + Below(random, 900'000'000'000'000);
      const std::string text =
          std::to_string(fifteen) + "5e" + std::to_string(Between(random, -12, 12) - 15);
      return Nudged(FromText(text), random, 2);
    }
    case Family::BinaryHalves: {
      const int shift = Between(random, 1, 40);
      const std::uint64_t odd = Below(random, std::uint64_t{1} << Between(random, 1, 52)) | 1;
      return std::ldexp(static_cast<double>(odd), -shift);
    }
    case Family::PowersOfTen:
      return Nudged(PowerOfTen(Between(random, -12, 20)), random, 3);
    case Family::FastPathBounds: {
      // 4 * 10^-(F+1), 10^(14-F) and 10^min(15, 18-F) for every F up to 8.
      const int decimals = Between(random, 0, 8);
      const double bounds[] = {4 * PowerOfTen(-(decimals + 1)), PowerOfTen(14 - decimals),
                               PowerOfTen(std::min(15, 18 - decimals))};
      return Nudged(bounds[Below(random, 3)], random, 8);
    }
  }
  return 0;
}

}  // namespace

std::string_view FamilyName(Family family) {
  switch (family) {
    case Family::BitPatterns: return "random bit patterns";
    case Family::TableRange: return "0 to 1e6, few decimals";
    case Family::DecimalHalves: return "halves at the 2nd/8th decimal";
    case Family::DecimalGrid: return "k/10^F +- 1 ulp";
    case Family::FifteenDigitTies: return "ties at the 16th digit";
    case Family::BinaryHalves: return "binary halves k/2^n";
    case Family::PowersOfTen: return "powers of ten";
    case Family::FastPathBounds: return "fast path bounds";
  }
  return "";
}

double Draw(Family family, std::mt19937_64& random) {
  const double magnitude = Magnitude(family, random);
  if (family == Family::BitPatterns) return magnitude;
  return random() % 2 == 0 ? magnitude : -magnitude;
}

}  // namespace dorvex::format_check
