#include <QLineEdit>
#include <QRadioButton>
#include <sstream>

#include "CatalogueExports.h"
#include "ComparePicker.h"
#include "ExploreWindow.h"
#include "FileNameSuggestion.h"
#include "RowOutput.h"
#include "frmPrimarySelectionForm.h"

namespace quorvel {

void frmPrimarySelectionForm::ExploreCommand() {
    if (!explore_) {
        try {
            explore_ = new ExploreWindow(model_.Session(), services_, this);
        } catch (const std::exception& e) {
            services_.Prompt.ShowMessage(std::string("An error (") + e.what() +
                                         ") occured while opening the database to explore it.");
            return;
        }
        explore_->OnShowNuclide = [this](const std::string& nuclide, const TableKind& kind) {
            optType_[static_cast<std::size_t>(CodeIndex(kind.Type))]->click();
            optCoefficients_[static_cast<std::size_t>(CodeIndex(kind.PathwayCode))]->click();
            if (kind.IsExternal()) optExternalType_[static_cast<std::size_t>(CodeIndex(kind.Geometry))]->click();
            txtSelectedNuclide_->setText(QString::fromStdString(nuclide));
            Apply();
            raise();
            activateWindow();
        };
    }
    explore_->show();
    explore_->raise();
}

void frmPrimarySelectionForm::CompareCommand() {
    ReadOptions();
    try {
        auto* picker = new ComparePicker(model_.Session(), model_.Request(), model_.ToolNuclide(),
                                         model_.ProgenyCutoffSeconds(), services_, this);
        picker->show();
    } catch (const ProgenyCutoffError& e) {
        services_.Prompt.ShowMessage(e.what());
    } catch (const std::exception& e) {
        services_.Prompt.ShowMessage(std::string("An error (") + e.what() +
                                     ") occured while opening the database to compare nuclides.");
    }
}

void frmPrimarySelectionForm::ExportAllCommand() {
    // With the +D option on, the export is of +D values, as the table shown is.
    ReadOptions();
    std::optional<double> progenyCutoff;
    try {
        progenyCutoff = model_.ProgenyCutoffSeconds();
    } catch (const ProgenyCutoffError& e) {
        services_.Prompt.ShowMessage(e.what());
        return;
    }
    const auto fileName = services_.Files.ChooseSaveFile(
        SuggestedFileName({"All Coefficients", progenyCutoff ? "+D" : ""}, ".csv"), RowFileFilter);
    if (!fileName) return;
    BusyPointerScope busy(services_.Busy);
    try {
        model_.Catalogue().IncludeProgeny(progenyCutoff);
        std::ostringstream unused;
        WriteRows(RowFormatOfFile(*fileName), *fileName, unused,
                  [&](RowWriter& writer) { WriteEveryCoefficient(model_.Catalogue(), writer); });
    } catch (const std::exception& e) {
        services_.Prompt.ShowMessage(std::string("An error (") + e.what() +
                                     ") occured while exporting all coefficients.");
    }
}

}  // namespace quorvel
