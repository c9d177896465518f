#pragma once

#include "report/print_sink.h"

namespace dorvex {

// The report on the system's default printer.
class QtPrintSink final : public PrintSink {
 public:
  QtPrintSink();
  ~QtPrintSink() override;

  void ApplySetting(PrintSetting which, float value) override;
  void PrintLine(const PrintLineItems& items) override;
  void EndDocument() override;
};

}  // namespace dorvex
