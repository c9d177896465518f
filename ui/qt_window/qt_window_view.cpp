#include "ui/qt_window/qt_window_view.h"

#include <QCheckBox>
#include <QLineEdit>
#include <QMessageBox>
#include <QString>

#include "ui/problem_message.h"
#include "ui/qt_window/result_list_model.h"
#include "ui/qt_window/window_layout.h"

namespace dorvex {

QtWindowView::QtWindowView(const Boxes& boxes, QCheckBox& printCheck, ResultListModel& results,
                           QWidget& window)
    : boxes_(boxes), printCheck_(printCheck), results_(results), window_(window) {}

std::string QtWindowView::BoxText(BoxName box) const {
  return Box(box).text().toStdString();
}

void QtWindowView::SetBoxText(BoxName box, const std::string& text) {
  Box(box).setText(QString::fromStdString(text));
}

void QtWindowView::SetBoxEnabled(BoxName box, bool enabled) { Box(box).setEnabled(enabled); }

bool QtWindowView::PrintSelected() const { return printCheck_.isChecked(); }

void QtWindowView::AppendResultLine(const std::string& line) { results_.Append(line); }

void QtWindowView::ClearResults() { results_.Clear(); }

void QtWindowView::ReportProblem(const RunProblem& problem) {
  // The user judges the message by the lines the run got to show.
  ShowAppendedLines();
  QMessageBox box(QMessageBox::Warning, QString::fromUtf8(kWindowCaption),
                  QString::fromStdString(ProblemMessage(problem)), QMessageBox::Ok, &window_);
  box.exec();
}

void QtWindowView::ShowAppendedLines() { results_.AnnounceAppended(); }

QLineEdit& QtWindowView::Box(BoxName box) const {
  return *boxes_[static_cast<std::size_t>(box)];
}

}  // namespace dorvex
