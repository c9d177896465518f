#pragma once

#include <array>
#include <optional>
#include <ostream>

#include "report/print_sink.h"

namespace dorvex {

// Renders what a printer would receive as text, one character a column:
// for the text front end and for checking a printout line by line. Each line
// is written to the stream as soon as it is printed.
class PlainTextPrintSink final : public PrintSink {
 public:
  explicit PlainTextPrintSink(std::ostream& out) : out_(out) {}

  void ApplySetting(PrintSetting which, float value) override;
  void PrintLine(const PrintLineItems& items) override;
  void EndDocument() override;

  // Set-up values are kept, though a text has no use for them.
  std::optional<float> Setting(PrintSetting which) const;
  int DocumentsEnded() const { return documentsEnded_; }

 private:
  std::ostream& out_;
  std::array<std::optional<float>, 3> settings_;
  int documentsEnded_ = 0;
};

}  // namespace dorvex
