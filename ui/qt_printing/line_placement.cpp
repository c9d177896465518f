#include "ui/qt_printing/line_placement.h"

#include <algorithm>

namespace dorvex {
namespace {

// Measured advances carry rounding noise, so a text that ends exactly at the
// next tab's column must not count as beyond it.
constexpr qreal kColumnTolerance = 1e-3;

}  // namespace

std::vector<PlacedRow> PlaceLine(const PrintLineItems& items, qreal columnWidth,
                                 const TextWidth& textWidth) {
  std::vector<PlacedRow> rows(1);
  qreal position = 0;
  for (const PrintItem& item : items) {
    if (const auto* tab = std::get_if<PrintTab>(&item)) {
      const qreal target = std::max(tab->column - 1, 0) * columnWidth;
      if (position > target + kColumnTolerance * columnWidth) rows.emplace_back();
      position = target;
      continue;
    }
    const QString text = QString::fromStdString(std::get<std::string>(item));
    if (text.isEmpty()) continue;
    const qreal width = textWidth(text);
    rows.back().push_back({position, width, text});
    position += width;
  }
  return rows;
}

qreal RightEdge(const PlacedRow& row) {
  return row.empty() ? 0 : row.back().x + row.back().width;
}

}  // namespace dorvex
