// The real main window under the offscreen platform, driven as a user would
// drive it: typing into the boxes, Tab, clicks, Ctrl+A and Ctrl+C.
#include <QAbstractItemModel>
#include <QApplication>
#include <QCheckBox>
#include <QClipboard>
#include <QColor>
#include <QFontDatabase>
#include <QFontMetrics>
#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QLocale>
#include <QMenuBar>
#include <QMessageBox>
#include <QPushButton>
#include <QRawFont>
#include <QScreen>
#include <QSignalSpy>
#include <QTest>
#include <QTimer>

#include <array>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "ui/problem_message.h"
#include "tests/support/example_run.h"
#include "tests/support/resident_memory.h"
#include "ui/qt_window/main_window.h"

namespace dorvex {
namespace {

// Records what a run sends to the printer, and fails when told to, as a
// printer that is gone would.
class RecordingPrintSink final : public PrintSink {
 public:
  void ApplySetting(PrintSetting, float) override {}
  void PrintLine(const PrintLineItems& items) override {
    if (failure) throw PrintError(*failure);
    lines.push_back(items);
  }
  void EndDocument() override { ++documentsEnded; }

  std::vector<PrintLineItems> lines;
  int documentsEnded = 0;
  std::optional<std::string> failure;
};

const char* const kPrinterGone = "プリンターがありません。";

const QColor kGrey(224, 224, 224);
const QColor kBlue(0, 0, 192);

template <class Strings>
QStringList ToQStrings(const Strings& texts) {
  QStringList list;
  for (const std::string& text : texts) list.append(QString::fromStdString(text));
  return list;
}

const QStringList kExampleInputs = ToQStrings(testing_support::kExampleInputs);
const QStringList kExampleLines = ToQStrings(testing_support::kExampleLines);

// Numbers are typed and shown with the decimal separator of the user's
// number settings; the same tests run under a decimal-comma locale.
QString Localised(QString text) {
  return text.replace(QLatin1Char('.'), QLocale::system().decimalPoint());
}

QStringList Localised(QStringList lines) {
  for (QString& line : lines) line = Localised(line);
  return lines;
}

struct SeenMessageBox {
  QString title;
  QString text;
  QMessageBox::Icon icon = QMessageBox::NoIcon;
  int linesShown = 0;  // lines in the list while the box was up
};

void AddControl(const char* name, const char* kind, const char* caption, QRect geometry,
                QColor background, QColor textColour, bool fixedPitch) {
  QTest::newRow(name) << QString(kind) << QString::fromUtf8(caption) << geometry << background
                      << textColour << fixedPitch;
}

}  // namespace

class MainWindowTest : public QObject {
  Q_OBJECT

 private slots:
  void initTestCase();
  void init();
  void cleanup();

  void layout_data();
  void layout();
  void windowFrame();
  void renderedColours();
  void startUpState();
  void tabOrderSkipsDisabledDisplayBoxes();
  void typedExampleShowsTheExampleTable();
  void printCheckSendsTheReportToThePrinter();
  void linesOfARunAreAnnouncedTogether();
  void clearEmptiesOnlyTheList();
  void emptyBoxMakesTheClickDoNothing_data();
  void emptyBoxMakesTheClickDoNothing();
  void failedRunIsReportedAndKeepsTheLines_data();
  void failedRunIsReportedAndKeepsTheLines();
  void copyPutsSelectedLinesOnTheClipboard();
  void pastedMegabyteIsReadWhole();
  void manyRunsGrowOnlyByTheirLines();

 private:
  template <class Control>
  Control* Find(const char* name) const {
    Control* control = window_->findChild<Control*>(name);
    if (!control) qFatal("no control named %s", name);
    return control;
  }
  QLineEdit* Box(int number) const {
    return Find<QLineEdit>(QByteArray("Text").append(QByteArray::number(number)).constData());
  }
  QStringList ListLines() const;
  void TypeInputs(const QStringList& texts);
  void Retype(int boxNumber, const QString& text);
  void Click(const char* buttonName);
  std::optional<SeenMessageBox> CloseMessageBoxDuring(const std::function<void()>& action);

  std::unique_ptr<RecordingPrintSink> printSink_;
  std::unique_ptr<MainWindow> window_;
};

// A run meant for a decimal-comma locale proves nothing if the machine
// lacks that locale and falls back to ".".
void MainWindowTest::initTestCase() {
  const QString expected = qEnvironmentVariable("DORVEX_EXPECTED_DECIMAL_POINT");
  if (!expected.isEmpty()) QCOMPARE(QLocale::system().decimalPoint(), expected);
}

void MainWindowTest::init() {
  printSink_ = std::make_unique<RecordingPrintSink>();
  window_ = std::make_unique<MainWindow>(*printSink_);
  window_->Start();
  QVERIFY(QTest::qWaitForWindowActive(window_.get()));
}

void MainWindowTest::cleanup() {
  window_.reset();
  printSink_.reset();
}

QStringList MainWindowTest::ListLines() const {
  const QAbstractItemModel& model = *Find<QListView>("List1")->model();
  QStringList lines;
  for (int row = 0; row < model.rowCount(); ++row) {
    lines.append(model.index(row, 0).data().toString());
  }
  return lines;
}

// From the box that has the focus on, one box after the other, as the user
// moves on with Tab.
void MainWindowTest::TypeInputs(const QStringList& texts) {
  for (qsizetype i = 0; i < texts.size(); ++i) {
    if (i > 0) QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    QTest::keyClicks(QApplication::focusWidget(), Localised(texts[i]));
  }
}

void MainWindowTest::Retype(int boxNumber, const QString& text) {
  QLineEdit* box = Box(boxNumber);
  QTest::mouseClick(box, Qt::LeftButton);
  QTest::keyClick(box, Qt::Key_A, Qt::ControlModifier);
  QTest::keyClick(box, Qt::Key_Backspace);
  QTest::keyClicks(box, Localised(text));
}

void MainWindowTest::Click(const char* buttonName) {
  QTest::mouseClick(Find<QAbstractButton>(buttonName), Qt::LeftButton);
}

// A message box blocks in its own event loop, so a timer inside that loop
// reads it and presses its button, as the user would.
std::optional<SeenMessageBox> MainWindowTest::CloseMessageBoxDuring(
    const std::function<void()>& action) {
  std::optional<SeenMessageBox> seen;
  QTimer timer;
  timer.setInterval(10);
  connect(&timer, &QTimer::timeout, [&] {
    auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
    if (!box || seen) return;
    seen = SeenMessageBox{box->windowTitle(), box->text(), box->icon(),
                          Find<QListView>("List1")->model()->rowCount()};
    box->button(QMessageBox::Ok)->click();
  });
  timer.start();
  action();
  return seen;
}

void MainWindowTest::layout_data() {
  QTest::addColumn<QString>("kind");
  QTest::addColumn<QString>("caption");
  QTest::addColumn<QRect>("geometry");
  QTest::addColumn<QColor>("background");
  QTest::addColumn<QColor>("textColour");
  QTest::addColumn<bool>("fixedPitch");

  AddControl("Label1", "QLabel", "溶解度積Ksp(mol/L)2", {32, 24, 121, 25}, QColor(), QColor(), false);
  AddControl("Label2", "QLabel", "全炭酸濃度(mol/L)", {32, 48, 153, 17}, QColor(), QColor(), false);
  AddControl("Label3", "QLabel", "(CO3--+HCO3-+H2CO3)", {32, 64, 153, 25}, QColor(), QColor(), false);
  AddControl("Label4", "QLabel", "全Ca濃度(mol/L)", {32, 88, 113, 17}, QColor(), QColor(), false);
  AddControl("Label5", "QLabel", "pH(計算最小値)", {40, 120, 105, 25}, QColor(), QColor(), false);
  AddControl("Label6", "QLabel", "pH(計算最大値)", {144, 120, 97, 17}, QColor(), QColor(), false);
  AddControl("Label7", "QLabel", "刻みpH", {264, 120, 49, 17}, QColor(), QColor(), false);
  AddControl("Command1", "QPushButton", "計算", {48, 184, 81, 33}, QColor(), QColor(), false);
  AddControl("Command2", "QPushButton", "クリヤ", {264, 184, 81, 33}, QColor(), QColor(), false);
  AddControl("Check1", "QCheckBox", "印刷する", {168, 192, 89, 25}, kGrey, QColor(), false);
  AddControl("Label8", "QLabel", " pH        Dorvex溶解度(mg/L)      析出Dorvex(mg/L)      溶解性Ca(mg-Ca/L)    液中CO3--(mg-C/L)  ", {16, 232, 593, 17}, kGrey, QColor(), false);
  AddControl("Label9", "QLabel", "(溶解性Dorvex含)　　　　(溶解性Dorvex含)", {320, 248, 257, 25}, kGrey, QColor(), false);
  AddControl("Text1", "QLineEdit", "", {168, 16, 81, 25}, QColor(), QColor(), true);
  AddControl("Text2", "QLineEdit", "", {168, 48, 81, 25}, QColor(), QColor(), true);
  AddControl("Text3", "QLineEdit", "", {168, 80, 81, 25}, QColor(), QColor(), true);
  AddControl("Text4", "QLineEdit", "", {56, 144, 41, 25}, QColor(), QColor(), true);
  AddControl("Text5", "QLineEdit", "", {160, 144, 41, 25}, QColor(), QColor(), true);
  AddControl("Text6", "QLineEdit", "", {264, 144, 41, 25}, QColor(), QColor(), true);
  AddControl("Text7", "QLineEdit", "", {320, 48, 81, 25}, kGrey, QColor(), true);
  AddControl("Text8", "QLineEdit", "", {320, 80, 81, 25}, kGrey, QColor(), true);
  AddControl("Label10", "QLabel", "(mg-C/L)", {408, 56, 57, 17}, QColor(), QColor(), false);
  AddControl("Label11", "QLabel", "(mg-Ca/L)", {408, 88, 65, 25}, QColor(), QColor(), false);
  AddControl("List1", "QListView", "", {8, 264, 557, 250}, QColor(), QColor(), true);
  AddControl("Label12", "QLabel", "Dorvex溶解度積(参考値)", {284, 14, 162, 26}, kGrey, kBlue, false);
  AddControl("Label13", "QLabel", "4.7×10^(-9)  [(mol/L)(mol/L)] @25℃水中", {284, 30, 230, 19}, kGrey, kBlue, false);
}

void MainWindowTest::layout() {
  QFETCH(QString, kind);
  QFETCH(QString, caption);
  QFETCH(QRect, geometry);
  QFETCH(QColor, background);
  QFETCH(QColor, textColour);
  QFETCH(bool, fixedPitch);

  const QWidget* control = Find<QWidget>(QTest::currentDataTag());
  QVERIFY(control->inherits(kind.toLatin1().constData()));
  QCOMPARE(control->parentWidget(), window_.get());
  if (control->property("text").isValid()) QCOMPARE(control->property("text").toString(), caption);
  if (const auto* label = qobject_cast<const QLabel*>(control)) {
    // Rich text would fold the runs of spaces that align the headers.
    QCOMPARE(label->textFormat(), Qt::PlainText);
    QCOMPARE(label->focusPolicy(), Qt::NoFocus);
  }
  QCOMPARE(control->geometry(), geometry);
  if (background.isValid()) {
    QVERIFY(control->autoFillBackground() || control->backgroundRole() == QPalette::Base);
    QCOMPARE(control->palette().color(QPalette::Disabled, control->backgroundRole()), background);
    QCOMPARE(control->palette().color(QPalette::Active, control->backgroundRole()), background);
  }
  if (textColour.isValid()) {
    QCOMPARE(control->palette().color(control->foregroundRole()), textColour);
  }
  if (fixedPitch) {
    const QFont font = control->font();
    const QFontMetrics metrics(font);
    for (const QChar c : QStringView(u" .-iWm")) {
      QCOMPARE(metrics.horizontalAdvance(c), metrics.horizontalAdvance(QLatin1Char('0')));
    }
    // The chosen face itself must draw Japanese, not a fallback behind it.
    QVERIFY(QRawFont::fromFont(font, QFontDatabase::Japanese).supportsCharacter(QChar(u'溶')));
    QVERIFY(QFontDatabase::writingSystems(QFontInfo(font).family())
                .contains(QFontDatabase::Japanese));
  }
}

void MainWindowTest::windowFrame() {
  QCOMPARE(window_->windowTitle(), QString("Dorvex"));
  QCOMPARE(window_->size(), QSize(574, 530));
  QCOMPARE(window_->minimumSize(), window_->maximumSize());
  QCOMPARE(window_->palette().color(QPalette::Window), kGrey);
  QVERIFY(window_->findChildren<QMenuBar*>().isEmpty());
  for (const QPushButton* button : window_->findChildren<QPushButton*>()) {
    QVERIFY(!button->isDefault());
    QVERIFY(!button->autoDefault());
    QVERIFY(!button->text().contains(QLatin1Char('&')));
  }
  QVERIFY(!Find<QCheckBox>("Check1")->text().contains(QLatin1Char('&')));

  const QRect screen = window_->screen()->geometry();
  const QPoint offCentre = window_->frameGeometry().center() - screen.center();
  QVERIFY2(offCentre.manhattanLength() <= 1, "the window is not centred on the screen");
}

// What the user sees, read back from the drawn window.
void MainWindowTest::renderedColours() {
  const QImage image = window_->grab().toImage();
  const auto colourAt = [&](QPoint point) { return QColor(image.pixel(point)); };
  QCOMPARE(colourAt({570, 520}), kGrey);                               // the form
  QCOMPARE(colourAt(Box(7)->geometry().center()), kGrey);              // an empty display box
  QCOMPARE(colourAt(Box(1)->geometry().center()), Box(1)->palette().color(QPalette::Base));

  const QRect label12 = Find<QLabel>("Label12")->geometry();
  bool blueTextDrawn = false;
  for (int y = label12.top(); y <= label12.bottom() && !blueTextDrawn; ++y) {
    for (int x = label12.left(); x <= label12.right() && !blueTextDrawn; ++x) {
      blueTextDrawn = colourAt({x, y}) == kBlue;
    }
  }
  QVERIFY(blueTextDrawn);
}

void MainWindowTest::startUpState() {
  QCOMPARE(QApplication::focusWidget(), Box(1));
  QVERIFY(!Find<QCheckBox>("Check1")->isChecked());
  QVERIFY(ListLines().isEmpty());
  for (int number = 1; number <= 8; ++number) {
    QVERIFY(Box(number)->text().isEmpty());
    QCOMPARE(Box(number)->isEnabled(), number <= 6);
  }
}

void MainWindowTest::tabOrderSkipsDisabledDisplayBoxes() {
  QStringList visited;
  for (int i = 0; i < 10; ++i) {
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    visited.append(QApplication::focusWidget()->objectName());
  }
  QCOMPARE(visited, QStringList({"Text2", "Text3", "Text4", "Text5", "Text6", "List1", "Command1",
                                 "Command2", "Check1", "Text1"}));
}

void MainWindowTest::typedExampleShowsTheExampleTable() {
  TypeInputs(kExampleInputs);
  Click("Command1");
  QCOMPARE(Box(7)->text(), Localised("12.00"));
  QCOMPARE(Box(8)->text(), Localised("40.00"));
  QVERIFY(!Box(7)->isEnabled());
  QVERIFY(!Box(8)->isEnabled());
  QCOMPARE(ListLines(), Localised(kExampleLines));

  Click("Command1");
  QCOMPARE(ListLines(), Localised(kExampleLines + kExampleLines));
}

void MainWindowTest::printCheckSendsTheReportToThePrinter() {
  TypeInputs(kExampleInputs);
  Click("Command1");
  QCOMPARE(printSink_->lines.size(), 0u);
  QCOMPARE(printSink_->documentsEnded, 1);

  Click("Check1");
  QVERIFY(Find<QCheckBox>("Check1")->isChecked());
  Click("Command1");
  // Three empty lines, five parameters, an empty line, two headers, seven rows.
  QCOMPARE(printSink_->lines.size(), 18u);
  QCOMPARE(printSink_->documentsEnded, 2);
}

// The sixty-one lines of pH 12 down to 6 by 0.1 reach the list in one
// announcement, not one each.
void MainWindowTest::linesOfARunAreAnnouncedTogether() {
  TypeInputs({"4.7E-9", "0.001", "0.001", "6", "12", "0.1"});
  QSignalSpy inserted(Find<QListView>("List1")->model(), &QAbstractItemModel::rowsInserted);
  Click("Command1");
  QCOMPARE(inserted.size(), 1);
  QCOMPARE(inserted[0][1].toInt(), 0);
  QCOMPARE(inserted[0][2].toInt(), 60);
  QCOMPARE(ListLines().size(), 61);
  QCOMPARE(ListLines().last().left(5), Localised(" 6.00"));
}

void MainWindowTest::clearEmptiesOnlyTheList() {
  TypeInputs(kExampleInputs);
  Click("Command1");
  Click("Command1");
  Click("Command2");
  QVERIFY(ListLines().isEmpty());
  QCOMPARE(Box(1)->text(), Localised(kExampleInputs[0]));
  QCOMPARE(Box(7)->text(), Localised("12.00"));

  Click("Command1");
  QCOMPARE(ListLines(), Localised(kExampleLines));
}

void MainWindowTest::emptyBoxMakesTheClickDoNothing_data() {
  QTest::addColumn<int>("emptyBox");
  for (int number = 1; number <= 6; ++number) {
    QTest::addRow("Text%d", number) << number;
  }
}

void MainWindowTest::emptyBoxMakesTheClickDoNothing() {
  QFETCH(int, emptyBox);
  TypeInputs(kExampleInputs);
  Retype(emptyBox, QString());
  Click("Command1");
  QVERIFY(ListLines().isEmpty());
  QVERIFY(Box(7)->text().isEmpty());
  QVERIFY(Box(8)->text().isEmpty());
  QCOMPARE(printSink_->documentsEnded, 0);
}

void MainWindowTest::failedRunIsReportedAndKeepsTheLines_data() {
  QTest::addColumn<QStringList>("inputs");
  QTest::addColumn<bool>("printing");
  QTest::addColumn<QString>("message");
  QTest::addColumn<int>("linesOfTheFailedRun");

  const auto example = [](int boxNumber, const QString& text) {
    QStringList inputs(kExampleInputs.begin(), kExampleInputs.end());
    inputs[boxNumber - 1] = text;
    return inputs;
  };
  const auto message = [](const RunProblem& problem) {
    return QString::fromStdString(ProblemMessage(problem));
  };
  QTest::newRow("a total that is not a number")
      << example(2, "abc") << false
      << message(RunError(RunErrorKind::Conversion, "", InputField::TotalCarbonate)) << 0;
  QTest::newRow("a Ksp that is not a number")
      << example(1, "abc") << false
      << message(RunError(RunErrorKind::Conversion, "", InputField::Ksp)) << 0;
  QTest::newRow("a negative Ksp")
      << example(1, "-1") << false << message(RunError(RunErrorKind::InvalidArgument, "")) << 0;
  // pH 12 and -88 compute; at -188 the carbonate fraction underflows to zero.
  QTest::newRow("a pH far below zero after two rows")
      << QStringList({"4.7E-9", "0.001", "0.001", "-400", "12", "100"}) << false
      << message(RunError(RunErrorKind::DivisionByZero, "")) << 2;
  QTest::newRow("a zero step")
      << example(6, "0") << false << message(RunRefusal{RefusalReason::ZeroStep}) << 0;
  QTest::newRow("a printer that is gone")
      << example(1, kExampleInputs[0]) << true << message(PrintError(kPrinterGone)) << 0;
}

void MainWindowTest::failedRunIsReportedAndKeepsTheLines() {
  QFETCH(QStringList, inputs);
  QFETCH(bool, printing);
  QFETCH(QString, message);
  QFETCH(int, linesOfTheFailedRun);
  TypeInputs(kExampleInputs);
  Click("Command1");
  const auto retypeChangedBoxes = [&](const QStringList& from, const QStringList& to) {
    for (int i = 0; i < 6; ++i) {
      if (from[i] != to[i]) Retype(i + 1, to[i]);
    }
  };
  const QStringList example(kExampleInputs.begin(), kExampleInputs.end());
  retypeChangedBoxes(example, inputs);
  if (printing) {
    Click("Check1");
    printSink_->failure = kPrinterGone;
  }

  const std::optional<SeenMessageBox> seen = CloseMessageBoxDuring([&] { Click("Command1"); });
  QVERIFY(seen);
  QCOMPARE(seen->title, QString("Dorvex"));
  QCOMPARE(seen->icon, QMessageBox::Warning);
  QCOMPARE(seen->text, message);
  const int linesBefore = static_cast<int>(kExampleLines.size());
  QCOMPARE(seen->linesShown, linesBefore + linesOfTheFailedRun);
  QCOMPARE(ListLines().size(), linesBefore + linesOfTheFailedRun);
  QCOMPARE(ListLines().mid(0, linesBefore), Localised(kExampleLines));

  // The window goes on working: the example again, with nothing in the way.
  printSink_->failure.reset();
  retypeChangedBoxes(inputs, example);
  QVERIFY(!CloseMessageBoxDuring([&] { Click("Command1"); }));
  QCOMPARE(ListLines().mid(linesBefore + linesOfTheFailedRun), Localised(kExampleLines));
}

void MainWindowTest::copyPutsSelectedLinesOnTheClipboard() {
  TypeInputs(kExampleInputs);
  Click("Command1");
  auto* list = Find<QListView>("List1");
  QClipboard* clipboard = QGuiApplication::clipboard();

  QTest::keyClick(list, Qt::Key_A, Qt::ControlModifier);
  QTest::keyClick(list, Qt::Key_C, Qt::ControlModifier);
  QCOMPARE(clipboard->text(), Localised(kExampleLines).join('\n'));

  // Picked out of order, copied in list order.
  const auto rowCentre = [&](int row) {
    return list->visualRect(list->model()->index(row, 0)).center();
  };
  QTest::mouseClick(list->viewport(), Qt::LeftButton, Qt::NoModifier, rowCentre(4));
  QTest::mouseClick(list->viewport(), Qt::LeftButton, Qt::ControlModifier, rowCentre(0));
  QTest::mouseClick(list->viewport(), Qt::LeftButton, Qt::ControlModifier, rowCentre(1));
  QTest::keyClick(list, Qt::Key_C, Qt::ControlModifier);
  const QStringList expected = Localised(kExampleLines);
  QCOMPARE(clipboard->text(), QStringList({expected[0], expected[1], expected[4]}).join('\n'));
}

// A box holds whatever is pasted into it, however long: a text cut short
// without a word would be converted as something the user never typed.
void MainWindowTest::pastedMegabyteIsReadWhole() {
  TypeInputs(kExampleInputs);
  Click("Command1");
  const QString megabyteOfDigits(1 << 20, QLatin1Char('7'));
  Box(2)->setText(megabyteOfDigits);
  QCOMPARE(Box(2)->text().size(), megabyteOfDigits.size());
  const std::optional<SeenMessageBox> seen = CloseMessageBoxDuring([&] { Click("Command1"); });
  QVERIFY(seen);
  QCOMPARE(seen->text, QString::fromStdString(ProblemMessage(RunError(RunErrorKind::Overflow, ""))));
  QCOMPARE(ListLines(), Localised(kExampleLines));
}

namespace {

#if defined(__SANITIZE_ADDRESS__)
constexpr bool kAddressSanitizer = true;
#elif defined(__has_feature)
constexpr bool kAddressSanitizer = __has_feature(address_sanitizer);
#else
constexpr bool kAddressSanitizer = false;
#endif

using testing_support::ResidentBytes;

}  // namespace

// Two thousand runs without Clear: the list grows by their lines and the
// program by little more than what the lines take.
void MainWindowTest::manyRunsGrowOnlyByTheirLines() {
  TypeInputs(kExampleInputs);
  for (int run = 0; run < 100; ++run) Click("Command1");  // caches and pools settle
  const std::optional<long long> before = ResidentBytes();
  if (!before) QSKIP("this system does not tell the resident memory");
  constexpr int kRuns = 2000;
  for (int run = 0; run < kRuns; ++run) Click("Command1");
  const long long grown = *ResidentBytes() - *before;
  const QStringList lines = ListLines();
  QCOMPARE(lines.size(), (100 + kRuns) * static_cast<int>(kExampleLines.size()));
  QCOMPARE(lines.mid(lines.size() - 7), Localised(kExampleLines));
  const long long newLines = kRuns * static_cast<long long>(kExampleLines.size());
  qInfo("%lld lines grew the program by %lld bytes", newLines, grown);
  if (kAddressSanitizer) {
    QSKIP("freed memory stays in the sanitizer's quarantine; its leak check covers this");
  }
  QVERIFY2(grown < newLines * 400, qPrintable(QString("grew by %1 bytes").arg(grown)));
}

}  // namespace dorvex

QTEST_MAIN(dorvex::MainWindowTest)
#include "main_window_test.moc"
