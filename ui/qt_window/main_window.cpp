#include "ui/qt_window/main_window.h"

#include <QLineEdit>
#include <QLocale>
#include <QPushButton>
#include <QScreen>
#include <QWindow>

#include "ui/commands.h"
#include "ui/qt_window/result_list_model.h"
#include "ui/qt_window/result_list_view.h"

namespace dorvex {

MainWindow::MainWindow(PrintSink& printSink, QWidget* parent)
    : QWidget(parent),
      printSink_(printSink),
      results_(*new ResultListModel(this)),
      controls_(BuildWindow(*this)),
      view_(controls_.boxes, *controls_.printCheck, results_, *this) {
  controls_.resultList->setModel(&results_);
  connect(controls_.calculateButton, &QPushButton::clicked, this, &MainWindow::Calculate);
  connect(controls_.clearButton, &QPushButton::clicked, this, [this] { ClearCommand(view_); });
}

void MainWindow::Start() {
  CentreOnScreen();
  show();
  controls_.boxes[static_cast<std::size_t>(BoxName::Text1)]->setFocus();
  view_.SetBoxEnabled(BoxName::Text7, false);
  view_.SetBoxEnabled(BoxName::Text8, false);
}

// Centred by the outer size, frame included. The native window is created
// first because only then can the window system tell the frame it will add;
// one that frames a window only when it is first shown (X11) reports no frame
// yet, and the window lands off centre by half the frame.
void MainWindow::CentreOnScreen() {
  create();
  const QSize outerSize = size().grownBy(windowHandle()->frameMargins());
  const QRect screenArea = screen()->geometry();
  move(screenArea.x() + (screenArea.width() - outerSize.width()) / 2,
       screenArea.y() + (screenArea.height() - outerSize.height()) / 2);
}

void MainWindow::Calculate() {
  // Read at every click: the user may change the number settings while the
  // program runs.
  const std::string decimalSeparator = QLocale::system().decimalPoint().toStdString();
  CalculateCommand(view_, printSink_, decimalSeparator);
  view_.ShowAppendedLines();
}

}  // namespace dorvex
