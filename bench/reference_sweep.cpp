#include "bench/reference_sweep.h"

#include <stdexcept>

#include "core/parse_number.h"

namespace dorvex::bench {

std::array<std::string, 6> ReferenceBoxTexts(std::uint64_t rows) {
  // The lowest pH is the last value of the walk, 12 - (rows - 1) * 0.00001.
  std::string phMin;
  if (rows == 10'000) {
    phMin = "11.90001";
  } else if (rows == 1'000'000) {
    phMin = "2.00001";
  } else {
    throw std::invalid_argument("no reference sweep of that many rows");
  }
  return {"4.7E-9", "0.001", "0.001", phMin, "12", "0.00001"};
}

SweepInputs ReadInputs(const std::array<std::string, 6>& texts) {
  SweepInputs inputs;
  inputs.kspText = texts[0];
  inputs.totalCarbonate = ParseNumber(texts[1], ".");
  inputs.totalCalcium = ParseNumber(texts[2], ".");
  inputs.phMin = ParseNumber(texts[3], ".");
  inputs.phMax = ParseNumber(texts[4], ".");
  inputs.phStep = ParseNumber(texts[5], ".");
  return inputs;
}

std::vector<SweepRow> SampleRows(std::size_t count) {
  const SweepInputs inputs = ReadInputs(ReferenceBoxTexts(1'000'000));
  const std::uint64_t total = CountSweepRows(inputs, 1'000'000);
  const std::uint64_t stride = total / count;
  std::vector<SweepRow> rows;
  rows.reserve(count);
  std::uint64_t index = 0;
  WalkPh(inputs.phMax, inputs.phMin, inputs.phStep, [&](double ph) {
    if (index++ % stride == 0) {
      rows.push_back(
          ComputePoint(inputs.kspText, inputs.totalCarbonate, inputs.totalCalcium, ph, "."));
    }
    return rows.size() < count;
  });
  return rows;
}

}  // namespace dorvex::bench
