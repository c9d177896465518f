#include "ui/qt_window/result_list_model.h"

#include <QSignalSpy>
#include <QTest>

#include <string>
#include <vector>

namespace dorvex {

class ResultListModelTest : public QObject {
  Q_OBJECT

 private slots:
  void linesComeBackExactlyAcrossChunks();
  void viewsLearnOfLinesOnlyWhenAnnounced();
  void clearDropsAnnouncedAndPendingLines();

 private:
  static QString Shown(const ResultListModel& model, int row) {
    return model.index(row, 0).data(Qt::DisplayRole).toString();
  }
};

// Several megabytes of lines of many lengths, empty ones and one longer than
// a whole chunk among them, so that lines end at, just before and just after
// the places where the text is cut.
void ResultListModelTest::linesComeBackExactlyAcrossChunks() {
  std::vector<std::string> lines;
  for (int i = 0; i < 60'000; ++i) {
    std::string line = (i % 2 == 0 ? "溶解度" : "") + std::to_string(i);
    line.append(static_cast<std::size_t>(i % 97), '.');
    if (i % 1000 == 0) line.clear();
    lines.push_back(line);
    if (i == 30'000) lines.push_back(std::string(3'000'000, 'x'));
  }
  ResultListModel model;
  for (const std::string& line : lines) model.Append(line);
  model.AnnounceAppended();

  QCOMPARE(model.rowCount(), static_cast<int>(lines.size()));
  for (std::size_t row = 0; row < lines.size(); ++row) {
    if (Shown(model, static_cast<int>(row)) != QString::fromStdString(lines[row])) {
      QFAIL(qPrintable(QString("row %1 differs").arg(row)));
    }
  }
  QVERIFY(!model.index(0, 0).data(Qt::EditRole).isValid());
}

void ResultListModelTest::viewsLearnOfLinesOnlyWhenAnnounced() {
  ResultListModel model;
  QSignalSpy inserted(&model, &QAbstractItemModel::rowsInserted);
  model.Append("first");
  model.Append("second");
  QCOMPARE(model.rowCount(), 0);
  QCOMPARE(inserted.size(), 0);

  model.AnnounceAppended();
  model.AnnounceAppended();  // nothing new: no announcement
  model.Append("third");
  model.AnnounceAppended();
  QCOMPARE(inserted.size(), 2);
  QCOMPARE(inserted[0][1].toInt(), 0);
  QCOMPARE(inserted[0][2].toInt(), 1);
  QCOMPARE(inserted[1][1].toInt(), 2);
  QCOMPARE(inserted[1][2].toInt(), 2);
  QCOMPARE(Shown(model, 2), QString("third"));
}

void ResultListModelTest::clearDropsAnnouncedAndPendingLines() {
  ResultListModel model;
  model.Append("shown");
  model.AnnounceAppended();
  model.Append("pending");
  model.Clear();
  QCOMPARE(model.rowCount(), 0);

  model.Append("after");
  model.AnnounceAppended();
  QCOMPARE(model.rowCount(), 1);
  QCOMPARE(Shown(model, 0), QString("after"));
}

}  // namespace dorvex

QTEST_GUILESS_MAIN(dorvex::ResultListModelTest)
#include "result_list_model_test.moc"
