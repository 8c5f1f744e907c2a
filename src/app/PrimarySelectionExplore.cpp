#include <QCheckBox>
#include <QLineEdit>
#include <QRadioButton>

#include <sstream>

#include "CatalogueExports.h"
#include "ExploreWindow.h"
#include "RowOutput.h"
#include "frmPrimarySelectionForm.h"

namespace quorvel {

void frmPrimarySelectionForm::ExploreCommand() {
    if (!explore_) {
        try {
            explore_ = new ExploreWindow(databasePath_, services_, this);
        } catch (const std::exception& e) {
            services_.Prompt.ShowMessage(std::string("An error (") + e.what() +
                                         ") occured while opening the database to explore it.");
            return;
        }
        explore_->OnShowNuclide = [this](const std::string& nuclide, const TableKind& kind) {
            optType_[static_cast<std::size_t>(kind.Type)]->click();
            optCoefficients_[static_cast<std::size_t>(kind.PathwayCode)]->click();
            if (kind.IsExternal()) optExternalType_[static_cast<std::size_t>(kind.Geometry)]->click();
            txtSelectedNuclide_->setText(QString::fromStdString(nuclide));
            Apply();
            raise();
            activateWindow();
        };
    }
    explore_->show();
    explore_->raise();
}

void frmPrimarySelectionForm::CloseExploreWindow() {
    delete explore_;
    explore_ = nullptr;
}

void frmPrimarySelectionForm::ExportAllCommand() {
    // With the +D option on, the export is of +D values, as the table shown is.
    std::optional<double> progenyCutoff;
    if (chkProgeny_->isChecked()) {
        progenyCutoff = ReadDurationSeconds(txtProgenyCutoff_->text().toStdString());
        if (!progenyCutoff) {
            services_.Prompt.ShowMessage(std::string("The +D half-life cutoff is not ") + DurationUnitsHelp() + ".");
            return;
        }
    }
    const auto fileName = services_.Files.ChooseSaveFile("*.csv", RowFileFilter);
    if (!fileName) return;
    BusyPointerScope busy(services_.Busy);
    try {
        CoefficientCatalogue catalogue(databasePath_);
        catalogue.IncludeProgeny(progenyCutoff);
        std::ostringstream unused;
        WriteRows(RowFormatOfFile(*fileName), *fileName, unused,
                  [&](RowWriter& writer) { WriteEveryCoefficient(catalogue, writer); });
    } catch (const std::exception& e) {
        services_.Prompt.ShowMessage(std::string("An error (") + e.what() +
                                     ") occured while exporting all coefficients.");
    }
}

}  // namespace quorvel
