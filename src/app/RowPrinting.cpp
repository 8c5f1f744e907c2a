#include "RowPrinting.h"

#include <filesystem>

#include "FileNameSuggestion.h"
#include "GridConventions.h"
#include "GridPrintJobs.h"
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

void PrintGridToChosenPdf(const FlexGrid& grid, int paperStyle, const std::vector<std::string>& name,
                          DesktopServices& services) {
    const auto fileName = services.Files.ChooseSaveFile(SuggestedFileName(name, ".pdf"), "PDF (*.pdf)|*.pdf|");
    if (!fileName) return;
    std::string path = *fileName;
    if (std::filesystem::path(path).extension().empty()) path += ".pdf";
    PrintGridToPdfFile(grid, paperStyle, path, services.Prompt);
}

void PrintRows(const RowProducer& produce, DesktopServices& services, const std::vector<std::string>& name) {
    if (services.Printers.PrinterNames().empty()) {
        services.Prompt.ShowMessage("No printer is installed.  Use Export . . . to write the rows to a file.");
        return;
    }
    TableCapture capture;
    produce(capture);
    FlexGrid grid = TidyTableGrid(capture.Table);
    for (int c = 0; c < grid.Cols(); ++c) BoldTheCell(grid, 0, c);
    if (services.Printers.CurrentPrinterName() == PdfPrinterName) {
        PrintGridToChosenPdf(grid, Landscape, name, services);
        return;
    }
    try {
        QtPrinterSurface surface(services.Printer);
        WriteGridResultsToPrinter(grid, Landscape, surface, services.Prompt);
    } catch (const std::exception& e) {
        services.Prompt.ShowMessage(std::string("An error (") + e.what() + ") occured while printing.");
    }
}

}  // namespace quorvel
