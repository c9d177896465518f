// Figures of single rows: the model, the number formatting and the table
// line, each over the same sample rows as the floors beside it.
#include <benchmark/benchmark.h>

#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "bench/against_floors.h"
#include "bench/benchmarks.h"
#include "bench/discarding_buffer.h"
#include "bench/reference_sweep.h"
#include "bench/to_chars_floor.h"
#include "report/list_line_from_row.h"
#include "report/number_format.h"
#include "report/table_lines.h"

namespace dorvex::bench {
namespace {

constexpr std::size_t kSampleRows = 1024;

struct Samples {
  SweepInputs inputs = ReadInputs(ReferenceBoxTexts(1'000'000));
  std::vector<SweepRow> rows = SampleRows(kSampleRows);
  DiscardingBuffer buffer;

  SweepRow Recompute(const SweepRow& row) const {
    return ComputePoint(inputs.kspText, inputs.totalCarbonate, inputs.totalCalcium, row.ph, ".");
  }
  void ArithmeticFloor() {
    for (const SweepRow& row : rows) {
      SweepRow computed = Recompute(row);
      benchmark::DoNotOptimize(computed);
    }
  }
  void ToCharsFloor() {
    for (const SweepRow& row : rows) WriteToCharsFloor(Recompute(row), buffer);
    benchmark::DoNotOptimize(buffer);
  }
};

Samples& SharedSamples() {
  static Samples samples;
  return samples;
}

template <class Figure>
void AgainstFloors(benchmark::State& state, std::size_t numbersPerRow, Figure figure) {
  Samples& samples = SharedSamples();
  MeasureAgainstFloors(
      state, {samples.rows.size(), numbersPerRow * samples.rows.size()},
      [&] { figure(samples); }, [&] { samples.ArithmeticFloor(); },
      [&] { samples.ToCharsFloor(); });
}

void ComputePointFigure(benchmark::State& state) {
  AgainstFloors(state, 0, [](Samples& samples) { samples.ArithmeticFloor(); });
}

// The two-decimal patterns serve the pH column, the eight-decimal ones the
// four concentrations, so each is timed on the values it meets in a table.
void FormatNumberFigure(benchmark::State& state, std::string_view pattern, bool twoDecimals) {
  AgainstFloors(state, twoDecimals ? 1 : 4, [pattern, twoDecimals](Samples& samples) {
    for (const SweepRow& row : samples.rows) {
      if (twoDecimals) {
        std::string text = FormatNumber(row.ph, pattern, ".");
        benchmark::DoNotOptimize(text);
        continue;
      }
      for (const double value :
           {row.solubilityMg, row.precipitateMg, row.dissolvedCaMg, row.carbonateMgC}) {
        std::string text = FormatNumber(value, pattern, ".");
        benchmark::DoNotOptimize(text);
      }
    }
  });
}

void FormatRowListLineFigure(benchmark::State& state) {
  AgainstFloors(state, 0, [](Samples& samples) {
    for (const SweepRow& row : samples.rows) {
      samples.buffer.Append(ListLine(FormatRow(row, ".").screen));
    }
    benchmark::DoNotOptimize(samples.buffer);
  });
}

// The line as the Calculate command makes it when not printing: written
// straight from the row into storage kept from row to row.
void AssignListLineFigure(benchmark::State& state) {
  AgainstFloors(state, 0, [](Samples& samples) {
    std::string line;
    for (const SweepRow& row : samples.rows) {
      AssignListLine(line, row, ".");
      samples.buffer.Append(line);
    }
    benchmark::DoNotOptimize(samples.buffer);
  });
}

}  // namespace

void RegisterRowBenchmarks() {
  benchmark::RegisterBenchmark("ComputePoint", ComputePointFigure)->UseManualTime();
  for (const auto& [pattern, twoDecimals] :
       {std::pair{kTwoDecimals, true}, std::pair{kTwoDecimalsNoLeadingZero, true},
        std::pair{kEightDecimals, false}, std::pair{kEightDecimalsNoLeadingZero, false}}) {
    const std::string name = "FormatNumber/" + std::string(pattern);
    benchmark::RegisterBenchmark(name.c_str(), FormatNumberFigure, pattern, twoDecimals)
        ->UseManualTime();
  }
  benchmark::RegisterBenchmark("FormatRow+ListLine", FormatRowListLineFigure)->UseManualTime();
  benchmark::RegisterBenchmark("AssignListLine", AssignListLineFigure)->UseManualTime();
}

}  // namespace dorvex::bench
