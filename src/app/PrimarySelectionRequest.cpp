// The request options read into the window's model, the request itself and whether the
// grid shows what they ask for.
#include <QCheckBox>
#include <QComboBox>
#include <QFont>
#include <QGroupBox>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>

#include "ChartPane.h"
#include "GridConventions.h"
#include "ResultGridView.h"
#include "frmPrimarySelectionForm.h"

namespace quorvel {

int frmPrimarySelectionForm::SelectedNuclideEntry() const {
    const auto selected = lstNuclides_->selectedItems();
    return selected.isEmpty() ? -1 : lstNuclides_->row(selected.front());
}

void frmPrimarySelectionForm::AdvanceTextWithListBoxOptions(const std::string& text) {
    const int selected = SelectedNuclideEntry();
    const int next = model_.TypeAheadEntry(selected, text);
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
    ReadOptions();
    FillUnitsList(model_.Units());
    // A category without units has nothing to request.
    cmdGO_->setEnabled(combo1_->count() > 0);
}

void frmPrimarySelectionForm::FillUnitsList(const UnitListState& units) {
    combo1_->clear();
    for (const std::string& name : units.Names) combo1_->addItem(QString::fromStdString(name));
    if (units.Selected >= 0) combo1_->setCurrentIndex(units.Selected);
}

void frmPrimarySelectionForm::ReadOptions() {
    MainWindowOptions options;
    options.Nuclide = txtSelectedNuclide_->text().toStdString();
    const auto checked = [](const auto& buttons) {
        for (std::size_t i = 0; i < buttons.size(); ++i)
            if (buttons[i]->isChecked()) return static_cast<int>(i);
        return 0;
    };
    options.Kind = KindAt(checked(optType_), checked(optCoefficients_), checked(optExternalType_));
    options.UnitIndex = combo1_->currentIndex();
    options.Progeny = chkProgeny_->isChecked();
    options.ProgenyCutoff = txtProgenyCutoff_->text().toStdString();
    model_.SetOptions(options);
}

void frmPrimarySelectionForm::Apply() {
    ReadOptions();
    try {
        if (!model_.Apply()) {
            ChangeTheGridBackGround(false);
            return;
        }
    } catch (const std::exception& e) {
        ChangeTheGridBackGround(false);
        services_.Prompt.ShowMessage(e.what());
        return;
    }
    gridView_->ShowGrid();
    RefreshChart();
    SetStatusText(model_.RequestStatus());
    ChangeTheGridBackGround(true);
}

void frmPrimarySelectionForm::ChangeTheGridBackGround(bool current) {
    model_.SetGridCurrent(current);
    model_.Grid().SetBackColour(current ? CurrentTableColour : StaleTableColour);
    gridView_->ShowBackColour();
    chartPane_->SetCurrent(current);
    cmdGO_->setText(current ? CurrentTableCaption : StaleTableCaption);
    QFont font = cmdGO_->font();
    font.setBold(!current);
    cmdGO_->setFont(font);
    update();
}

}  // namespace quorvel
