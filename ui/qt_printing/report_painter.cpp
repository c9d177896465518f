#include "ui/qt_printing/report_painter.h"

#include <algorithm>
#include <cmath>

#include <QFont>
#include <QFontMetricsF>
#include <QPainter>

#include "ui/qt_printing/line_placement.h"
#include "ui/qt_printing/printer_failure.h"
#include "ui/qt_window/fixed_pitch_font.h"

namespace dorvex {
namespace {

constexpr float kDefaultFontPoints = 12;
constexpr qreal kMillimetresPerInch = 25.4;
// A margin may take at most this share of the printable area, so that a
// stray set-up value cannot push the report off the paper.
constexpr qreal kMaxMarginShare = 0.25;
// Text advances are not exactly proportional to the point size, so shrinking
// to fit may take a second look; each try shrinks by the measured overshoot.
constexpr int kMaxFitAttempts = 8;

qreal UsablePoints(float points) {
  return std::isfinite(points) && points > 0 ? points : kDefaultFontPoints;
}

qreal MarginPixels(float tenthsMm, int resolution, qreal printableExtent) {
  if (!std::isfinite(tenthsMm)) return 0;
  const qreal pixels = tenthsMm / 10.0 / kMillimetresPerInch * resolution;
  return std::clamp(pixels, qreal{0}, printableExtent * kMaxMarginShare);
}

// The part of the printable area the text may use, in the painter's
// coordinates, whose origin is the printable area's top left corner.
QRectF TextArea(const QPrinter& printer, const PageSetup& setup) {
  const QSizeF printable = printer.pageRect(QPrinter::DevicePixel).size();
  const qreal left = MarginPixels(setup.leftMarginTenthsMm, printer.resolution(), printable.width());
  const qreal top = MarginPixels(setup.topMarginTenthsMm, printer.resolution(), printable.height());
  return {left, top, printable.width() - left, printable.height() - top};
}

struct FittedReport {
  QFont font;
  std::vector<PlacedRow> rows;
};

std::vector<PlacedRow> PlaceLines(const std::vector<PrintLineItems>& lines,
                                  const QFontMetricsF& metrics) {
  const auto width = [&metrics](const QString& text) { return metrics.horizontalAdvance(text); };
  std::vector<PlacedRow> rows;
  for (const PrintLineItems& line : lines) {
    for (PlacedRow& row : PlaceLine(line, metrics.averageCharWidth(), width)) {
      rows.push_back(std::move(row));
    }
  }
  return rows;
}

// Places the rows at the set-up size, or smaller when the widest row would
// run off the right edge.
FittedReport FitToWidth(QPrinter& printer, const std::vector<PrintLineItems>& lines,
                        qreal points, qreal width) {
  FittedReport report{QFont(FixedPitchJapaneseFamily()), {}};
  for (int attempt = 0; attempt < kMaxFitAttempts; ++attempt) {
    report.font.setPointSizeF(points);
    report.rows = PlaceLines(lines, QFontMetricsF(report.font, &printer));
    qreal widest = 0;
    for (const PlacedRow& row : report.rows) widest = std::max(widest, RightEdge(row));
    if (widest <= width) break;
    points *= width / widest;
  }
  return report;
}

}  // namespace

void PaintReport(QPrinter& printer, const std::vector<PrintLineItems>& lines,
                 const PageSetup& setup) {
  QPainter painter;
  if (!painter.begin(&printer)) {
    throw PrinterFailure("プリンター「%1」で印刷を始められませんでした。", printer.printerName());
  }
  const QRectF area = TextArea(printer, setup);
  const FittedReport report = FitToWidth(printer, lines, UsablePoints(setup.fontPoints), area.width());
  painter.setFont(report.font);
  const QFontMetricsF metrics(report.font, &printer);

  qreal top = area.top();
  for (const PlacedRow& row : report.rows) {
    if (top > area.top() && top + metrics.height() > area.bottom()) {
      if (!printer.newPage()) {
        throw PrinterFailure("プリンター「%1」で次のページを始められませんでした。", printer.printerName());
      }
      top = area.top();
    }
    for (const PlacedText& placed : row) {
      painter.drawText(QPointF(area.left() + placed.x, top + metrics.ascent()), placed.text);
    }
    top += metrics.lineSpacing();
  }
  if (!painter.end()) {
    throw PrinterFailure("プリンター「%1」への印刷を終えられませんでした。", printer.printerName());
  }
}

}  // namespace dorvex
