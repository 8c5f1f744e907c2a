#pragma once
// A grid printed as one document, footer dated today: on a printer, or into a PDF file
// that is put in place only once whole.

#include <string>

#include "FlexGrid.h"
#include "PrinterSurface.h"
#include "UserPrompt.h"

class QPrinter;

namespace quorvel {

// The date the footer shows: today, as YYYY-MM-DD.
std::string TodaysDate();

// The paper of the user's locale: Letter where it measures in US units, else A4.
PaperSize LocalePaperSize();
void SetPrinterPaper(QPrinter& printer, PaperSize paper);

// Prints on the printer in the paper style (1 portrait, 2 landscape). True when a whole
// document was printed; every failure has been shown through the prompt.
bool PrintGridOnPrinter(const FlexGrid& grid, int paperStyle, QPrinter& printer, UserPrompt& prompt);

// Prints into the PDF file on the paper of the setup. Qt's PDF writer does not report a full disk, so the document is
// made beside the file and checked whole before it replaces an older file of that name.
// True when the file was written; every failure has been shown through the prompt.
bool PrintGridToPdfFile(const FlexGrid& grid, const PageSetup& setup, const std::string& path, UserPrompt& prompt);

}  // namespace quorvel
