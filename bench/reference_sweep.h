#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <vector>

#include "core/sweep.h"

namespace dorvex::bench {

// The example water (Ksp 4.7E-9, both totals 0.001 mol/L) swept down from
// pH 12 in steps of 0.00001: a run of `rows` rows, as the six box texts.
// Supported row counts are 10^4 and 10^6.
std::array<std::string, 6> ReferenceBoxTexts(std::uint64_t rows);

// The same six texts read as a run reads them, with "." as the separator.
SweepInputs ReadInputs(const std::array<std::string, 6>& texts);

// `count` rows spread evenly over the 10^6-row reference sweep, pH 12 to 2.
std::vector<SweepRow> SampleRows(std::size_t count);

}  // namespace dorvex::bench
