// dorvex-format-check: holds FormatNumber, with its fast path, to the exact
// method (std::to_chars with fifteen significant digits, then rounded to the
// pattern's decimals) for every pattern the program uses and for "." and ","
// as the decimal separator, over doubles drawn from the families that matter
// (value_families.h). It also holds the list line written straight from a row
// to ListLine(FormatRow(row)) for rows made of those doubles. Prints what it
// compared and every mismatch; exits 1 when there is one.
//
// usage: dorvex-format-check [--doubles N] [--seed S] [--threads T]
#include <array>
#include <chrono>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <iostream>
#include <random>
#include <stdexcept>
#include <string>
#include <string_view>
#include <thread>
#include <utility>
#include <vector>

#include "report/list_line_from_row.h"
#include "report/number_format.h"
#include "report/number_text.h"
#include "report/table_lines.h"
#include "tools/format_check/value_families.h"

namespace dorvex::format_check {
namespace {

constexpr std::array kPatterns = {kTwoDecimals, kTwoDecimalsNoLeadingZero, kEightDecimals,
                                  kEightDecimalsNoLeadingZero};
constexpr std::array<std::string_view, 2> kSeparators = {".", ","};
constexpr std::size_t kMismatchesShown = 20;

struct Options {
  std::uint64_t doubles = 100'000'000;
  std::uint64_t seed = 1;
  unsigned threads = 1;
};

struct FamilyTally {
  std::uint64_t doubles = 0;
  std::uint64_t comparisons = 0;
  std::uint64_t fastPath = 0;
  std::uint64_t mismatches = 0;
};

struct Tally {
  std::array<FamilyTally, kFamilies.size()> families{};
  std::uint64_t rows = 0;
  std::uint64_t rowMismatches = 0;
  std::vector<std::string> shown;

  void Show(std::string text) {
    if (shown.size() < kMismatchesShown) shown.push_back(std::move(text));
  }
  void Add(const Tally& other) {
    for (std::size_t i = 0; i < families.size(); ++i) {
      families[i].doubles += other.families[i].doubles;
      families[i].comparisons += other.families[i].comparisons;
      families[i].fastPath += other.families[i].fastPath;
      families[i].mismatches += other.families[i].mismatches;
    }
    rows += other.rows;
    rowMismatches += other.rowMismatches;
    for (const std::string& text : other.shown) Show(text);
  }
  std::uint64_t Mismatches() const {
    std::uint64_t total = rowMismatches;
    for (const FamilyTally& family : families) total += family.mismatches;
    return total;
  }
};

std::string Describe(double value) {
  char text[64];
  std::snprintf(text, sizeof text, "%.17g (%a)", value, value);
  return text;
}

bool ThrowsInvalidArgument(double value, std::string_view pattern, std::string_view separator) {
  try {
    FormatNumber(value, pattern, separator);
  } catch (const std::invalid_argument&) {
    return true;
  }
  return false;
}

void CheckNumber(double value, FamilyTally& family, Tally& tally) {
  ++family.doubles;
  std::string exact;
  for (const std::string_view pattern : kPatterns) {
    const NumberShape shape = ShapeOf(pattern);
    for (const std::string_view separator : kSeparators) {
      ++family.comparisons;
      if (!std::isfinite(value)) {
        // Never rendered: FormatNumber refuses them instead of writing garbage.
        if (!ThrowsInvalidArgument(value, pattern, separator)) {
          ++family.mismatches;
          tally.Show(Describe(value) + " " + std::string(pattern) + ": no error");
        }
        continue;
      }
      char buffer[kMaxFastTextLength];
      if (WriteNumberFast(buffer + sizeof buffer, value, shape, separator) != nullptr) {
        ++family.fastPath;
      }
      const std::string fast = FormatNumber(value, pattern, separator);
      exact.clear();
      AppendNumberExact(exact, value, shape, separator);
      if (fast != exact) {
        ++family.mismatches;
        tally.Show(Describe(value) + " " + std::string(pattern) + " '" + std::string(separator) +
                   "': fast " + fast + ", exact " + exact);
      }
    }
  }
}

void CheckRow(const SweepRow& row, Tally& tally) {
  for (const double value : {row.ph, row.solubilityMg, row.precipitateMg, row.dissolvedCaMg,
                             row.carbonateMgC}) {
    if (!std::isfinite(value)) return;
  }
  std::string line;
  for (const std::string_view separator : kSeparators) {
    ++tally.rows;
    AssignListLine(line, row, separator);
    const std::string expected = ListLine(FormatRow(row, separator).screen);
    if (line != expected) {
      ++tally.rowMismatches;
      tally.Show("row with pH " + Describe(row.ph) + ": direct '" + line + "', expected '" +
                 expected + "'");
    }
  }
}

Tally CheckPart(std::uint64_t first, std::uint64_t count, std::uint64_t seed) {
  std::mt19937_64 random(seed);
  Tally tally;
  std::array<double, 5> recent{};
  for (std::uint64_t i = first; i < first + count; ++i) {
    const std::size_t familyIndex = i % kFamilies.size();
    const double value = Draw(kFamilies[familyIndex], random);
    CheckNumber(value, tally.families[familyIndex], tally);
    recent[i % recent.size()] = value;
    if (i % recent.size() == recent.size() - 1) {
      SweepRow row;
      row.ph = recent[0];
      row.solubilityMg = recent[1];
      row.precipitateMg = recent[2];
      row.dissolvedCaMg = recent[3];
      row.carbonateMgC = recent[4];
      CheckRow(row, tally);
    }
  }
  return tally;
}

bool ReadOptions(int argc, char** argv, Options& options) {
  for (int i = 1; i < argc; ++i) {
    const std::string_view name = argv[i];
    if (i + 1 >= argc) return false;
    const std::uint64_t value = std::stoull(argv[++i]);
    if (name == "--doubles") {
      options.doubles = value;
    } else if (name == "--seed") {
      options.seed = value;
    } else if (name == "--threads" && value > 0) {
      options.threads = static_cast<unsigned>(value);
    } else {
      return false;
    }
  }
  return true;
}

void Report(const Options& options, const Tally& tally, double seconds) {
  std::printf("dorvex-format-check: %llu doubles, seed %llu, %u thread(s), %zu patterns x %zu "
              "separators\n\n",
              static_cast<unsigned long long>(options.doubles),
              static_cast<unsigned long long>(options.seed), options.threads, kPatterns.size(),
              kSeparators.size());
  std::printf("%-32s %12s %13s %10s %11s\n", "family", "doubles", "comparisons", "fast path",
              "mismatches");
  FamilyTally total;
  for (std::size_t i = 0; i < kFamilies.size(); ++i) {
    const FamilyTally& family = tally.families[i];
    std::printf("%-32s %12llu %13llu %9.1f%% %11llu\n",
                std::string(FamilyName(kFamilies[i])).c_str(),
                static_cast<unsigned long long>(family.doubles),
                static_cast<unsigned long long>(family.comparisons),
                100.0 * static_cast<double>(family.fastPath) /
                    static_cast<double>(family.comparisons ? family.comparisons : 1),
                static_cast<unsigned long long>(family.mismatches));
    total.doubles += family.doubles;
    total.comparisons += family.comparisons;
    total.fastPath += family.fastPath;
    total.mismatches += family.mismatches;
  }
  std::printf("%-32s %12llu %13llu %9.1f%% %11llu\n", "all",
              static_cast<unsigned long long>(total.doubles),
              static_cast<unsigned long long>(total.comparisons),
              100.0 * static_cast<double>(total.fastPath) /
                  static_cast<double>(total.comparisons ? total.comparisons : 1),
              static_cast<unsigned long long>(total.mismatches));
  std::printf("\nlist lines written from rows: %llu compared, %llu mismatches\n",
              static_cast<unsigned long long>(tally.rows),
              static_cast<unsigned long long>(tally.rowMismatches));
  for (const std::string& text : tally.shown) std::printf("MISMATCH %s\n", text.c_str());
  std::printf("\nmismatches: %llu\ntime: %.1f s\n",
              static_cast<unsigned long long>(tally.Mismatches()), seconds);
}

}  // namespace
}  // namespace dorvex::format_check

int main(int argc, char** argv) {
  using namespace dorvex::format_check;
  Options options;
  try {
    if (!ReadOptions(argc, argv, options)) throw std::invalid_argument("bad option");
  } catch (const std::exception&) {
    std::cerr << "usage: dorvex-format-check [--doubles N] [--seed S] [--threads T]\n";
    return 2;
  }

  const auto start = std::chrono::steady_clock::now();
  std::vector<Tally> parts(options.threads);
  std::vector<std::thread> workers;
  const std::uint64_t share = options.doubles / options.threads;
  for (unsigned t = 0; t < options.threads; ++t) {
    const std::uint64_t first = t * share;
    const std::uint64_t count = t + 1 == options.threads ? options.doubles - first : share;
    workers.emplace_back([&parts, t, first, count, &options] {
      parts[t] = CheckPart(first, count, options.seed * 1'000'003 + t);
    });
  }
  for (std::thread& worker : workers) worker.join();
  Tally tally;
  for (const Tally& part : parts) tally.Add(part);
  const double seconds =
      std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();

  Report(options, tally, seconds);
  return tally.Mismatches() == 0 ? 0 : 1;
}
