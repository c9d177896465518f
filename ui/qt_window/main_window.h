#pragma once

#include <QWidget>

#include "report/print_sink.h"
#include "ui/qt_window/qt_window_view.h"
#include "ui/qt_window/window_controls.h"

namespace dorvex {

class ResultListModel;

// The program's only window (Form1): the input boxes, the display boxes, the
// result list, the print check box and the two command buttons. Calculate
// runs the sweep with printSink as its printer; closing the window ends the
// program.
class MainWindow final : public QWidget {
 public:
  explicit MainWindow(PrintSink& printSink, QWidget* parent = nullptr);

  // Centres the window on its screen, shows it, puts the keyboard focus into
  // the Ksp box and disables the display boxes, in that order.
  void Start();

 private:
  void CentreOnScreen();
  void Calculate();

  PrintSink& printSink_;
  ResultListModel& results_;
  WindowControls controls_;
  QtWindowView view_;
};

}  // namespace dorvex
