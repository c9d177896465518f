#pragma once

#include <benchmark/benchmark.h>

#include <chrono>
#include <cstddef>

namespace dorvex::bench {

// How much work one pass of a benchmark does.
struct PassSize {
  std::size_t rows = 0;
  std::size_t numbers = 0;  // numbers formatted, for figures of single numbers; else 0
};

// Times a figure and the two floors in turns, each pass over the same rows:
// the floor of bare arithmetic (ComputePoint) and the floor of that
// arithmetic plus the five numbers of each row rendered by std::to_chars. On
// a shared machine the load then weighs on all three alike, and the ratios
// hold where absolute times drift. The benchmark's own time is the figure's;
// the counters give it per row and per second, and as multiples of each
// floor ("x_arith", "x_to_chars"). A figure of single numbers also gets
// "x_to_chars_number": its time per number against the to_chars share of the
// floor, (to_chars floor - arithmetic floor) / 5 per row.
template <class Figure, class ArithmeticFloor, class ToCharsFloor>
void MeasureAgainstFloors(benchmark::State& state, PassSize size, Figure&& figure,
                          ArithmeticFloor&& arithmeticFloor, ToCharsFloor&& toCharsFloor) {
  using Clock = std::chrono::steady_clock;
  auto timed = [](auto& pass) {
    const auto start = Clock::now();
    pass();
    return std::chrono::duration<double>(Clock::now() - start).count();
  };
  double figureSeconds = 0;
  double arithmeticSeconds = 0;
  double toCharsSeconds = 0;
  for (auto _ : state) {
    const double seconds = timed(figure);
    state.SetIterationTime(seconds);
    figureSeconds += seconds;
    arithmeticSeconds += timed(arithmeticFloor);
    toCharsSeconds += timed(toCharsFloor);
  }
  const double passes = static_cast<double>(state.iterations());
  const double rows = passes * static_cast<double>(size.rows);
  state.counters["rows_per_s"] = rows / figureSeconds;
  state.counters["ns_per_row"] = 1e9 * figureSeconds / rows;
  state.counters["x_arith"] = figureSeconds / arithmeticSeconds;
  state.counters["x_to_chars"] = figureSeconds / toCharsSeconds;
  if (size.numbers > 0) {
    const double numbers = passes * static_cast<double>(size.numbers);
    const double toCharsPerNumber = (toCharsSeconds - arithmeticSeconds) / (5 * rows);
    state.counters["ns_per_number"] = 1e9 * figureSeconds / numbers;
    state.counters["x_to_chars_number"] = figureSeconds / numbers / toCharsPerNumber;
  }
}

}  // namespace dorvex::bench
