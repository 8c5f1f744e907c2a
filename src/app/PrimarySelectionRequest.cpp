// The request options, the request itself and whether the grid shows what they ask for.
#include <QComboBox>
#include <QFont>
#include <QGroupBox>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <algorithm>

#include "ResultGridView.h"
#include "TypeAhead.h"
#include "frmPrimarySelectionForm.h"

namespace quorvel {

int frmPrimarySelectionForm::SelectedNuclideEntry() const {
    const auto selected = lstNuclides_->selectedItems();
    return selected.isEmpty() ? -1 : lstNuclides_->row(selected.front());
}

void frmPrimarySelectionForm::AdvanceTextWithListBoxOptions(const std::string& text) {
    const int selected = SelectedNuclideEntry();
    const int next = TypeAheadSelection(entries_, selected, text);
    if (next == selected) return;
    suppressListClick_ = true;
    if (next >= 0) {
        lstNuclides_->setCurrentRow(next);
        lstNuclides_->scrollToItem(lstNuclides_->item(next));
    } else {
        lstNuclides_->clearSelection();
        lstNuclides_->setCurrentItem(nullptr);
    }
    suppressListClick_ = false;
}

void frmPrimarySelectionForm::SetupTheUnitParameters() {
    for (int i = 0; i < 2; ++i)
        if (optType_[static_cast<std::size_t>(i)]->isChecked()) {
            coefficientType_ = i;
            break;
        }
    for (int i = 0; i < 3; ++i) {
        if (!optCoefficients_[static_cast<std::size_t>(i)]->isChecked()) continue;
        if (i != ExternalPathway) {
            unitCategory_ = 1;
        } else {
            for (int g = 0; g < 3; ++g)
                if (optExternalType_[static_cast<std::size_t>(g)]->isChecked()) {
                    unitCategory_ = g + 2;
                    break;
                }
        }
        break;
    }
    const bool dose = coefficientType_ == DoseCoefficients;
    const UnitTable& units = dose ? units_.DoseUnits : units_.RiskUnits;
    const int saved = (dose ? savedDoseUnit_ : savedRiskUnit_)[static_cast<std::size_t>(unitCategory_)];
    FillUnitsList(unitCategory_, units, 0);
    // A remembered position beyond the list selects its last unit.
    if (combo1_->count() > 0) combo1_->setCurrentIndex(std::min(std::max(saved - 1, 0), combo1_->count() - 1));
    // A category without units has nothing to request.
    cmdGO_->setEnabled(combo1_->count() > 0);
}

void frmPrimarySelectionForm::FillUnitsList(int category, const UnitTable& units, int index) {
    combo1_->clear();
    const auto labels = static_cast<std::size_t>(category);
    for (int position = 1; position <= units.UnitCount(category); ++position)
        combo1_->addItem(QString::fromStdString(units.Labels[labels][static_cast<std::size_t>(position)]));
    if (index < combo1_->count()) combo1_->setCurrentIndex(index);
}

void frmPrimarySelectionForm::Apply() {
    const std::string nuclide = txtSelectedNuclide_->text().toStdString();
    const int type = optType_[0]->isChecked() ? DoseCoefficients : RiskCoefficients;
    int pathway = 0;
    for (int i = 2; i >= 0; --i)
        if (optCoefficients_[static_cast<std::size_t>(i)]->isChecked()) pathway = i;
    int geometry = 0;
    for (int i = 2; i >= 0; --i)
        if (optExternalType_[static_cast<std::size_t>(i)]->isChecked()) geometry = i;
    const int position = combo1_->currentIndex() + 1;
    // Position 0 holds the unit count, not a unit.
    if (position < 1) {
        ChangeTheGridBackGround(false);
        return;
    }

    const auto category = static_cast<std::size_t>(unitCategory_);
    const auto slot = static_cast<std::size_t>(position);
    const UnitTable& units = type == RiskCoefficients ? units_.RiskUnits : units_.DoseUnits;
    const double unitFactor = units.Factors[category][slot];
    const std::string unitName = units.Labels[category][slot];
    (type == RiskCoefficients ? savedRiskUnit_ : savedDoseUnit_)[category] = position;

    // The table is built aside, so that a failure leaves the previous one on screen.
    FlexGrid result = grid_;
    try {
        DispatchCoefficientRequest(databasePath_, nuclide, result, type, pathway, geometry, unitFactor, unitName, ages_, 1,
                                   services_.Busy);
    } catch (const RequestError& e) {
        ChangeTheGridBackGround(false);
        services_.Prompt.ShowMessage(std::string("An error (") + e.what() +
                                     ") occured while looking up the coefficients.  The table shown is the one "
                                     "before this request.");
        return;
    }
    grid_ = std::move(result);
    gridView_->ShowGrid();
    ChangeTheGridBackGround(true);
}

void frmPrimarySelectionForm::ChangeTheGridBackGround(bool current) {
    gridCurrent_ = current;
    grid_.SetBackColour(current ? RgbColour{255, 255, 255} : RgbColour{220, 220, 220});
    gridView_->ShowBackColour();
    cmdGO_->setText(current ? "Updated" : "Press to Update");
    QFont font = cmdGO_->font();
    font.setBold(!current);
    cmdGO_->setFont(font);
    update();
}

}  // namespace quorvel
