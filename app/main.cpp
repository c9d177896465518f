// dorvex: the calculator's window. It takes no arguments, reads no files and
// keeps no settings; closing the window ends the program.
#include <QApplication>

#include "ui/qt_printing/qt_print_sink.h"
#include "ui/qt_window/main_window.h"

int main(int argc, char** argv) {
  QApplication application(argc, argv);
  dorvex::QtPrintSink printSink;
  dorvex::MainWindow window(printSink);
  window.Start();
  return application.exec();
}
