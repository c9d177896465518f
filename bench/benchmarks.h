#pragma once

namespace dorvex::bench {

void RegisterRowBenchmarks();
void RegisterSweepBenchmarks();

}  // namespace dorvex::bench
