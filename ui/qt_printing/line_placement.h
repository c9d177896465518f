#pragma once

#include <functional>
#include <vector>

#include <QString>

#include "report/print_sink.h"

namespace dorvex {

// A text at its place on a row of paper, in device units from the left edge
// of the text area.
struct PlacedText {
  qreal x = 0;
  qreal width = 0;
  QString text;
};

// One row of paper; a printed line takes one row, or more when a tab had to
// continue on the next row.
using PlacedRow = std::vector<PlacedText>;

using TextWidth = std::function<qreal(const QString&)>;

// Places the items of a printed line with the tab rule of PrintSink: a tab
// moves to its column, counted from 1 in units of columnWidth, and when the
// texts already reach beyond that column the line continues at that column of
// the next row. A line always takes at least one row, even with nothing on it.
std::vector<PlacedRow> PlaceLine(const PrintLineItems& items, qreal columnWidth,
                                 const TextWidth& textWidth);

// Where the last text of a row ends; 0 for an empty row.
qreal RightEdge(const PlacedRow& row);

}  // namespace dorvex
