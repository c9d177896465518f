// How the real window takes a large run: from the click on 計算 to the last
// line shown in the list, the resident memory each line costs, and paging
// through the list. Medians of a few repetitions, each in a fresh window.
//
//   dorvex-window-benchmark [REPETITIONS]
#include <QApplication>
#include <QElapsedTimer>
#include <QLineEdit>
#include <QListView>
#include <QPushButton>
#include <QScrollBar>
#include <QTest>

#include <algorithm>
#include <cstdio>
#include <optional>
#include <vector>

#include "core/sweep.h"
#include "tests/support/resident_memory.h"
#include "ui/qt_window/main_window.h"

namespace {

using namespace dorvex;

class DiscardingPrintSink final : public PrintSink {
 public:
  void ApplySetting(PrintSetting, float) override {}
  void PrintLine(const PrintLineItems&) override {}
  void EndDocument() override {}
};

using testing_support::ResidentBytes;

double Median(std::vector<double> values) {
  std::sort(values.begin(), values.end());
  return values[values.size() / 2];
}

struct Measurement {
  double clickToLastLineSeconds = 0;
  double bytesPerLine = 0;
  double pageMilliseconds = 0;
};

// The inputs of a run: pH 12 down to phMin in steps of 0.00001.
Measurement MeasureRun(const char* phMin, std::uint64_t expectedRows) {
  DiscardingPrintSink sink;
  MainWindow window(sink);
  window.Start();
  if (!QTest::qWaitForWindowExposed(&window)) qFatal("the window was not shown");
  const char* inputs[] = {"4.7E-9", "0.001", "0.001", phMin, "12", "0.00001"};
  for (int box = 0; box < 6; ++box) {
    window.findChild<QLineEdit*>(QStringLiteral("Text%1").arg(box + 1))->setText(inputs[box]);
  }
  auto* list = window.findChild<QListView*>(QStringLiteral("List1"));
  auto* calculate = window.findChild<QPushButton*>(QStringLiteral("Command1"));
  QApplication::processEvents();

  const long long before = ResidentBytes().value_or(0);
  QElapsedTimer timer;
  timer.start();
  calculate->click();
  // What a user would see next: the list laid out and drawn at its end.
  list->scrollToBottom();
  QApplication::processEvents();
  list->viewport()->repaint();
  Measurement measurement;
  measurement.clickToLastLineSeconds = timer.nsecsElapsed() / 1e9;
  const long long after = ResidentBytes().value_or(0);

  const int rows = list->model()->rowCount();
  if (static_cast<std::uint64_t>(rows) != expectedRows) {
    qFatal("%d rows instead of %llu", rows, static_cast<unsigned long long>(expectedRows));
  }
  const QRect lastLine = list->visualRect(list->model()->index(rows - 1, 0));
  if (!list->viewport()->rect().contains(lastLine)) qFatal("the last line is not shown");
  measurement.bytesPerLine = static_cast<double>(after - before) / rows;

  // Paging up from the end, each page drawn before the next.
  list->setFocus();
  constexpr int kPages = 200;
  timer.restart();
  for (int page = 0; page < kPages; ++page) {
    QTest::keyClick(list, Qt::Key_PageUp);
    list->viewport()->repaint();
  }
  measurement.pageMilliseconds = timer.nsecsElapsed() / 1e6 / kPages;
  return measurement;
}

void Report(const char* name, const char* phMin, std::uint64_t rows, int repetitions) {
  std::vector<double> seconds, bytes, paging;
  for (int i = 0; i < repetitions; ++i) {
    const Measurement m = MeasureRun(phMin, rows);
    seconds.push_back(m.clickToLastLineSeconds);
    bytes.push_back(m.bytesPerLine);
    paging.push_back(m.pageMilliseconds);
  }
  std::printf("%-10s %9llu rows  click to last line shown %8.1f ms  (%.0f rows/s)  "
              "resident memory %5.1f bytes/line  one page %.2f ms\n",
              name, static_cast<unsigned long long>(rows), Median(seconds) * 1e3,
              rows / Median(seconds), Median(bytes), Median(paging));
}

}  // namespace

int main(int argc, char** argv) {
  QApplication application(argc, argv);
  const int repetitions = argc > 1 ? std::max(1, std::atoi(argv[1])) : 5;
  const auto rowsFor = [](double phMin) {
    return CountSweepRows({"", 0, 0, phMin, 12, 0.00001}, kMaxRunRows);
  };
  // Half a step below the last value, so that the drift of the additions
  // cannot decide the count.
  Report("10^4", "11.900005", rowsFor(11.900005), repetitions);
  Report("10^6", "2.000005", rowsFor(2.000005), repetitions);
  return 0;
}
