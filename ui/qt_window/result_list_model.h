#pragma once

#include <QAbstractListModel>

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

namespace dorvex {

// The lines of the result list. A run may append a million lines, so they are
// kept back to back as UTF-8 and turned into a QString only when a view asks
// for one it shows. Views learn of appended lines in one batch when
// AnnounceAppended is called: announcing each line on its own would have the
// list lay itself out a million times.
class ResultListModel final : public QAbstractListModel {
  Q_OBJECT

 public:
  using QAbstractListModel::QAbstractListModel;

  // The announced lines only: that is what a view may show.
  int rowCount(const QModelIndex& parent = QModelIndex()) const override;
  QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;

  void Append(std::string_view line);
  void AnnounceAppended();
  void Clear();

 private:
  std::size_t TextSize() const { return lineEnds_.empty() ? 0 : lineEnds_.back(); }
  std::string_view Line(std::size_t row) const;

  // The text of all lines, cut into chunks of about a megabyte between lines:
  // one buffer would be copied whole each time it grows, which for a million
  // lines takes longer than making them.
  std::vector<std::string> chunks_;
  std::vector<std::size_t> chunkStarts_;  // where each chunk begins in the text
  std::vector<std::size_t> lineEnds_;     // where each line ends in the text
  std::size_t announcedLines_ = 0;
};

}  // namespace dorvex
