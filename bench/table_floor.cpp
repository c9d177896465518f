// dorvex-table-floor: the to_chars floor of a whole run, with the arguments of
// dorvex-table. It sweeps as a run sweeps and renders the five numbers of
// each row with std::to_chars (fifteen significant digits), keeping the text
// in memory: the least any exact table program must do for the same rows.
#include <array>
#include <iostream>
#include <string>

#include "bench/discarding_buffer.h"
#include "bench/reference_sweep.h"
#include "bench/to_chars_floor.h"
#include "core/run_error.h"

int main(int argc, char** argv) {
  using namespace dorvex;
  if (argc != 7) {
    std::cerr << "usage: dorvex-table-floor KSP TOTAL_CARBONATE TOTAL_CALCIUM PH_MIN PH_MAX "
                 "PH_STEP\n";
    return 2;
  }
  std::array<std::string, 6> boxes;
  for (std::size_t i = 0; i < boxes.size(); ++i) boxes[i] = argv[i + 1];
  try {
    bench::DiscardingBuffer buffer;
    std::uint64_t rows = 0;
    RunSweep(bench::ReadInputs(boxes), ".", [&](const SweepRow& row) {
      bench::WriteToCharsFloor(row, buffer);
      ++rows;
    });
    std::cout << rows << " rows, " << buffer.Total() << " characters\n";
  } catch (const RunError& error) {
    std::cerr << "dorvex-table-floor: " << error.what() << "\n";
    return 1;
  }
  return 0;
}
