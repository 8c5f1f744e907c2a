#include "GridPrinting.h"

#include <algorithm>
#include <vector>

#include "PrintFooter.h"
#include "PrintedPages.h"

namespace quorvel {

namespace {

constexpr RgbColour LineColour{0, 0, 0};
constexpr double CellMarginShare = 0.05;
constexpr double OuterMarginShare = 0.1;

double RightEdgeOfLastColumn(const FlexGrid& grid) {
    const int last = grid.Cols() - 1;
    return grid.ColPos(last) + grid.ColWidth(last);
}

void Rule(PrinterSurface& printer, double x1, double y1, double x2, double y2) {
    printer.DrawLine(x1, y1, x2, y2, LineColour);
}

void PrintFitted(PrinterSurface& printer, const std::string& fitted) {
    if (!fitted.empty()) printer.PrintText(fitted);
}

// Texts are UTF-8: a character is a lead byte with its continuation bytes.
bool IsContinuationByte(char byte) { return (static_cast<unsigned char>(byte) & 0xC0U) == 0x80U; }

void DropLastCharacter(std::string& text) {
    while (!text.empty() && IsContinuationByte(text.back())) text.pop_back();
    if (!text.empty()) text.pop_back();
}

void DropFirstCharacter(std::string& text) {
    std::size_t length = text.empty() ? 0 : 1;
    while (length < text.size() && IsContinuationByte(text[length])) ++length;
    text.erase(0, length);
}

std::size_t CharacterCount(const std::string& text) {
    std::size_t count = 0;
    for (const char byte : text)
        if (!IsContinuationByte(byte)) ++count;
    return count;
}

// The last column a row's column-0 text reaches: its own when the text fits there (in the
// cell's font), else across the empty cells that follow, as far as it needs.
int ColumnZeroSpread(const FlexGrid& grid, int row, const std::string& text, PrinterSurface& printer) {
    if (text.empty() || grid.Cols() < 2) return 0;
    const CellFormat& format = grid.CellFormatAt(row, 0);
    printer.SetFontBold(format.Bold);
    printer.SetFontItalic(format.Italic);
    printer.SetFontSize(format.Size);
    const double width = printer.TextWidth(text) + CellMarginShare * grid.ColWidth(0);
    int last = 0;
    while (grid.ColPos(last) + grid.ColWidth(last) - grid.ColPos(0) < width && last + 1 < grid.Cols() &&
           grid.TextMatrix(row, last + 1).empty())
        ++last;
    return last;
}

}  // namespace

void WriteGridResultsToPrinter(const FlexGrid& grid, int paperStyle, PrinterSurface& printer, UserPrompt& prompt,
                               const GridPrintingOptions& options) {
    if (!options.KeepOrientation) printer.SetOrientation(paperStyle);
    // Counted from the grid's own fixed rows (one in every result grid), so that the
    // page ranges never run past the last row.
    const int fixedRows = grid.FixedRows();
    std::vector<PrintedPage> pages = PlanPrintedPages(grid, RowsPerPrintedPage);
    const int count = static_cast<int>(pages.size());
    for (int page = 1; page <= count; ++page) {
        PrintedPage& rows = pages[static_cast<std::size_t>(page - 1)];
        // The library's variant heads every page with the fixed rows instead.
        if (options.HeaderOnEveryPage) rows.RepeatedRows.clear();
        // Repeated heading rows take the header's slots, and more rows of the page when
        // there are more of them; the 30 rows keep theirs below.
        const int firstSlot = std::max(fixedRows, static_cast<int>(rows.RepeatedRows.size()));
        const int pageRows = RowsPerPrintedPage + firstSlot - fixedRows;
        SetUpThePrinterScale(grid, pageRows, printer);
        if (page == 1 || options.HeaderOnEveryPage) PrintTheFixedRows(grid, printer, prompt);
        if (!rows.RepeatedRows.empty()) PrintRowsInSlots(grid, rows.RepeatedRows, 0, printer, prompt, options, true);
        std::vector<int> own;
        for (int r = rows.FirstRow; r <= rows.LastRow; ++r) own.push_back(r);
        PrintRowsInSlots(grid, own, firstSlot, printer, prompt, options, false);
        if (options.FooterDate)
            PrintTheFooter(grid, pageRows, FooterDescription(grid, *options.FooterDate, rows.FirstRow, rows.LastRow),
                           page, count, printer);
        // As the pages were always sent: a break after every full page, none after the rest.
        if (rows.LastRow - rows.FirstRow + 1 == RowsPerPrintedPage) printer.NewPage();
    }
    printer.EndDoc();
}

void SetUpThePrinterScale(const FlexGrid& grid, int rowsPerPage, PrinterSurface& printer) {
    const double width = RightEdgeOfLastColumn(grid) - grid.ColPos(0);
    const double height = static_cast<double>(grid.RowHeight(0)) * (rowsPerPage + 2);
    printer.SetScale(grid.ColPos(0), grid.RowPos(0), width, height);
    printer.SetScale(printer.ScaleLeft() - OuterMarginShare * width, printer.ScaleTop() - OuterMarginShare * height,
                     (1 + 2 * OuterMarginShare) * width, (1 + 2 * OuterMarginShare) * height);
}

void PrintTheFooter(const FlexGrid& grid, int rowsPerPage, const std::string& description, int page, int pages,
                    PrinterSurface& printer) {
    printer.SetFontBold(false);
    printer.SetFontItalic(false);
    printer.SetFontSize(FlexGrid::DefaultFontSize);
    const double left = grid.ColPos(0);
    const double right = RightEdgeOfLastColumn(grid);
    // In the bottom margin, a third of the way down from the band of rows.
    const double bandHeight = static_cast<double>(grid.RowHeight(0)) * (rowsPerPage + 2);
    const double y = grid.RowPos(0) + bandHeight + OuterMarginShare * bandHeight / 3;
    const std::string number = PageNumberText(page, pages);
    const double numberWidth = printer.TextWidth(number);
    printer.SetCurrentPosition(right - numberWidth, y);
    printer.PrintText(number);
    std::string text = description;
    const double room = right - left - numberWidth - printer.TextWidth("    ");
    while (!text.empty() && printer.TextWidth(text) > room) DropLastCharacter(text);
    if (text.empty()) return;
    printer.SetCurrentPosition(left, y);
    printer.PrintText(text);
}

void PrintTheFixedRows(const FlexGrid& grid, PrinterSurface& printer, UserPrompt& prompt) {
    printer.SetFontBold(true);
    const int fixedRows = grid.FixedRows();
    const int lastCol = grid.Cols() - 1;
    const double gridLeft = grid.ColPos(0);
    const double gridRight = RightEdgeOfLastColumn(grid);
    const double rowHeight0 = grid.RowHeight(0);
    for (int r = 0; r < fixedRows; ++r) {
        for (int c = 0; c <= lastCol; ++c) {
            const std::string& text = grid.TextMatrix(r, c);
            if (text.empty()) continue;
            const double left = grid.ColPos(c);
            double right = left + grid.ColWidth(c);
            const double top = grid.RowPos(r);
            const double bottom = top + grid.RowHeight(r);
            const double cellMargin = CellMarginShare * (right - left);
            std::string fitted;
            if (c == 0 || (r == 0 && fixedRows >= 3)) {
                // A title in row 0 spreads over the empty cells that follow it.
                if (r == 0)
                    for (int next = c + 1; next <= lastCol && grid.TextMatrix(0, next).empty(); ++next)
                        right += grid.ColWidth(next);
                fitted = PositionTextLeftInCell(cellMargin, text, left, right, top, bottom, printer, prompt);
            } else {
                fitted = PositionTextCenteredInCell(cellMargin, text, left, right, top, bottom, printer, prompt);
            }
            PrintFitted(printer, fitted);
            Rule(printer, left, top, left, bottom);
        }
        Rule(printer, gridLeft, r * rowHeight0, gridRight, r * rowHeight0);
    }
    if (fixedRows >= 1) {
        const double gridTop = grid.RowPos(0);
        Rule(printer, gridLeft, gridTop, gridLeft, grid.RowPos(fixedRows - 1));
        const double firstDataRowTop = grid.RowPos(fixedRows - 1) + grid.RowHeight(fixedRows - 1);
        Rule(printer, gridRight, gridTop, gridRight, firstDataRowTop);
        Rule(printer, gridLeft, gridTop, gridRight, gridTop);
    }
}

void PrintRowsInSlots(const FlexGrid& grid, const std::vector<int>& rows, int firstSlot, PrinterSurface& printer,
                      UserPrompt& prompt, const GridPrintingOptions& options, bool continued) {
    printer.SetFontBold(false);
    const int slots = static_cast<int>(rows.size());
    const double rowHeight0 = grid.RowHeight(0);
    const double gridLeft = grid.ColPos(0);
    const double gridRight = RightEdgeOfLastColumn(grid);
    const double dataTop = rowHeight0 * firstSlot;
    const double dataBottom = rowHeight0 * (firstSlot + slots);
    const auto textOf = [&](int k, int c) {
        const std::string& text = grid.TextMatrix(rows[static_cast<std::size_t>(k)], c);
        return continued && k == 0 && c == 0 ? text + ContinuedMark : text;
    };
    // The last column each slot's column-0 text spreads over (0: its own).
    std::vector<int> spreadTo(static_cast<std::size_t>(slots), 0);
    if (!options.FixedDataRowFonts)
        for (int k = 0; k < slots; ++k)
            spreadTo[static_cast<std::size_t>(k)] =
                ColumnZeroSpread(grid, rows[static_cast<std::size_t>(k)], textOf(k, 0), printer);
    for (int c = 0; c < grid.Cols(); ++c) {
        // A rule runs down the page, broken where a spread text crosses it.
        int from = 0;
        for (int k = 0; k <= slots; ++k) {
            if (k < slots && (c == 0 || spreadTo[static_cast<std::size_t>(k)] < c)) continue;
            if (k > from)
                Rule(printer, grid.ColPos(c), rowHeight0 * (firstSlot + from), grid.ColPos(c),
                     rowHeight0 * (firstSlot + k));
            from = k + 1;
        }
    }
    Rule(printer, gridRight, dataTop, gridRight, dataBottom);
    for (int i = 0; i <= slots; ++i)
        Rule(printer, gridLeft, rowHeight0 * (firstSlot + i), gridRight, rowHeight0 * (firstSlot + i));

    for (int k = 0; k < slots; ++k) {
        const int r = rows[static_cast<std::size_t>(k)];
        const int slot = firstSlot + k;
        // Slots below the grid's last row (a page of repeated headings) keep row 0's height.
        const double top = slot < grid.Rows() ? grid.RowPos(slot) : rowHeight0 * slot;
        const double bottom = top + (slot < grid.Rows() ? grid.RowHeight(slot) : rowHeight0);
        for (int c = 0; c < grid.Cols(); ++c) {
            const std::string text = textOf(k, c);
            if (text.empty()) continue;
            const double left = grid.ColPos(c);
            double right = left + grid.ColWidth(c);
            const double cellMargin = CellMarginShare * (right - left);
            if (c == 0 && !options.FixedDataRowFonts) {
                const int spread = spreadTo[static_cast<std::size_t>(k)];
                right = grid.ColPos(spread) + grid.ColWidth(spread);
            }
            if (options.FixedDataRowFonts) {
                printer.SetFontBold(c == 0);
                PrintFitted(
                    printer,
                    c == 0 ? PositionTextLeftInCell(cellMargin, text, left, right, top, bottom, printer, prompt)
                           : PositionTextCenteredInCell(cellMargin, text, left, right, top, bottom, printer, prompt));
                continue;
            }
            const CellFormat& format = grid.CellFormatAt(r, c);
            printer.SetFontBold(format.Bold);
            printer.SetFontItalic(format.Italic);
            printer.SetFontSize(format.Size);
            PrintFitted(printer, PositionTextLeftInCell(cellMargin, text, left, right, top, bottom, printer, prompt));
        }
    }
}

std::string PositionTextLeftInCell(double cellMargin, const std::string& text, double left, double right, double top,
                                   double bottom, PrinterSurface& printer, UserPrompt& prompt) {
    const bool tooTall = printer.TextHeight(text) > bottom - top;
    if (tooTall) prompt.ShowMessage(IllegalFontSizeMessage);
    std::string fitted = text;
    while (!fitted.empty() && printer.TextWidth(fitted) > (right - left) - cellMargin) DropLastCharacter(fitted);
    printer.SetCurrentPosition(left + cellMargin, (top + bottom) / 2 - printer.TextHeight(fitted) / 2);
    if (tooTall) printer.KillDoc();
    return fitted;
}

std::string PositionTextCenteredInCell(double /*cellMargin*/, const std::string& text, double left, double right,
                                       double top, double bottom, PrinterSurface& printer, UserPrompt& prompt) {
    const double cellMargin = CellMarginShare * (right - left);
    if (printer.TextHeight(text) > bottom - top) prompt.ShowMessage(IllegalFontSizeMessage);
    std::string fitted = text;
    bool dropLast = true;
    while (printer.TextWidth(fitted) > (right - left) - cellMargin) {
        if (CharacterCount(fitted) <= 2) return {};
        if (dropLast)
            DropLastCharacter(fitted);
        else
            DropFirstCharacter(fitted);
        dropLast = !dropLast;
    }
    printer.SetCurrentPosition((left + right) / 2 - printer.TextWidth(fitted) / 2,
                               (top + bottom) / 2 - printer.TextHeight(fitted) / 2);
    return fitted;
}

}  // namespace quorvel
