// The tool windows of the main window (decay chain, intake calculator) and the outputs it
// lends them, which are those of its own table.
#include <QLineEdit>
#include <QRadioButton>
#include <filesystem>

#include "DecayChainWindow.h"
#include "GridPrintJobs.h"
#include "GridText.h"
#include "IntakeCalculatorWindow.h"
#include "SpreadsheetExport.h"
#include "TextExport.h"
#include "frmPrimarySelectionForm.h"

namespace quorvel {

void frmPrimarySelectionForm::DecayChainCommand() {
    if (!decayChain_) {
        decayChain_ = new DecayChainWindow(model_.Session(), this);
        decayChain_->OnShowNuclide = [this](const std::string& nuclide) {
            txtSelectedNuclide_->setText(QString::fromStdString(nuclide));
            Apply();
            raise();
            activateWindow();
        };
    }
    ReadOptions();
    decayChain_->ShowChain(model_.ToolNuclide());
    decayChain_->show();
    decayChain_->raise();
}

void frmPrimarySelectionForm::IntakeCalculatorCommand() {
    if (!calculator_) {
        calculator_ = new IntakeCalculatorWindow(model_.Session(), this);
        calculator_->CurrentRow = [this] {
            ReadOptions();
            return model_.CalculatorRow();
        };
        calculator_->ChooseFile = [this](bool save, const std::string& name, const std::string& filter) {
            return save ? services_.Files.ChooseSaveFile(name, filter) : services_.Files.ChooseOpenFile(filter);
        };
        // Named by the calculation's own title.
        const auto name = [](const FlexGrid& table) {
            return std::vector<std::string>{table.Rows() > 0 && table.Cols() > 0 ? table.TextMatrix(0, 0) : ""};
        };
        calculator_->PrintTable = [this, name](const FlexGrid& table) { PrintTable(table, name(table)); };
        calculator_->CopyTable = [this](const FlexGrid& table) { CopyWholeTable(table); };
        calculator_->SpreadsheetTable = [this](const FlexGrid& table) { SpreadsheetTable(table); };
        calculator_->AskYesNo = [this](const std::string& question) { return services_.Prompt.AskYesNo(question); };
    }
    calculator_->show();
    calculator_->raise();
}

}  // namespace quorvel
