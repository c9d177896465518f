#pragma once

#include <QByteArray>
#include <QFile>
#include <QList>

#include <optional>

namespace dorvex::testing_support {

// Resident memory of this process in bytes, where the system tells it (Linux's
// /proc); nothing elsewhere, and the caller decides what to do without it.
inline std::optional<long long> ResidentBytes() {
  QFile status(QStringLiteral("/proc/self/status"));
  if (!status.open(QIODevice::ReadOnly | QIODevice::Text)) return std::nullopt;
  for (const QByteArray& line : status.readAll().split('\n')) {
    if (line.startsWith("VmRSS:")) {
      return line.mid(6).trimmed().split(' ').value(0).toLongLong() * 1024;  // given in kB
    }
  }
  return std::nullopt;
}

}  // namespace dorvex::testing_support
