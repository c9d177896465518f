#pragma once

#include <optional>
#include <string>

#include <QString>

namespace dorvex {

// What CUPS knows about a print queue that Qt's printing classes do not tell.

// False when the CUPS scheduler cannot be reached at all.
bool CupsSchedulerReachable();

// False when the queue has been told to reject jobs (cupsreject) or is gone;
// printerName may name an instance as "queue/instance".
bool CupsQueueAcceptsJobs(const QString& printerName);

// The scheduler's own words when the last request this thread sent to CUPS
// failed; nothing when it succeeded.
std::optional<std::string> CupsLastRequestFailure();

}  // namespace dorvex
