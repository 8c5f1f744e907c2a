#include <QCheckBox>
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

namespace {

// The cutoff of the window's +D option, none when it is off; false (the user told) when
// its text is no duration.
bool ReadProgenyOption(const QCheckBox& option, const QLineEdit& cutoffText, UserPrompt& prompt,
                       std::optional<double>& cutoff) {
    cutoff.reset();
    if (!option.isChecked()) return true;
    cutoff = ReadDurationSeconds(cutoffText.text().toStdString());
    if (!cutoff) prompt.ShowMessage(std::string("The +D half-life cutoff is not ") + DurationUnitsHelp() + ".");
    return cutoff.has_value();
}

}  // namespace

void frmPrimarySelectionForm::ExploreCommand() {
    if (!explore_) {
        try {
            explore_ = new ExploreWindow(*session_, services_, this);
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
    std::optional<double> progenyCutoff;
    if (!ReadProgenyOption(*chkProgeny_, *txtProgenyCutoff_, services_.Prompt, progenyCutoff)) return;
    try {
        auto* picker =
            new ComparePicker(*session_, RequestFromOptions(), txtSelectedNuclide_->text().trimmed().toStdString(),
                              progenyCutoff, services_, this);
        picker->show();
    } catch (const std::exception& e) {
        services_.Prompt.ShowMessage(std::string("An error (") + e.what() +
                                     ") occured while opening the database to compare nuclides.");
    }
}

void frmPrimarySelectionForm::ExportAllCommand() {
    // With the +D option on, the export is of +D values, as the table shown is.
    std::optional<double> progenyCutoff;
    if (!ReadProgenyOption(*chkProgeny_, *txtProgenyCutoff_, services_.Prompt, progenyCutoff)) return;
    const auto fileName = services_.Files.ChooseSaveFile(
        SuggestedFileName({"All Coefficients", progenyCutoff ? "+D" : ""}, ".csv"), RowFileFilter);
    if (!fileName) return;
    BusyPointerScope busy(services_.Busy);
    try {
        catalogue_->IncludeProgeny(progenyCutoff);
        std::ostringstream unused;
        WriteRows(RowFormatOfFile(*fileName), *fileName, unused,
                  [&](RowWriter& writer) { WriteEveryCoefficient(*catalogue_, writer); });
    } catch (const std::exception& e) {
        services_.Prompt.ShowMessage(std::string("An error (") + e.what() +
                                     ") occured while exporting all coefficients.");
    }
}

}  // namespace quorvel
