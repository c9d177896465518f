#include "ui/qt_window/result_list_model.h"

#include <QString>

#include <algorithm>

namespace dorvex {
namespace {

constexpr std::size_t kChunkBytes = std::size_t{1} << 20;

}  // namespace

int ResultListModel::rowCount(const QModelIndex& parent) const {
  return parent.isValid() ? 0 : static_cast<int>(announcedLines_);
}

QVariant ResultListModel::data(const QModelIndex& index, int role) const {
  if (role != Qt::DisplayRole || !checkIndex(index, CheckIndexOption::IndexIsValid)) return {};
  const std::string_view line = Line(static_cast<std::size_t>(index.row()));
  return QString::fromUtf8(line.data(), static_cast<qsizetype>(line.size()));
}

void ResultListModel::Append(std::string_view line) {
  if (chunks_.empty() || chunks_.back().capacity() - chunks_.back().size() < line.size()) {
    chunkStarts_.push_back(TextSize());
    chunks_.emplace_back().reserve(std::max(kChunkBytes, line.size()));
  }
  chunks_.back().append(line);
  lineEnds_.push_back(TextSize() + line.size());
}

void ResultListModel::AnnounceAppended() {
  if (announcedLines_ == lineEnds_.size()) return;
  beginInsertRows(QModelIndex(), static_cast<int>(announcedLines_),
                  static_cast<int>(lineEnds_.size() - 1));
  announcedLines_ = lineEnds_.size();
  endInsertRows();
}

void ResultListModel::Clear() {
  beginResetModel();
  // Give the memory back too: after a large run the list may have held
  // a hundred megabytes.
  chunks_ = {};
  chunkStarts_ = {};
  lineEnds_ = {};
  announcedLines_ = 0;
  endResetModel();
}

// A line never spans two chunks, so it lies in the last chunk that begins at
// or before the line's beginning.
std::string_view ResultListModel::Line(std::size_t row) const {
  const std::size_t begin = row == 0 ? 0 : lineEnds_[row - 1];
  const auto chunkAfter = std::upper_bound(chunkStarts_.begin(), chunkStarts_.end(), begin);
  const auto chunk = static_cast<std::size_t>(chunkAfter - chunkStarts_.begin()) - 1;
  return std::string_view(chunks_[chunk]).substr(begin - chunkStarts_[chunk], lineEnds_[row] - begin);
}

}  // namespace dorvex
