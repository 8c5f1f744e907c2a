#pragma once
// The Page Setup dialog: the printer that printing uses, its paper (Letter, A4, Legal) and
// the paper style (1 portrait, 2 landscape).

#include <QDialog>

#include "PrinterChoice.h"

class QComboBox;
class QRadioButton;

namespace quorvel {

class frmPageSetup : public QDialog {
    Q_OBJECT
public:
    explicit frmPageSetup(PrinterChoice& printers, QWidget* parent = nullptr);

    int PaperStyle() const { return paperStyle_; }
    void SetPaperStyle(int paperStyle) { paperStyle_ = paperStyle; }

    // Fills the printer list (the current printer selected), selects the paper and its style and
    // centres the dialog; runs when the dialog shows.
    void Load();

    QComboBox* PrinterComboDropDown() const { return printerCombo_; }
    QComboBox* PaperSizeComboDropDown() const { return paperCombo_; }
    QRadioButton* PaperStyleOptionButton(int index) const { return index == 1 ? portrait_ : landscape_; }

protected:
    void showEvent(QShowEvent* event) override;

private:
    void OKButtonClick();

    PrinterChoice& printers_;
    int paperStyle_ = 2;
    QComboBox* printerCombo_;
    QComboBox* paperCombo_;
    QRadioButton* portrait_;
    QRadioButton* landscape_;
};

}  // namespace quorvel
