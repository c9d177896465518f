#include "ui/qt_printing/cups_queue.h"

#include <cstring>

#include <cups/cups.h>

namespace dorvex {

bool CupsSchedulerReachable() {
  http_t* connection = httpConnect2(cupsServer(), ippPort(), nullptr, AF_UNSPEC, cupsEncryption(),
                                    1, 5000, nullptr);
  if (connection == nullptr) return false;
  httpClose(connection);
  return true;
}

bool CupsQueueAcceptsJobs(const QString& printerName) {
  const QByteArray name = printerName.section(u'/', 0, 0).toUtf8();
  const QByteArray instance = printerName.section(u'/', 1).toUtf8();
  cups_dest_t* destination = cupsGetNamedDest(CUPS_HTTP_DEFAULT, name.constData(),
                                               instance.isEmpty() ? nullptr : instance.constData());
  if (destination == nullptr) return false;
  const char* accepting = cupsGetOption("printer-is-accepting-jobs", destination->num_options,
                                        destination->options);
  const bool accepts = accepting == nullptr || std::strcmp(accepting, "false") != 0;
  cupsFreeDests(1, destination);
  return accepts;
}

std::optional<std::string> CupsLastRequestFailure() {
  if (cupsLastError() < IPP_STATUS_REDIRECTION_OTHER_SITE) return std::nullopt;
  return std::string(cupsLastErrorString());
}

}  // namespace dorvex
