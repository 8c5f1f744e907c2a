#pragma once
// Printing the explore and compare windows' rows the way the main grid prints.

#include "DesktopServices.h"
#include "RowOutput.h"

namespace quorvel {

// The rows as a grid, headings bold, landscape, on the current printer. No printer, or a
// failure, is shown as a message.
void PrintRows(const RowProducer& produce, DesktopServices& services);

}  // namespace quorvel
