#include "ui/qt_printing/printer_readiness.h"

#include "ui/qt_printing/printer_failure.h"

#if defined(DORVEX_PRINTS_THROUGH_CUPS)
#include "ui/qt_printing/cups_queue.h"
#endif

namespace dorvex {
namespace {

bool HasFailed(QPrinter::PrinterState state) {
  return state == QPrinter::Error || state == QPrinter::Aborted;
}

[[noreturn]] void ExplainMissingDefaultPrinter() {
#if defined(DORVEX_PRINTS_THROUGH_CUPS)
  // Without its scheduler CUPS lists no printers, which Qt cannot tell apart
  // from a system that has none.
  if (!CupsSchedulerReachable()) {
    throw PrintError("印刷サービス (CUPS) に接続できないため、印刷できません。");
  }
#endif
  if (QPrinterInfo::availablePrinterNames().isEmpty()) {
    throw PrintError("プリンターがインストールされていないため、印刷できません。");
  }
  throw PrintError("既定のプリンターが設定されていないため、印刷できません。");
}

}  // namespace

QPrinterInfo ReadyDefaultPrinter() {
  const QPrinterInfo printer = QPrinterInfo::defaultPrinter();
  if (printer.isNull()) ExplainMissingDefaultPrinter();
  const QString name = printer.printerName();
  // A stopped queue would hold the job without printing it.
  if (HasFailed(printer.state())) {
    throw PrinterFailure("プリンター「%1」が停止しているため、印刷できません。", name);
  }
#if defined(DORVEX_PRINTS_THROUGH_CUPS)
  // Qt does not say whether a CUPS queue accepts jobs; one that rejects them
  // would make the job vanish without a word from Qt.
  if (!CupsQueueAcceptsJobs(name)) {
    throw PrinterFailure("プリンター「%1」が印刷ジョブを受け付けていないため、印刷できません。", name);
  }
#endif
  return printer;
}

void ConfirmJobTaken(const QPrinter& printer) {
  if (HasFailed(printer.printerState())) {
    throw PrinterFailure("プリンター「%1」が印刷ジョブを受け取れませんでした。", printer.printerName());
  }
#if defined(DORVEX_PRINTS_THROUGH_CUPS)
  // Qt hands the job to CUPS with cupsPrintFile() inside QPainter::end() and
  // drops its result, so a queue that turned the job away in the meantime, or
  // a scheduler that went down, looks like success. libcups keeps the status
  // of the last request of each thread, and that request was the job.
  if (const auto failure = CupsLastRequestFailure()) {
    throw PrinterFailure("プリンター「%1」が印刷ジョブを受け付けませんでした (%2)。",
                         printer.printerName(), QString::fromStdString(*failure));
  }
#endif
}

}  // namespace dorvex
