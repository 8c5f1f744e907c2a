#include "ExploreWindow.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTabWidget>
#include <QTableWidget>
#include <QVBoxLayout>
#include <algorithm>
#include <sstream>

#include "ChartPane.h"
#include "CompareWindow.h"
#include "FileNameSuggestion.h"
#include "GridPrintJobs.h"
#include "LimitMeasure.h"
#include "NuclideCharts.h"
#include "RowOutput.h"
#include "RowPrinting.h"
#include "ToolWidgets.h"

namespace quorvel {

namespace {

constexpr std::size_t RankedBars = 20;

// Forms are long ("f1 = 0.005 (3 Months), ..."); the other columns are short.
constexpr int ColumnWidths[] = {40, 110, 80, 90, 420, 110};

constexpr RowColumn Columns[] = {RowColumn::Z,    RowColumn::Element, RowColumn::Nuclide, RowColumn::HalfLife,
                                 RowColumn::Form, RowColumn::Value,   RowColumn::Source};

QLineEdit* Edit(const char* name, const char* hint, QWidget* parent) {
    auto* edit = new QLineEdit(parent);
    edit->setObjectName(name);
    edit->setPlaceholderText(hint);
    return edit;
}

void Fill(QComboBox* combo, const std::vector<std::string>& items, const std::string& chosen) {
    combo->clear();
    for (const auto& item : items) combo->addItem(QString::fromStdString(item));
    combo->setCurrentText(QString::fromStdString(chosen));
    combo->setEnabled(!items.empty());
}

}  // namespace

ExploreWindow::ExploreWindow(DatabaseSession& session, DesktopServices& services, QWidget* parent)
    : QDialog(parent), services_(services), catalogue_(std::make_unique<CoefficientCatalogue>(session)) {
    setObjectName("frmExplore");
    setWindowTitle("Explore All Nuclides");
    model_ = std::make_unique<ExploreModel>(*catalogue_, *this);
    BuildControls();
    KindChanged();
}

ExploreWindow::~ExploreWindow() = default;

void ExploreWindow::BuildControls() {
    auto* layout = new QVBoxLayout(this);
    auto* choices = new QFormLayout;
    type_ = NamedCombo("cboType", {"Dose", "Risk"}, this);
    pathway_ = NamedCombo("cboPathway", {"Ingestion", "Inhalation", "External"}, this);
    geometry_ = NamedCombo("cboGeometry", {"Submersion", "Ground Plane", "Soil Volume"}, this);
    age_ = NamedCombo("cboAge", {}, this);
    descriptor_ = NamedCombo("cboDescriptor", {}, this);
    intake_ = NamedCombo("cboIntake", {}, this);
    outcome_ = NamedCombo("cboOutcome", {"Mortality", "Morbidity"}, this);
    unit_ = NamedCombo("cboUnit", {}, this);
    auto* kind = new QHBoxLayout;
    for (QComboBox* combo : {type_, pathway_, geometry_}) kind->addWidget(combo);
    target_ = Edit("txtLimitTarget", "a dose (1 mSv) or risk (1E-6)", this);
    target_->setToolTip(
        "Show the screening limit of each nuclide in place of its coefficient: the intake (external: "
        "the time-integrated concentration) giving this dose or risk, target / coefficient");
    connect(target_, &QLineEdit::editingFinished, this, [this] { TargetChanged(); });
    kind->addWidget(new QLabel("Limit giving", this));
    kind->addWidget(target_);
    choices->addRow("Table", kind);
    auto* cell = new QHBoxLayout;
    for (QComboBox* combo : {age_, descriptor_, intake_, outcome_}) cell->addWidget(combo);
    choices->addRow("Cell", cell);
    auto* units = new QHBoxLayout;
    units->addWidget(unit_, 1);
    progeny_ = new QCheckBox("Include short-lived progeny (+D)", this);
    progeny_->setObjectName("chkProgeny");
    progenyCutoff_ = Edit("txtProgenyCutoff", "half-life cutoff", this);
    progenyCutoff_->setText("180d");
    progenyCutoff_->setMaximumWidth(100);
    units->addWidget(progeny_);
    units->addWidget(progenyCutoff_);
    choices->addRow("Units", units);
    text_ = Edit("txtName", "name or element", this);
    zMin_ = Edit("txtZMin", "Z from", this);
    zMax_ = Edit("txtZMax", "Z to", this);
    halfLifeMin_ = Edit("txtHalfLifeMin", "half-life from, e.g. 1d", this);
    halfLifeMax_ = Edit("txtHalfLifeMax", "half-life to, e.g. 30y", this);
    valueMin_ = Edit("txtValueMin", "value from", this);
    valueMax_ = Edit("txtValueMax", "value to", this);
    top_ = Edit("txtTop", "top N", this);
    auto* filters = new QHBoxLayout;
    for (QLineEdit* edit : {text_, zMin_, zMax_, halfLifeMin_, halfLifeMax_, valueMin_, valueMax_, top_}) {
        filters->addWidget(edit);
        connect(edit, &QLineEdit::editingFinished, this, [this] { FilterChanged(); });
    }
    choices->addRow("Filter", filters);
    layout->addLayout(choices);

    message_ = new QLabel(this);
    message_->setObjectName("lblMessage");
    layout->addWidget(message_);
    table_ = new QTableWidget(0, 7, this);
    table_->setObjectName("tblRows");
    table_->setHorizontalHeaderLabels({"Z", "Element", "Nuclide", "Half-life", "Form", "Value", "Source"});
    table_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    UseOneLineRows(*table_);
    table_->setSelectionBehavior(QAbstractItemView::SelectRows);
    table_->setSelectionMode(QAbstractItemView::ExtendedSelection);
    table_->horizontalHeader()->setStretchLastSection(true);
    table_->setWordWrap(false);
    for (int c = 0; c < 6; ++c) table_->setColumnWidth(c, ColumnWidths[c]);
    chart_ = new ChartPane(services_, false, this);
    tabs_ = new QTabWidget(this);
    tabs_->setObjectName("tabRows");
    tabs_->addTab(table_, "Table");
    tabs_->addTab(chart_, "Chart");
    connect(tabs_, &QTabWidget::currentChanged, this, [this] { DrawRanking(); });
    layout->addWidget(tabs_);

    auto* buttons = new QHBoxLayout;
    const auto button = [&](const char* name, const char* caption, auto slot) {
        auto* b = new QPushButton(caption, this);
        b->setObjectName(name);
        connect(b, &QPushButton::clicked, this, slot);
        buttons->addWidget(b);
    };
    button("cmdExport", "Export . . .", [this] { Export(); });
    button("cmdCopy", "Copy", [this] { CopyRows(); });
    button("cmdPrint", "Print",
           [this] { PrintRows([this](RowWriter& writer) { model_->WriteShown(writer); }, services_, FileName()); });
    button("cmdCompare", "Compare Selected . . .", [this] { CompareSelected(); });
    button("cmdClose", "Close", [this] { close(); });
    layout->addLayout(buttons);
    ResizeWithinScreen(*this, {1100, 700});

    for (QComboBox* combo : {type_, pathway_, geometry_})
        connect(combo, &QComboBox::currentIndexChanged, this, [this] { KindChanged(); });
    const auto onText = [this](QComboBox* combo, auto set) {
        connect(combo, &QComboBox::currentTextChanged, this, [this, set](const QString& text) {
            if (!filling_) (model_.get()->*set)(text.toStdString());
        });
    };
    onText(age_, &ExploreModel::SetAge);
    onText(descriptor_, &ExploreModel::SetDescriptor);
    onText(intake_, &ExploreModel::SetIntake);
    connect(outcome_, &QComboBox::currentIndexChanged, this, [this](int index) {
        if (!filling_) model_->SetOutcome(CodeAt<RiskOutcome>(index));
    });
    connect(unit_, &QComboBox::currentIndexChanged, this, [this](int index) {
        if (!filling_ && index >= 0) model_->SetUnitPosition(index + 1);
    });
    const auto progenyChanged = [this] {
        if (!progeny_->isChecked()) {
            model_->SetProgeny(std::nullopt);
            return;
        }
        const auto cutoff = ReadDurationSeconds(progenyCutoff_->text().toStdString());
        if (!cutoff) {
            ShowMessage(std::string("The +D half-life cutoff is not ") + DurationUnitsHelp() + ".");
            return;
        }
        model_->SetProgeny(cutoff);
    };
    connect(progeny_, &QCheckBox::toggled, this, progenyChanged);
    connect(progenyCutoff_, &QLineEdit::editingFinished, this, progenyChanged);
    connect(table_->horizontalHeader(), &QHeaderView::sectionClicked, this,
            [this](int column) { HeaderClicked(column); });
    connect(table_, &QTableWidget::cellDoubleClicked, this, [this](int row, int) {
        const auto& rows = model_->Shown();
        if (OnShowNuclide && row >= 0 && static_cast<std::size_t>(row) < rows.size())
            OnShowNuclide(rows[static_cast<std::size_t>(row)].Nuclide.Nuclide, model_->Chosen().Kind);
    });
}

void ExploreWindow::KindChanged() {
    if (filling_) return;
    const TableKind kind = KindAt(type_->currentIndex(), pathway_->currentIndex(), geometry_->currentIndex());
    geometry_->setEnabled(kind.IsExternal());
    model_->SetKind(kind);
}

void ExploreWindow::TargetChanged() {
    const std::string target = target_->text().trimmed().toStdString();
    if (target.empty() && !limits_) return;
    limits_ = !target.empty();
    model_->SetMeasure(limits_ ? std::make_shared<LimitMeasure>(*catalogue_, target) : nullptr);
    // The most restrictive limit first, as the highest coefficient.
    sortColumn_ = 5;
    ascending_ = limits_;
    model_->SortBy(RowColumn::Value, ascending_);
}

void ExploreWindow::FilterChanged() {
    const auto text = [](QLineEdit* edit) { return edit->text().toStdString(); };
    FilterTexts filter;
    filter.Text = text(text_);
    filter.ZMin = text(zMin_);
    filter.ZMax = text(zMax_);
    filter.HalfLifeMin = text(halfLifeMin_);
    filter.HalfLifeMax = text(halfLifeMax_);
    filter.ValueMin = text(valueMin_);
    filter.ValueMax = text(valueMax_);
    filter.Top = text(top_);
    model_->SetFilter(filter);
}

void ExploreWindow::HeaderClicked(int column) {
    if (column < 0 || column >= static_cast<int>(std::size(Columns))) return;
    // A second click on the same column turns the order round.
    ascending_ = column == sortColumn_ ? !ascending_ : column != 5 || limits_;
    sortColumn_ = column;
    model_->SortBy(Columns[column], ascending_);
}

void ExploreWindow::ShowChoices(const QuantityChoices& choices, const std::vector<std::string>& units,
                                const Quantity& chosen) {
    filling_ = true;
    Fill(age_, choices.Ages, chosen.Age);
    Fill(descriptor_, choices.Descriptors, chosen.Descriptor);
    Fill(intake_, choices.Intakes, chosen.Intake);
    outcome_->setCurrentIndex(CodeIndex(chosen.Outcome));
    outcome_->setEnabled(!chosen.Kind.IsDose());
    Fill(unit_, units, units.empty() ? std::string() : units.front());
    filling_ = false;
}

void ExploreWindow::ShowRows(const std::vector<CatalogueRow>& rows, const std::string& unit) {
    table_->setRowCount(static_cast<int>(rows.size()));
    const QString heading = QString::fromStdString(ValueTitle(unit));
    const QTableWidgetItem* shown = table_->horizontalHeaderItem(5);
    if (!shown || shown->text() != heading) {
        // A limit's heading says what it limits: wide enough to read, the forms giving it room.
        const int wide = std::max(
            ColumnWidths[5], limits_ ? table_->horizontalHeader()->fontMetrics().horizontalAdvance(heading) + 24 : 0);
        table_->setColumnWidth(5, wide);
        table_->setColumnWidth(4, std::max(ColumnWidths[4] / 2, ColumnWidths[4] + ColumnWidths[5] - wide));
    }
    table_->setHorizontalHeaderItem(5, new QTableWidgetItem(heading));
    for (std::size_t r = 0; r < rows.size(); ++r) {
        const CatalogueRow& row = rows[r];
        const std::string texts[] = {
            row.Nuclide.Z, row.Nuclide.Element, row.Nuclide.Nuclide, row.Nuclide.HalfLife, row.Form,
            row.Text,      row.Source};
        for (int c = 0; c < 7; ++c)
            table_->setItem(static_cast<int>(r), c, new QTableWidgetItem(QString::fromStdString(texts[c])));
    }
    shownUnit_ = unit;
    DrawRanking();
}

void ExploreWindow::DrawRanking() {
    if (!tabs_ || tabs_->currentWidget() != chart_) return;
    // As many bars as the filter's top N, else as many as stay readable.
    bool given = false;
    const std::size_t top = top_->text().trimmed().toUInt(&given);
    // The largest coefficients or the lowest limits first, whatever column the table is
    // sorted by; rows without a value last.
    std::vector<CatalogueRow> rows = model_->Shown();
    std::stable_sort(rows.begin(), rows.end(), [this](const CatalogueRow& a, const CatalogueRow& b) {
        return a.Value.has_value() && (!b.Value || (limits_ ? *a.Value < *b.Value : *a.Value > *b.Value));
    });
    const std::string quantity = QuantityChartTitle(model_->Chosen(), true);
    const std::string title = limits_ ? shownUnit_ + ": " + quantity : quantity;
    const ChartData ranking = RankingChart(rows, title, ValueTitle(shownUnit_), given && top > 0 ? top : RankedBars);
    chart_->SetFileName(FileName());
    chart_->ShowChart(ranking, title + " | " + TodaysDate());
}

std::vector<std::string> ExploreWindow::FileName() const {
    if (limits_)
        return {"Limits", target_->text().trimmed().toStdString() + ", " + QuantityChartTitle(model_->Chosen(), true)};
    return {"Ranking", QuantityChartTitle(model_->Chosen(), true)};
}

std::string ExploreWindow::ValueTitle(const std::string& unit) const {
    // A limit's unit says what it limits ("Intake giving 1.00 mSv (Bq)").
    return limits_ ? unit : "Value (" + unit + ")";
}

void ExploreWindow::ShowMessage(const std::string& message) { message_->setText(QString::fromStdString(message)); }

void ExploreWindow::Export() {
    const auto fileName = services_.Files.ChooseSaveFile(SuggestedFileName(FileName(), ".csv"), RowFileFilter);
    if (!fileName) return;
    std::ostringstream unused;
    try {
        WriteRows(RowFormatOfFile(*fileName), *fileName, unused,
                  [this](RowWriter& writer) { model_->WriteShown(writer); });
    } catch (const OutputError& e) {
        ShowMessage(e.what());
    }
}

void ExploreWindow::CompareSelected() {
    std::vector<std::string> nuclides;
    const auto& rows = model_->Shown();
    for (int r = 0; r < table_->rowCount(); ++r) {
        if (!table_->item(r, 0) || !table_->item(r, 0)->isSelected() || static_cast<std::size_t>(r) >= rows.size())
            continue;
        const std::string& nuclide = rows[static_cast<std::size_t>(r)].Nuclide.Nuclide;
        if (std::find(nuclides.begin(), nuclides.end(), nuclide) == nuclides.end()) nuclides.push_back(nuclide);
    }
    if (nuclides.empty()) {
        ShowMessage("Select the rows of the nuclides to compare (up to " + std::to_string(MostComparedNuclides) + ").");
        return;
    }
    auto* window = new CompareWindow(*catalogue_, model_->Chosen(), nuclides, services_, this);
    window->show();
}

void ExploreWindow::CopyRows() {
    std::ostringstream text;
    WriteRows(RowFormat::Tsv, "", text, [this](RowWriter& writer) { model_->WriteShown(writer); });
    services_.Clipboard.Clear();
    services_.Clipboard.SetText(text.str());
}

}  // namespace quorvel
