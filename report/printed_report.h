#pragma once

#include <string>

#include "report/derived_displays.h"
#include "report/print_sink.h"
#include "report/table_lines.h"

namespace dorvex {

// What the report's parameter block shows: three boxes' texts exactly as the
// user typed them, and the two derived totals.
struct ReportParameters {
  std::string kspText;
  std::string totalCarbonateText;
  std::string totalCalciumText;
  DerivedDisplays derived;
};

// Every run, printed or not, starts with the set-up value A = 12 ...
void BeginRun(PrintSink& sink);
// ... prints the parameter block and the column headers when printing is on ...
void PrintHeader(PrintSink& sink, const ReportParameters& parameters);
// ... one line per row ...
void PrintResultRow(PrintSink& sink, const RowTexts& print);
// ... and ends the document.
void EndRun(PrintSink& sink);

}  // namespace dorvex
