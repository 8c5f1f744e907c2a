#pragma once
// A grid printed as one document, footer dated today: on a printer, or into a PDF file
// that is put in place only once whole.

#include <string>

#include "FlexGrid.h"
#include "UserPrompt.h"

class QPrinter;

namespace quorvel {

// The date the footer shows: today, as YYYY-MM-DD.
std::string TodaysDate();

// Prints on the printer in the paper style (1 portrait, 2 landscape). True when a whole
// document was printed; every failure has been shown through the prompt.
bool PrintGridOnPrinter(const FlexGrid& grid, int paperStyle, QPrinter& printer, UserPrompt& prompt);

// Prints into the PDF file. Qt's PDF writer does not report a full disk, so the document is
// made beside the file and checked whole before it replaces an older file of that name.
// True when the file was written; every failure has been shown through the prompt.
bool PrintGridToPdfFile(const FlexGrid& grid, int paperStyle, const std::string& path, UserPrompt& prompt);

}  // namespace quorvel
