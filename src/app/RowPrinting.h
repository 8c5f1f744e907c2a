#pragma once
// Printing the explore and compare windows' rows the way the main grid prints, and any grid
// into a PDF file the user names.

#include <string>
#include <vector>

#include "DesktopServices.h"
#include "FlexGrid.h"
#include "RowOutput.h"

namespace quorvel {

// The rows as a grid titled by the name's words (title and headings bold, both again on
// every page the rows go on to), landscape, on the current printer; with the PDF file as
// the printer, into the file asked for (the name offered is what the rows are). No
// printer, or a failure, is shown as a message.
void PrintRows(const RowProducer& produce, DesktopServices& services, const std::vector<std::string>& name);

// Asks for the PDF file, offering the name of what is printed, and prints the grid into it.
void PrintGridToChosenPdf(const FlexGrid& grid, int paperStyle, const std::vector<std::string>& name,
                          DesktopServices& services);

}  // namespace quorvel
