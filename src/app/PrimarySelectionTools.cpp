// The tool windows of the main window (decay chain, intake calculator) and the outputs it
// lends them, which are those of its own table.
#include <QLineEdit>
#include <QRadioButton>
#include <cstdio>
#include <filesystem>

#include "DecayChainWindow.h"
#include "GridPrintJobs.h"
#include "GridText.h"
#include "IntakeCalculatorWindow.h"
#include "ScientificFormat.h"
#include "SpreadsheetExport.h"
#include "TextExport.h"
#include "frmPrimarySelectionForm.h"

namespace quorvel {

void frmPrimarySelectionForm::DecayChainCommand() {
    if (!decayChain_) {
        decayChain_ = new DecayChainWindow(*session_, this);
        decayChain_->OnShowNuclide = [this](const std::string& nuclide) {
            txtSelectedNuclide_->setText(QString::fromStdString(nuclide));
            Apply();
            raise();
            activateWindow();
        };
    }
    decayChain_->ShowChain(txtSelectedNuclide_->text().trimmed().toStdString());
    decayChain_->show();
    decayChain_->raise();
}

MixtureRow frmPrimarySelectionForm::MixtureRowFromOptions() const {
    const CoefficientRequest request = RequestFromOptions();
    MixtureRow row;
    row.Nuclide = request.Nuclide;
    const TableKind& kind = request.Kind;
    if (kind.IsExternal()) {
        row.Pathway = kind.GeometryWord();
        row.Unit = kind.Geometry == ExternalGeometry::GroundPlane ? "Bq/m2" : "Bq/m3";
        row.TimeUnit = "h";
    } else {
        row.Pathway = PathwayWords()[static_cast<std::size_t>(CodeIndex(kind.PathwayCode))].first;
        row.Age = "Adult";
        row.Unit = "Bq";
    }
    return row;
}

void frmPrimarySelectionForm::IntakeCalculatorCommand() {
    if (!calculator_) {
        calculator_ = new IntakeCalculatorWindow(*session_, this);
        calculator_->CurrentRow = [this] { return MixtureRowFromOptions(); };
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

std::string frmPrimarySelectionForm::ProgenyTermsOfShownCell(int row, int col) const {
    const int index = ShownCellIndex(row, col);
    if (index < 0 || !shown_->Progeny) return {};
    const ProgenyCell& cell = shown_->Progeny->Cells[static_cast<std::size_t>(index)];
    if (!cell.Value) return {};
    std::string text = cell.Parent.Nuclide + ": " + cell.Parent.Text;
    for (const ProgenyTerm& term : cell.Terms) {
        char share[32];
        std::snprintf(share, sizeof share, "%.3g",
                      term.Value && *cell.Value != 0 ? 100 * term.Fraction * *term.Value / *cell.Value : 0.0);
        text += "\n+ " + term.Nuclide + ": " + FormatFraction(term.Fraction) + " x " +
                (term.Value ? FormatScientific(*term.Value) + " (" + share + " % of the sum)"
                            : std::string("missing: no value in this database"));
    }
    return text + "\n= " + FormatScientific(*cell.Value);
}

}  // namespace quorvel
