#include "RowPrinting.h"

#include "GridConventions.h"
#include "GridPrinting.h"
#include "QtPrinterSurface.h"
#include "TidyTable.h"

namespace quorvel {

namespace {

class TableCapture : public RowWriter {
public:
    void Begin(const std::vector<OutputColumn>& columns, const std::string& unit) override {
        Table.Headings = unit_.Headings(columns, unit);
    }
    void Row(const std::vector<TidyCell>& cells) override { Table.Rows.push_back(unit_.Cells(cells)); }
    void End() override {}

    TidyTable Table;

private:
    UnitColumn unit_;
};

constexpr int Landscape = 2;

}  // namespace

void PrintRows(const RowProducer& produce, DesktopServices& services) {
    if (services.Printers.PrinterNames().empty()) {
        services.Prompt.ShowMessage("No printer is installed.  Use Export . . . to write the rows to a file.");
        return;
    }
    TableCapture capture;
    produce(capture);
    FlexGrid grid = TidyTableGrid(capture.Table);
    for (int c = 0; c < grid.Cols(); ++c) BoldTheCell(grid, 0, c);
    try {
        QtPrinterSurface surface(services.Printer);
        WriteGridResultsToPrinter(grid, Landscape, surface, services.Prompt);
    } catch (const std::exception& e) {
        services.Prompt.ShowMessage(std::string("An error (") + e.what() + ") occured while printing.");
    }
}

}  // namespace quorvel
