#include "PrinterChoice.h"

#include <QPrinter>
#include <QPrinterInfo>

#include "GridPrintJobs.h"

namespace quorvel {

QtPrinterChoice::QtPrinterChoice(QPrinter& printer) : printer_(printer) {
    QtPrinterChoice::SelectPaper(LocalePaperSize());
}

std::vector<std::string> QtPrinterChoice::PrinterNames() const {
    std::vector<std::string> names;
    for (const QString& name : QPrinterInfo::availablePrinterNames()) names.push_back(name.toStdString());
    names.push_back(PdfPrinterName);
    return names;
}

std::string QtPrinterChoice::CurrentPrinterName() const {
    if (pdfChosen_ || printer_.printerName().isEmpty()) return PdfPrinterName;
    return printer_.printerName().toStdString();
}

void QtPrinterChoice::SelectPrinter(const std::string& name) {
    pdfChosen_ = name == PdfPrinterName;
    if (pdfChosen_) return;
    printer_.setOutputFormat(QPrinter::NativeFormat);
    printer_.setPrinterName(QString::fromStdString(name));
    // Another printer starts from its own default paper.
    SetPrinterPaper(printer_, Paper());
}

void QtPrinterChoice::SelectPaper(PaperSize paper) {
    PrinterChoice::SelectPaper(paper);
    SetPrinterPaper(printer_, paper);
}

}  // namespace quorvel
