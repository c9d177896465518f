#include "ui/qt_window/window_controls.h"

#include <limits>

#include <QCheckBox>
#include <QColor>
#include <QFont>
#include <QFontDatabase>
#include <QLabel>
#include <QLineEdit>
#include <QPalette>
#include <QPushButton>
#include <QString>

#include "ui/qt_window/fixed_pitch_font.h"
#include "ui/qt_window/result_list_view.h"
#include "ui/qt_window/window_layout.h"

namespace dorvex {
namespace {

QString FromUtf8(std::string_view text) {
  return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

QColor ToQColor(const Rgb& rgb) { return QColor(rgb.red, rgb.green, rgb.blue); }

// The boxes and the list show numbers in columns. 16 pixels is the cell
// height of FixedSys; at that size a Japanese gothic family draws its
// half-width characters 8 pixels wide as FixedSys does, so a 66-character
// result line fits the list's width.
QFont FixedPitchFont() {
  QFont font(FixedPitchJapaneseFamily());
  font.setPixelSize(16);
  return font;
}

// Labels, buttons and the check box keep the toolkit's default font unless it
// has no Japanese glyphs. Then the captions would be drawn from a fallback face
// of other widths and run past their boxes, so a proportional Japanese family
// of the same size takes its place, as on a Japanese desktop.
QFont CaptionFont(const QFont& toolkitDefault) {
  if (QFontDatabase::writingSystems(toolkitDefault.family()).contains(QFontDatabase::Japanese)) {
    return toolkitDefault;
  }
  const QString fixedPitchFamily = FixedPitchJapaneseFamily();
  for (const QString& family : QFontDatabase::families(QFontDatabase::Japanese)) {
    if (family != fixedPitchFamily && !QFontDatabase::isFixedPitch(family)) {
      QFont font = toolkitDefault;
      font.setFamily(family);
      return font;
    }
  }
  return toolkitDefault;
}

QWidget* CreateControl(const ControlDescription& description, QWidget& window,
                       const QFont& fixedPitchFont) {
  const QString caption = FromUtf8(description.caption);
  switch (description.kind) {
    case ControlKind::Label: {
      auto* label = new QLabel(caption, &window);
      // Plain text keeps the runs of spaces that align the column headers.
      label->setTextFormat(Qt::PlainText);
      label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
      return label;
    }
    case ControlKind::TextBox: {
      auto* box = new QLineEdit(&window);
      box->setFont(fixedPitchFont);
      // Qt cuts a text at 32767 characters by default; a pasted text cut
      // short without a word would be read as something never typed.
      box->setMaxLength(std::numeric_limits<int>::max());
      return box;
    }
    case ControlKind::PushButton:
      return new QPushButton(caption, &window);
    case ControlKind::CheckBox:
      return new QCheckBox(caption, &window);
    case ControlKind::ListBox: {
      auto* list = new ResultListView(&window);
      list->setFont(fixedPitchFont);
      return list;
    }
  }
  return nullptr;
}

void ApplyColours(QWidget& control, const ControlDescription& description) {
  QPalette palette = control.palette();
  if (description.background) {
    palette.setColor(control.backgroundRole(), ToQColor(*description.background));
    control.setAutoFillBackground(true);
  }
  if (description.textColour) {
    palette.setColor(control.foregroundRole(), ToQColor(*description.textColour));
  }
  control.setPalette(palette);
}

template <class Control>
Control* Find(QWidget& window, const char* name) {
  return window.findChild<Control*>(QLatin1String(name), Qt::FindDirectChildrenOnly);
}

}  // namespace

WindowControls BuildWindow(QWidget& window) {
  window.setWindowTitle(FromUtf8(kWindowCaption));
  window.setFixedSize(TwipsToPixels(kClientWidthTwips), TwipsToPixels(kClientHeightTwips));
  QPalette palette = window.palette();
  palette.setColor(QPalette::Window, ToQColor(kFormGrey));
  window.setPalette(palette);
  window.setAutoFillBackground(true);
  window.setFont(CaptionFont(window.font()));

  const QFont fixedPitchFont = FixedPitchFont();
  // Created in the table's order, which Qt's Tab then follows; the labels
  // take no focus and disabled controls are passed over.
  for (const ControlDescription& description : kWindowControls) {
    QWidget* control = CreateControl(description, window, fixedPitchFont);
    control->setObjectName(FromUtf8(description.name));
    const TwipsRect& twips = description.twips;
    control->setGeometry(TwipsToPixels(twips.left), TwipsToPixels(twips.top),
                         TwipsToPixels(twips.width), TwipsToPixels(twips.height));
    ApplyColours(*control, description);
  }

  WindowControls controls;
  controls.boxes = {Find<QLineEdit>(window, "Text1"), Find<QLineEdit>(window, "Text2"),
                    Find<QLineEdit>(window, "Text3"), Find<QLineEdit>(window, "Text4"),
                    Find<QLineEdit>(window, "Text5"), Find<QLineEdit>(window, "Text6"),
                    Find<QLineEdit>(window, "Text7"), Find<QLineEdit>(window, "Text8")};
  controls.printCheck = Find<QCheckBox>(window, "Check1");
  controls.calculateButton = Find<QPushButton>(window, "Command1");
  controls.clearButton = Find<QPushButton>(window, "Command2");
  controls.resultList = Find<ResultListView>(window, "List1");
  return controls;
}

}  // namespace dorvex
