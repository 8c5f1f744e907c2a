#include "frmPageSetup.h"

#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

#include "FormCentring.h"

namespace quorvel {

frmPageSetup::frmPageSetup(PrinterChoice& printers, QWidget* parent) : QDialog(parent), printers_(printers) {
    setObjectName("frmPageSetup");
    setWindowTitle("Page Setup");
    setModal(true);
    auto* layout = new QGridLayout(this);
    auto* label = new QLabel("Printer", this);
    label->setObjectName("Label1");
    printerCombo_ = new QComboBox(this);
    printerCombo_->setObjectName("PrinterComboDropDown");
    printerCombo_->setMinimumWidth(260);
    layout->addWidget(label, 0, 0);
    layout->addWidget(printerCombo_, 0, 1, 1, 2);
    auto* paperLabel = new QLabel("Paper", this);
    paperCombo_ = new QComboBox(this);
    paperCombo_->setObjectName("PaperSizeComboDropDown");
    for (const auto& [name, size] : PaperSizeNames()) paperCombo_->addItem(QString::fromStdString(name));
    layout->addWidget(paperLabel, 1, 0);
    layout->addWidget(paperCombo_, 1, 1, 1, 2);

    auto* paper = new QGroupBox(this);
    auto* paperLayout = new QVBoxLayout(paper);
    portrait_ = new QRadioButton("Portrait", paper);
    portrait_->setObjectName("PaperStyleOptionButton1");
    landscape_ = new QRadioButton("Landscape", paper);
    landscape_->setObjectName("PaperStyleOptionButton2");
    paperLayout->addWidget(portrait_);
    paperLayout->addWidget(landscape_);
    layout->addWidget(paper, 2, 0, 1, 3);

    auto* ok = new QPushButton("OK", this);
    ok->setObjectName("OKButton");
    ok->setDefault(true);
    auto* cancel = new QPushButton("Cancel", this);
    cancel->setObjectName("CancelButton");
    layout->addWidget(ok, 3, 1);
    layout->addWidget(cancel, 3, 2);
    connect(ok, &QPushButton::clicked, this, &frmPageSetup::OKButtonClick);
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
}

void frmPageSetup::Load() {
    printerCombo_->clear();
    const std::string current = printers_.CurrentPrinterName();
    for (const std::string& name : printers_.PrinterNames()) {
        printerCombo_->addItem(QString::fromStdString(name));
        // With duplicate names the last one stays selected.
        if (name == current) printerCombo_->setCurrentIndex(printerCombo_->count() - 1);
    }
    if (printerCombo_->count() > 0 && printerCombo_->currentText().toStdString() != current)
        printerCombo_->setCurrentIndex(-1);
    for (std::size_t i = 0; i < PaperSizeNames().size(); ++i)
        if (PaperSizeNames()[i].second == printers_.Paper()) paperCombo_->setCurrentIndex(static_cast<int>(i));
    portrait_->setChecked(paperStyle_ == 1);
    landscape_->setChecked(paperStyle_ == 2);
    adjustSize();
    CenterTheForm(*this);
}

void frmPageSetup::showEvent(QShowEvent* event) {
    Load();
    QDialog::showEvent(event);
}

void frmPageSetup::OKButtonClick() {
    // With no printer installed, or none matching the current one, the printer stays.
    if (printerCombo_->currentIndex() >= 0) printers_.SelectPrinter(printerCombo_->currentText().toStdString());
    printers_.SelectPaper(PaperSizeNames()[static_cast<std::size_t>(paperCombo_->currentIndex())].second);
    if (portrait_->isChecked()) paperStyle_ = 1;
    if (landscape_->isChecked()) paperStyle_ = 2;
    accept();
}

}  // namespace quorvel
