#include "ui/qt_printing/qt_print_sink.h"

#include <utility>

#include <QPrinter>

#include "ui/qt_printing/printer_readiness.h"

namespace dorvex {

void QtPrintSink::ApplySetting(PrintSetting which, float value) {
  switch (which) {
    case PrintSetting::A: pageSetup_.fontPoints = value; break;
    case PrintSetting::B: pageSetup_.leftMarginTenthsMm = value; break;
    case PrintSetting::C: pageSetup_.topMarginTenthsMm = value; break;
  }
}

void QtPrintSink::PrintLine(const PrintLineItems& items) { lines_.push_back(items); }

void QtPrintSink::EndDocument() {
  // Taken before anything can fail, so that the lines of a failed document
  // never turn up in the next run's job.
  const std::vector<PrintLineItems> lines = std::exchange(lines_, {});
  if (lines.empty()) return;
  QPrinter printer(ReadyDefaultPrinter(), QPrinter::HighResolution);
  printer.setDocName(QStringLiteral("Dorvex"));
  PaintReport(printer, lines, pageSetup_);
  ConfirmJobTaken(printer);
}

}  // namespace dorvex
