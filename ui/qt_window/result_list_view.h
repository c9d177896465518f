#pragma once

#include <QListView>

namespace dorvex {

// The result list: lines are selected as in any list (Ctrl+A selects all),
// and Ctrl+C copies every selected line, not only the current one as a plain
// list view would, one line per row in list order, exactly as shown.
class ResultListView final : public QListView {
  Q_OBJECT

 public:
  explicit ResultListView(QWidget* parent = nullptr);

 protected:
  void keyPressEvent(QKeyEvent* event) override;

 private:
  QString SelectedLines() const;
};

}  // namespace dorvex
