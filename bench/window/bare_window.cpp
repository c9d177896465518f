// The yardstick for the start-up time: the least a Qt Widgets program does to
// show a window, one label in it.
#include <QApplication>
#include <QLabel>

int main(int argc, char** argv) {
  QApplication application(argc, argv);
  QLabel label(QStringLiteral("Dorvex"));
  label.setWindowTitle(QStringLiteral("Bare window"));
  label.show();
  return application.exec();
}
