#include <benchmark/benchmark.h>

#include "bench/benchmarks.h"

int main(int argc, char** argv) {
  dorvex::bench::RegisterRowBenchmarks();
  dorvex::bench::RegisterSweepBenchmarks();
  benchmark::Initialize(&argc, argv);
  if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  return 0;
}
