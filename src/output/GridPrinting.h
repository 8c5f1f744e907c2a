#pragma once
// Printing the result grid as a ruled table: the grid's column widths and row heights
// scaled to the page between fixed margins, the header rows in bold on the first page and
// 30 data rows a page; a page that goes on with a block starts with its heading rows
// again (PrintedPages.h).

#include <optional>
#include <string>
#include <vector>

#include "FlexGrid.h"
#include "PrinterSurface.h"
#include "UserPrompt.h"

namespace quorvel {

inline constexpr int RowsPerPrintedPage = 30;
inline constexpr const char* IllegalFontSizeMessage = "Illegal FontSize! try another one";

// The defaults are the program's own printing; the utility library's variant keeps the
// printer's orientation, repeats the header on every page and, in the data rows, prints
// column 0 bold and left and the other columns plain and centred, whatever the cell fonts.
// With a footer date, every page ends with the footer line (PrintFooter.h) below the
// table: the program's printouts carry it, the library's variant does not.
struct GridPrintingOptions {
    bool KeepOrientation = false;
    bool HeaderOnEveryPage = false;
    bool FixedDataRowFonts = false;
    std::optional<std::string> FooterDate;
};

// Prints the whole grid as one document in the given paper style (1 portrait,
// 2 landscape). Printer failures pass to the caller as exceptions.
void WriteGridResultsToPrinter(const FlexGrid& grid, int paperStyle, PrinterSurface& printer, UserPrompt& prompt,
                               const GridPrintingOptions& options = {});

// The page's coordinate system: the grid's width and rowsPerPage + 2 row heights fill the
// middle 10/12 of the printable area on each axis.
void SetUpThePrinterScale(const FlexGrid& grid, int rowsPerPage, PrinterSurface& printer);

// The footer line in the bottom margin: the description at the grid's left edge, the page
// number ending at its right edge, the description cut where the two would meet.
void PrintTheFooter(const FlexGrid& grid, int rowsPerPage, const std::string& description, int page, int pages,
                    PrinterSurface& printer);

// The header rows in bold with their rules (first page only).
void PrintTheFixedRows(const FlexGrid& grid, PrinterSurface& printer, UserPrompt& prompt);

// Rules and texts of the given grid rows, placed in consecutive slots of the page from
// firstSlot on (slot n at n row-0 heights from the top). In the program's own printing a
// column-0 text too wide for its column spreads over the empty cells to its right, as a
// title in row 0 does, and no rule crosses it. Continued: the rows are headings
// printed again, the first one's column-0 text marked as continued.
void PrintRowsInSlots(const FlexGrid& grid, const std::vector<int>& rows, int firstSlot, PrinterSurface& printer,
                      UserPrompt& prompt, const GridPrintingOptions& options, bool continued);

// Fit a text into a cell box, set the printer's current position for it and return the
// fitted text for the caller to print. Left: cut at the right, indented by cellMargin; a
// text taller than the box is reported and cancels the document. Centred: characters go
// alternately at the right and the left, the margin is 0.05 of the box width whatever
// cellMargin says, and a text still too wide at two characters leaves the cell blank.
std::string PositionTextLeftInCell(double cellMargin, const std::string& text, double left, double right, double top,
                                   double bottom, PrinterSurface& printer, UserPrompt& prompt);
std::string PositionTextCenteredInCell(double cellMargin, const std::string& text, double left, double right,
                                       double top, double bottom, PrinterSurface& printer, UserPrompt& prompt);

}  // namespace quorvel
