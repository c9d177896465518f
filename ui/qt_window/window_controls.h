#pragma once

#include "ui/qt_window/qt_window_view.h"

class QCheckBox;
class QPushButton;
class QWidget;

namespace dorvex {

class ResultListView;

// The controls the window's code works with, created by BuildWindow.
struct WindowControls {
  QtWindowView::Boxes boxes{};
  QCheckBox* printCheck = nullptr;
  QPushButton* calculateButton = nullptr;
  QPushButton* clearButton = nullptr;
  ResultListView* resultList = nullptr;
};

// Makes window the program's form: its caption, fixed client size and
// background, and every control of the layout as its child, each with its
// name, caption, place, colours and font, in keyboard tab order.
WindowControls BuildWindow(QWidget& window);

}  // namespace dorvex
