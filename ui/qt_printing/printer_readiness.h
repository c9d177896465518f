#pragma once

#include <QPrinter>
#include <QPrinterInfo>

namespace dorvex {

// The system's default printer when it can take a job now; otherwise throws
// PrintError saying why not: no print service, no printer, no default
// printer, or a default printer that is stopped or refuses jobs.
QPrinterInfo ReadyDefaultPrinter();

// To be called right after the painter on printer has ended: throws
// PrintError when the printer did not take the job it was just given.
void ConfirmJobTaken(const QPrinter& printer);

}  // namespace dorvex
