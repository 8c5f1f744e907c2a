#include "RowPrinting.h"

#include <filesystem>

#include "FileNameSuggestion.h"
#include "GridPrintJobs.h"
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
    PrintGridToPdfFile(grid, {paperStyle, services.Printers.Paper()}, path, services.Prompt);
}

void PrintRows(const RowProducer& produce, DesktopServices& services, const std::vector<std::string>& name) {
    if (services.Printers.PrinterNames().empty()) {
        services.Prompt.ShowMessage("No printer is installed.  Use Export . . . to write the rows to a file.");
        return;
    }
    TableCapture capture;
    produce(capture);
    std::string title;
    for (const std::string& word : name)
        if (!word.empty()) (title += title.empty() ? "" : " ") += word;
    const FlexGrid grid = TitledTidyTableGrid(capture.Table, title);
    if (services.Printers.CurrentPrinterName() == PdfPrinterName) {
        PrintGridToChosenPdf(grid, Landscape, name, services);
        return;
    }
    PrintGridOnPrinter(grid, Landscape, services.Printer, services.Prompt);
}

}  // namespace quorvel
