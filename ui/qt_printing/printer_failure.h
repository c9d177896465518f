#pragma once

#include <QString>

#include "report/print_sink.h"

namespace dorvex {

// A PrintError for the user: format is the message with %1, %2 ... for the
// printer's name and any detail.
template <typename... Args>
PrintError PrinterFailure(const char* format, const Args&... args) {
  return PrintError(QString::fromUtf8(format).arg(args...).toStdString());
}

}  // namespace dorvex
