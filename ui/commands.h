#pragma once

#include <string_view>

#include "report/print_sink.h"
#include "ui/window_view.h"

namespace dorvex {

enum class RunOutcome {
  Completed,
  Ignored,  // an input box was empty; nothing changed
  Failed,   // a calculation or printing failure, reported through the view
  Refused,  // refused before its first row, reported through the view
};

// Reads the six input boxes, shows the derived totals, appends one line per
// pH to the result list and prints the report when asked. A failure stops the
// run where it happened, but never costs the user a line: what was appended
// stays, the print document is ended so the paper holds what the list holds,
// and the window is left ready for the next run.
RunOutcome CalculateCommand(WindowView& view, PrintSink& printSink,
                            std::string_view decimalSeparator);

void ClearCommand(WindowView& view);

}  // namespace dorvex
