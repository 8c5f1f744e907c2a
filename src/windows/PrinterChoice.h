#pragma once
// The installed printers, the application's current printer and its paper, as Page Setup
// uses them.

#include <string>
#include <vector>

#include "PrinterSurface.h"

class QPrinter;

namespace quorvel {

class PrinterChoice {
public:
    virtual ~PrinterChoice() = default;
    // Device names in the order the system lists them.
    virtual std::vector<std::string> PrinterNames() const = 0;
    virtual std::string CurrentPrinterName() const = 0;
    // Makes the named printer the one all later printing uses.
    virtual void SelectPrinter(const std::string& name) = 0;
    // The paper all later printing uses, the PDF file's included.
    PaperSize Paper() const { return paper_; }
    virtual void SelectPaper(PaperSize paper) { paper_ = paper; }

private:
    PaperSize paper_ = PaperSize::Letter;
};

// The choice that prints into a PDF file, listed after the system's printers: where no
// printer is installed it is the only one, and Print then asks for the file.
inline constexpr const char* PdfPrinterName = "Print to PDF";

// The system's printers (Qt's printer list) and the application's QPrinter, with the PDF
// file as one more choice; it is the current one while no printer is chosen.
// The paper is the locale's until one is chosen.
class QtPrinterChoice : public PrinterChoice {
public:
    explicit QtPrinterChoice(QPrinter& printer);
    std::vector<std::string> PrinterNames() const override;
    std::string CurrentPrinterName() const override;
    void SelectPrinter(const std::string& name) override;
    void SelectPaper(PaperSize paper) override;

private:
    QPrinter& printer_;
    bool pdfChosen_ = false;
};

}  // namespace quorvel
