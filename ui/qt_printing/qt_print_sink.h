#pragma once

#include <vector>

#include "report/print_sink.h"
#include "ui/qt_printing/report_painter.h"

namespace dorvex {

// The report on the system's default printer, without a dialog. The lines of
// a document are kept until EndDocument, which sends them as one job: a run
// that printed nothing sends no job and no blank page, and every printer
// failure surfaces there as a PrintError, after which the sink is empty and
// ready for the next run. Needs a QGuiApplication.
class QtPrintSink final : public PrintSink {
 public:
  void ApplySetting(PrintSetting which, float value) override;
  void PrintLine(const PrintLineItems& items) override;
  void EndDocument() override;

 private:
  PageSetup pageSetup_;
  std::vector<PrintLineItems> lines_;
};

}  // namespace dorvex
