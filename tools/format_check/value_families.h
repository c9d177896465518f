#pragma once

#include <array>
#include <cstdint>
#include <random>
#include <string_view>

namespace dorvex::format_check {

// Where the doubles of a check come from. Each family aims at a place where a
// fast rendering could go wrong.
enum class Family {
  BitPatterns,       // any 64 bits: every magnitude, subnormals, infinities, NaN
  TableRange,        // 0 to 10^6 with a few decimals, as a table shows them
  DecimalHalves,     // (k + 1/2) / 10^F and a few ulps either side, F = 2 or 8
  DecimalGrid,       // k / 10^F and one ulp either side
  FifteenDigitTies,  // 16 significant digits ending in 5, and a few ulps either side
  BinaryHalves,      // k / 2^n: exact binary values whose decimals end in 5
  PowersOfTen,       // 10^p and a few ulps either side
  FastPathBounds,    // the bounds between the ways of the fast path, and either side
};

inline constexpr std::array kFamilies = {
    Family::BitPatterns,      Family::TableRange,   Family::DecimalHalves,
    Family::DecimalGrid,      Family::FifteenDigitTies, Family::BinaryHalves,
    Family::PowersOfTen,      Family::FastPathBounds};

std::string_view FamilyName(Family family);

// A double of the family, with a random sign (except bit patterns, which
// carry their own).
double Draw(Family family, std::mt19937_64& random);

}  // namespace dorvex::format_check
