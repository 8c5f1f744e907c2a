#include "GridPrintJobs.h"

#include <QDate>
#include <QLocale>
#include <QPageSize>
#include <QPrinter>
#include <algorithm>
#include <exception>
#include <fstream>

#include "FileReplacement.h"
#include "GridPrinting.h"
#include "QtPrinterSurface.h"

namespace quorvel {

namespace {

// A whole PDF file ends with its "%%EOF" mark.
bool PdfFileIsComplete(const std::string& path) {
    std::ifstream file(path, std::ios::binary | std::ios::ate);
    const std::streamoff size = file.tellg();
    if (!file || size <= 0) return false;
    const std::streamoff tail = std::min<std::streamoff>(size, 16);
    std::string end(static_cast<std::size_t>(tail), '\0');
    file.seekg(size - tail);
    file.read(end.data(), tail);
    return file && end.find("%%EOF") != std::string::npos;
}

}  // namespace

std::string TodaysDate() { return QDate::currentDate().toString(Qt::ISODate).toStdString(); }

PaperSize LocalePaperSize() {
    return QLocale().measurementSystem() == QLocale::ImperialUSSystem ? PaperSize::Letter : PaperSize::A4;
}

void SetPrinterPaper(QPrinter& printer, PaperSize paper) {
    const QPageSize::PageSizeId id = paper == PaperSize::Letter  ? QPageSize::Letter
                                     : paper == PaperSize::Legal ? QPageSize::Legal
                                                                 : QPageSize::A4;
    printer.setPageSize(QPageSize(id));
}

bool PrintGridOnPrinter(const FlexGrid& grid, int paperStyle, QPrinter& printer, UserPrompt& prompt) {
    try {
        QtPrinterSurface surface(printer);
        GridPrintingOptions options;
        options.FooterDate = TodaysDate();
        WriteGridResultsToPrinter(grid, paperStyle, surface, prompt, options);
        return surface.DocumentPrinted();
    } catch (const std::exception& e) {
        prompt.ShowMessage(std::string("An error (") + e.what() + ") occured while printing.");
        return false;
    }
}

bool PrintGridToPdfFile(const FlexGrid& grid, const PageSetup& setup, const std::string& path, UserPrompt& prompt) {
    bool printed = false;
    const bool replaced = ReplaceFile(path, [&](const std::string& output) {
        QPrinter pdf(QPrinter::HighResolution);
        pdf.setOutputFormat(QPrinter::PdfFormat);
        pdf.setOutputFileName(QString::fromStdString(output));
        SetPrinterPaper(pdf, setup.Paper.value_or(LocalePaperSize()));
        printed = PrintGridOnPrinter(grid, setup.PaperStyle, pdf, prompt);
        return printed && PdfFileIsComplete(output);
    });
    if (printed && !replaced)
        prompt.ShowMessage("An error (the file " + path + " could not be written) occured while printing.");
    return printed && replaced;
}

}  // namespace quorvel
