// The request options, the request itself and whether the grid shows what they ask for.
#include <QCheckBox>
#include <QComboBox>
#include <QFont>
#include <QGroupBox>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <algorithm>

#include "ChartPane.h"
#include "EmptyResult.h"
#include "GridConventions.h"
#include "NuclideList.h"
#include "NumberText.h"
#include "ResultGridView.h"
#include "TypeAhead.h"
#include "WindowPlacement.h"
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
    const CoefficientRequest options = RequestFromOptions();
    coefficientType_ = options.Kind.Type;
    unitCategory_ = quorvel::UnitCategory(options.Kind);
    const bool dose = coefficientType_ == quorvel::CoefficientType::Dose;
    const UnitTable& units = UnitListOf(session_->Units(), coefficientType_);
    const int saved = (dose ? savedDoseUnit_ : savedRiskUnit_)[static_cast<std::size_t>(unitCategory_)];
    FillUnitsList(unitCategory_, units, 0);
    // A remembered position the list does not have selects its first unit.
    if (combo1_->count() > 0) combo1_->setCurrentIndex(UnitListIndex(saved, combo1_->count()));
    // A category without units has nothing to request.
    cmdGO_->setEnabled(combo1_->count() > 0);
}

void frmPrimarySelectionForm::FillUnitsList(int category, const UnitTable& units, int index) {
    combo1_->clear();
    for (const UnitChoice& unit : units.Units(category)) combo1_->addItem(QString::fromStdString(unit.Name));
    if (index < combo1_->count()) combo1_->setCurrentIndex(index);
}

CoefficientRequest frmPrimarySelectionForm::RequestFromOptions() const {
    CoefficientRequest request;
    request.Nuclide = txtSelectedNuclide_->text().toStdString();
    request.Kind.Type = optType_[0]->isChecked() ? quorvel::CoefficientType::Dose : quorvel::CoefficientType::Risk;
    for (int i = 2; i >= 0; --i)
        if (optCoefficients_[static_cast<std::size_t>(i)]->isChecked()) request.Kind.PathwayCode = CodeAt<Pathway>(i);
    for (int i = 2; i >= 0; --i)
        if (optExternalType_[static_cast<std::size_t>(i)]->isChecked())
            request.Kind.Geometry = CodeAt<ExternalGeometry>(i);
    request.UnitPosition = combo1_->currentIndex() + 1;
    return request;
}

void frmPrimarySelectionForm::Apply() {
    const CoefficientRequest request = RequestFromOptions();
    // An empty units list leaves no unit to request in (position 0 holds the unit count).
    if (request.UnitPosition < 1) {
        ChangeTheGridBackGround(false);
        return;
    }
    std::optional<double> progenyCutoff;
    if (chkProgeny_->isChecked()) {
        progenyCutoff = ReadDurationSeconds(txtProgenyCutoff_->text().toStdString());
        if (!progenyCutoff) {
            ChangeTheGridBackGround(false);
            services_.Prompt.ShowMessage(std::string("The +D half-life cutoff is not ") + DurationUnitsHelp() + ".");
            return;
        }
    }
    // The table is built aside, so that a failure leaves the previous one on screen.
    FlexGrid result = grid_;
    std::optional<ShownTable> shown;
    try {
        ChooseUnit(session_->Units(), request);
        const auto category = static_cast<std::size_t>(quorvel::UnitCategory(request.Kind));
        (request.Kind.IsDose() ? savedDoseUnit_ : savedRiskUnit_)[category] = request.UnitPosition;
        shown = DispatchCoefficientRequest(*session_, request, result, services_.Busy, progenyCutoff);
    } catch (const std::exception& e) {
        ChangeTheGridBackGround(false);
        services_.Prompt.ShowMessage(std::string("An error (") + e.what() +
                                     ") occured while looking up the coefficients.  The table shown is the one "
                                     "before this request.");
        return;
    }
    grid_ = std::move(result);
    shown_ = std::move(shown);
    gridView_->ShowGrid();
    chartDrawn_ = false;
    RefreshChart();
    SetStatusText(IsEmptyResultGrid(grid_) ? EmptyResultExplanation(request)
                  : shown_->Progeny        ? shown_->Progeny->Label + "; point at a value to see its terms."
                                           : std::string());
    ChangeTheGridBackGround(true);
}

std::string frmPrimarySelectionForm::EmptyResultExplanation(const CoefficientRequest& request) const {
    const std::string wanted = FoldCase(request.Nuclide);
    const bool listed = std::any_of(entries_.begin(), entries_.end(),
                                    [&](const std::string& entry) { return FoldCase(EntryNuclide(entry)) == wanted; });
    try {
        return ExplainEmptyResult(session_->Connection(), request, listed);
    } catch (const std::exception&) {
        return {};  // the table stands; only the explanation is missing
    }
}

void frmPrimarySelectionForm::ChangeTheGridBackGround(bool current) {
    gridCurrent_ = current;
    grid_.SetBackColour(current ? CurrentTableColour : StaleTableColour);
    gridView_->ShowBackColour();
    chartPane_->SetCurrent(current);
    cmdGO_->setText(current ? CurrentTableCaption : StaleTableCaption);
    QFont font = cmdGO_->font();
    font.setBold(!current);
    cmdGO_->setFont(font);
    update();
}

}  // namespace quorvel
