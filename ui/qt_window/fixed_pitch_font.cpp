#include "ui/qt_window/fixed_pitch_font.h"

#include <QFont>
#include <QFontDatabase>
#include <QFontMetrics>
#include <QStringList>
#include <QStringView>

namespace dorvex {
namespace {

const QString kPreferredFamily = QStringLiteral("FixedSys");

// Qt calls a family fixed-pitch only when it is marked monospaced. Japanese
// gothic faces are marked dual-width instead (half-width and full-width
// cells), which lines columns up just as well, so the cells are measured.
bool HasUniformHalfWidthCells(const QString& family) {
  QFont font(family);
  font.setPixelSize(16);
  const QFontMetrics metrics(font);
  const int cell = metrics.horizontalAdvance(QLatin1Char('0'));
  for (const QChar c : QStringView(u" .-iWm")) {
    if (metrics.horizontalAdvance(c) != cell) return false;
  }
  return true;
}

}  // namespace

QString FixedPitchJapaneseFamily() {
  if (QFontDatabase::families().contains(kPreferredFamily, Qt::CaseInsensitive)) {
    return kPreferredFamily;
  }
  for (const QString& family : QFontDatabase::families(QFontDatabase::Japanese)) {
    if (QFontDatabase::isFixedPitch(family) || HasUniformHalfWidthCells(family)) return family;
  }
  return QFontDatabase::systemFont(QFontDatabase::FixedFont).family();
}

}  // namespace dorvex
