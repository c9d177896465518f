#pragma once

#include <string>
#include <string_view>

#include "core/equilibrium.h"

namespace dorvex {

// Replaces line with ListLine(FormatRow(row, decimalSeparator).screen),
// written straight from the row's numbers: a run that does not print needs
// neither the print variant nor the ten field strings, and a line kept from
// row to row is not allocated again.
void AssignListLine(std::string& line, const SweepRow& row, std::string_view decimalSeparator);

}  // namespace dorvex
