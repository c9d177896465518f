#include "ui/qt_window/result_list_view.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QStringList>

#include <algorithm>
#include <utility>
#include <vector>

namespace dorvex {
namespace {

using RowRange = std::pair<int, int>;  // first and last row, inclusive

// A selection is a list of ranges in the order the user made them, and they
// may overlap; sorted and merged they give each row once, top to bottom,
// without listing a million indexes one by one.
std::vector<RowRange> MergedRowRanges(const QItemSelection& selection) {
  std::vector<RowRange> ranges;
  ranges.reserve(static_cast<std::size_t>(selection.size()));
  for (const QItemSelectionRange& range : selection) ranges.emplace_back(range.top(), range.bottom());
  std::sort(ranges.begin(), ranges.end());
  std::vector<RowRange> merged;
  for (const RowRange& range : ranges) {
    if (!merged.empty() && range.first <= merged.back().second + 1) {
      merged.back().second = std::max(merged.back().second, range.second);
    } else {
      merged.push_back(range);
    }
  }
  return merged;
}

}  // namespace

ResultListView::ResultListView(QWidget* parent) : QListView(parent) {
  setSelectionMode(QAbstractItemView::ExtendedSelection);
  setEditTriggers(QAbstractItemView::NoEditTriggers);
  // Every line has the same height, so the list never measures more than
  // one of them, however many there are.
  setUniformItemSizes(true);
}

QString ResultListView::SelectedLines() const {
  QStringList lines;
  for (const auto& [first, last] : MergedRowRanges(selectionModel()->selection())) {
    for (int row = first; row <= last; ++row) {
      lines.append(model()->index(row, 0).data(Qt::DisplayRole).toString());
    }
  }
  return lines.join(QLatin1Char('\n'));
}

void ResultListView::keyPressEvent(QKeyEvent* event) {
  if (event->matches(QKeySequence::Copy)) {
    // With nothing selected the clipboard keeps what the user put there.
    if (selectionModel()->hasSelection()) QGuiApplication::clipboard()->setText(SelectedLines());
    event->accept();
    return;
  }
  QListView::keyPressEvent(event);
}

}  // namespace dorvex
