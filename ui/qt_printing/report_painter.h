#pragma once

#include <vector>

#include <QPrinter>

#include "report/print_sink.h"

namespace dorvex {

// What the three set-up values of a run mean on paper.
struct PageSetup {
  // A: the font size in points; one that is no size at all (zero, negative,
  // not a number) prints at 12. The size shrinks below it when the widest
  // line would not fit across the paper, so that every line comes out whole.
  float fontPoints = 12;
  // B: a margin in tenths of a millimetre added to the left edge of the
  // printer's printable area ...
  float leftMarginTenthsMm = 0;
  // C: ... and one added to its top edge. Each margin takes at most a quarter
  // of the printable area; a negative one counts as none.
  float topMarginTenthsMm = 0;
};

// Paints the lines on the printer, a new page whenever the next row would not
// fit, and ends the print job. Throws PrintError when the printer cannot
// start or finish the job.
void PaintReport(QPrinter& printer, const std::vector<PrintLineItems>& lines,
                 const PageSetup& setup);

}  // namespace dorvex
