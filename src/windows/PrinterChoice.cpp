#include "PrinterChoice.h"

#include <QPrinter>
#include <QPrinterInfo>

namespace quorvel {

std::vector<std::string> QtPrinterChoice::PrinterNames() const {
    std::vector<std::string> names;
    for (const QString& name : QPrinterInfo::availablePrinterNames()) names.push_back(name.toStdString());
    return names;
}

std::string QtPrinterChoice::CurrentPrinterName() const { return printer_.printerName().toStdString(); }

void QtPrinterChoice::SelectPrinter(const std::string& name) {
    printer_.setOutputFormat(QPrinter::NativeFormat);
    printer_.setPrinterName(QString::fromStdString(name));
}

}  // namespace quorvel
