#include "bench/to_chars_floor.h"

#include <charconv>

namespace dorvex::bench {

void WriteToCharsFloor(const SweepRow& row, DiscardingBuffer& out) {
  char* const begin = out.Space();
  char* next = begin;
  for (const double value :
       {row.ph, row.solubilityMg, row.precipitateMg, row.dissolvedCaMg, row.carbonateMgC}) {
    // "-d.dddddddddddddde-ddd" is 22 characters; five of them fit in a piece.
    next = std::to_chars(next, next + 24, value, std::chars_format::scientific, 14).ptr;
  }
  out.Commit(static_cast<std::size_t>(next - begin));
}

}  // namespace dorvex::bench
