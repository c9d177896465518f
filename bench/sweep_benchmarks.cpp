// Whole runs: the Calculate command over a sweep of 10^4 and 10^6 rows, its
// lines taken by a view that discards them, beside the same sweep's floors.
#include <benchmark/benchmark.h>

#include <array>
#include <cstdint>
#include <string>

#include "bench/against_floors.h"
#include "bench/benchmarks.h"
#include "bench/discarding_buffer.h"
#include "bench/reference_sweep.h"
#include "bench/to_chars_floor.h"
#include "ui/commands.h"

namespace dorvex::bench {
namespace {

// The window of a terminal that writes to /dev/null, minus the kernel.
class DiscardingView final : public WindowView {
 public:
  DiscardingView(const std::array<std::string, 6>& boxes, DiscardingBuffer& lines)
      : boxes_(boxes), lines_(lines) {}

  std::string BoxText(BoxName box) const override {
    return boxes_[static_cast<std::size_t>(box)];
  }
  void SetBoxText(BoxName, const std::string&) override {}
  void SetBoxEnabled(BoxName, bool) override {}
  bool PrintSelected() const override { return false; }
  void AppendResultLine(const std::string& line) override {
    lines_.Append(line);
    lines_.Append("\n");
  }
  void ClearResults() override {}
  void ReportProblem(const RunProblem&) override { failed_ = true; }

  bool Failed() const { return failed_; }

 private:
  const std::array<std::string, 6>& boxes_;
  DiscardingBuffer& lines_;
  bool failed_ = false;
};

class NullPrintSink final : public PrintSink {
 public:
  void ApplySetting(PrintSetting, float) override {}
  void PrintLine(const PrintLineItems&) override {}
  void EndDocument() override {}
};

void SweepFigure(benchmark::State& state) {
  const auto rows = static_cast<std::uint64_t>(state.range(0));
  const std::array<std::string, 6> boxes = ReferenceBoxTexts(rows);
  const SweepInputs inputs = ReadInputs(boxes);
  if (CountSweepRows(inputs, rows) != rows) {
    state.SkipWithError("the reference sweep does not have the expected number of rows");
    return;
  }
  DiscardingBuffer buffer;
  NullPrintSink printSink;
  bool failed = false;
  MeasureAgainstFloors(
      state, {rows, 0},
      [&] {
        DiscardingView view(boxes, buffer);
        CalculateCommand(view, printSink, ".");
        failed = failed || view.Failed();
        benchmark::DoNotOptimize(buffer);
      },
      [&] {
        RunSweep(inputs, ".", [](const SweepRow& row) {
          SweepRow computed = row;
          benchmark::DoNotOptimize(computed);
        });
      },
      [&] {
        RunSweep(inputs, ".", [&](const SweepRow& row) { WriteToCharsFloor(row, buffer); });
        benchmark::DoNotOptimize(buffer);
      });
  if (failed) state.SkipWithError("the run did not complete");
}

}  // namespace

void RegisterSweepBenchmarks() {
  benchmark::RegisterBenchmark("Sweep/CalculateCommand", SweepFigure)
      ->Arg(10'000)
      ->Arg(1'000'000)
      ->UseManualTime()
      ->Unit(benchmark::kMillisecond);
}

}  // namespace dorvex::bench
