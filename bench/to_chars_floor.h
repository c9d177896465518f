#pragma once

#include "bench/discarding_buffer.h"
#include "core/equilibrium.h"

namespace dorvex::bench {

// The straightforward exact rendering of a row, the floor every formatting
// figure is held against: its five numbers as fifteen significant digits,
// std::to_chars in scientific form with precision 14.
void WriteToCharsFloor(const SweepRow& row, DiscardingBuffer& out);

}  // namespace dorvex::bench
