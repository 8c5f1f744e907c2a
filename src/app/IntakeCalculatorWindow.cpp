#include "IntakeCalculatorWindow.h"

#include <QAbstractItemView>
#include <QCheckBox>
#include <QComboBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSplitter>
#include <QTableWidget>
#include <QVBoxLayout>
#include <algorithm>
#include <fstream>
#include <sstream>

#include "FileNameSuggestion.h"
#include "FileReplacement.h"
#include "GridConventions.h"
#include "ResultGridView.h"
#include "RowLimit.h"
#include "ToolWidgets.h"

namespace quorvel {

namespace {

const char* const MixtureFilter = "Mixture (*.csv)|*.csv|All (*.*)|*.*|";
const QColor NotComputedColour(255, 224, 224);

std::size_t ColumnOf(const std::string& name) {
    const auto& columns = MixtureColumns();
    return static_cast<std::size_t>(std::find(columns.begin(), columns.end(), name) - columns.begin());
}

const int FormColumn = static_cast<int>(ColumnOf("form"));
const int DecayColumn = static_cast<int>(ColumnOf("decay"));

// A line edit as wide as the longest text it is meant to hold.
void FitWidth(QLineEdit& edit, const QString& longest) {
    edit.setMinimumWidth(edit.fontMetrics().horizontalAdvance(longest) + 2 * edit.fontMetrics().averageCharWidth());
}

}  // namespace

IntakeCalculatorWindow::IntakeCalculatorWindow(DatabaseSession& session, QWidget* parent)
    : QDialog(parent), session_(session) {
    setObjectName("IntakeCalculatorWindow");
    setWindowTitle("Intake Calculator");
    auto* layout = new QVBoxLayout(this);

    mixture_ = new QTableWidget(0, static_cast<int>(MixtureColumns().size()), this);
    mixture_->setObjectName("Mixture");
    QStringList headings;
    for (const auto& column : MixtureColumns()) headings << QString::fromStdString(column);
    mixture_->setHorizontalHeaderLabels(headings);
    // Short words all: every column in view at once.
    mixture_->horizontalHeader()->setSectionResizeMode(QHeaderView::Stretch);
    UseOneLineRows(*mixture_);
    mixture_->setToolTip(
        "Pathway: ingestion, inhalation, submersion, ground-plane or soil-volume. Form: needed "
        "where the table has several (F, M, S, V, HTO, OBT, f1=0.1 or the form's text). Intake "
        "units: " +
        QString::fromStdString(UnitNames(ActivityUnits())) +
        ". Times (external only): " + QString::fromStdString(UnitNames(TimeUnits())) +
        ". An empty age is the adult. Decay (external only): checked, the deposit decays with "
        "the nuclide's half-life; else it is held constant.");
    connect(mixture_, &QTableWidget::itemChanged, this, [this] { Changed(); });

    const auto button = [this](const char* caption, auto slot) {
        auto* b = new QPushButton(caption, this);
        connect(b, &QPushButton::clicked, this, slot);
        return b;
    };
    auto* rowButtons = new QHBoxLayout;
    rowButtons->addWidget(button("Add Current Nuclide", [this] {
        if (CurrentRow) AddRow(CurrentRow());
    }));
    rowButtons->addWidget(button("Add Row", [this] { AddRow({}); }));
    rowButtons->addWidget(button("Remove Row", [this] {
        if (mixture_->currentRow() >= 0) mixture_->removeRow(mixture_->currentRow());
        Changed();
    }));
    target_ = new QLineEdit(this);
    target_->setObjectName("txtLimitTarget");
    target_->setPlaceholderText("1 mSv or 1E-6");
    target_->setToolTip(
        "The dose (in Sv, mSv, uSv, rem or mrem) or the risk that the current row's intake should give");
    FitWidth(*target_, target_->placeholderText());
    rowButtons->addWidget(target_);
    rowButtons->addWidget(button("Intake Giving . . .", [this] { IntakeGiving(); }));
    rowButtons->addStretch(1);
    rowButtons->addWidget(button("Open Mixture . . .", [this] {
        if (const auto path = ChooseFile ? ChooseFile(false, "", MixtureFilter) : std::nullopt) OpenMixture(*path);
    }));
    rowButtons->addWidget(button("Save Mixture . . .", [this] {
        if (const auto path = ChooseFile ? ChooseFile(true, "*.csv", MixtureFilter) : std::nullopt) SaveMixture(*path);
    }));

    auto* options = new QHBoxLayout;
    options->addWidget(BuildOptions());
    calculate_ = button("Calculate", [this] { Calculate(); });
    calculate_->setObjectName("cmdCalculate");
    options->addWidget(calculate_);
    options->addStretch(1);

    auto* outputs = new QHBoxLayout;
    for (const auto& [caption, output] : std::vector<std::pair<const char*, std::function<void(const FlexGrid&)>*>>{
             {"Print", &PrintTable}, {"Copy", &CopyTable}, {"Spreadsheet", &SpreadsheetTable}})
        outputs->addWidget(button(caption, [this, output = output] {
            if (*output && CurrentResults()) (*output)(results_);
        }));
    outputs->insertWidget(1, button("Export . . .", [this] { Export(); }));
    message_ = new QLabel(this);
    message_->setObjectName("Message");
    message_->setWordWrap(true);
    outputs->addWidget(message_, 1);

    view_ = new ResultGridView(results_, this);
    view_->setObjectName("Results");
    steps_ = new QPlainTextEdit(this);
    steps_->setObjectName("Steps");
    steps_->setReadOnly(true);

    auto* splitter = new QSplitter(Qt::Vertical, this);
    splitter->addWidget(mixture_);
    splitter->addWidget(view_);
    splitter->addWidget(steps_);
    for (const auto& [pane, share] : {std::pair{0, 2}, {1, 3}, {2, 1}}) splitter->setStretchFactor(pane, share);
    layout->addLayout(rowButtons);
    layout->addLayout(options);
    layout->addWidget(splitter, 1);
    layout->addLayout(outputs);
    ResizeWithinScreen(*this, {1100, 700});

    connect(view_->selectionModel(), &QItemSelectionModel::currentChanged, this, [this](const QModelIndex& index) {
        steps_->setPlainText(QString::fromStdString(model_.Steps(index.row() - IntakeResultFirstRow)));
    });
    Changed();
}

QWidget* IntakeCalculatorWindow::BuildOptions() {
    auto* box = new QWidget(this);
    auto* row = new QHBoxLayout(box);
    row->setContentsMargins(0, 0, 0, 0);
    row->addWidget(new QLabel("Organ", box));
    organ_ = new QLineEdit(box);
    organ_->setObjectName("Organ");
    organ_->setPlaceholderText("e.g. Red Marrow");
    organ_->setToolTip("Also the committed equivalent dose of this organ (optional)");
    FitWidth(*organ_, organ_->placeholderText());
    row->addWidget(organ_);
    row->addWidget(new QLabel("Dose unit", box));
    QStringList units;
    for (const auto& unit : DoseUnits()) units << QString::fromStdString(unit.Name);
    doseUnit_ = NamedCombo("cboDoseUnit", units, box, static_cast<int>(units.indexOf("mSv")));
    row->addWidget(doseUnit_);
    row->addWidget(new QLabel("Risk band", box));
    // Until a calculation has read the bands from the risk tables, the lifetime band by name.
    riskBand_ = NamedCombo("cboRiskBand", {"Lifetime"}, box);
    riskBand_->setItemData(0, QString());
    riskBand_->setSizeAdjustPolicy(QComboBox::AdjustToContents);
    riskBand_->setToolTip(
        "The band of age at intake of the risk coefficients; the lifetime band (0-110) by "
        "default, as slope factors are.");
    row->addWidget(riskBand_);
    progeny_ = new QCheckBox("Short-lived progeny (+D)", box);
    progeny_->setObjectName("chkProgeny");
    progeny_->setToolTip("Include the short-lived decay products (+D) whose half-lives are below the cutoff");
    progenyCutoff_ = new QLineEdit("180d", box);
    progenyCutoff_->setObjectName("txtProgenyCutoff");
    FitWidth(*progenyCutoff_, "999.5 d");
    progenyCutoff_->setToolTip(QString("Half-life cutoff of +D: ") + DurationUnitsHelp());
    row->addWidget(progeny_);
    row->addWidget(progenyCutoff_);
    connect(organ_, &QLineEdit::textChanged, this, [this] { Changed(); });
    connect(progenyCutoff_, &QLineEdit::textChanged, this, [this] { Changed(); });
    connect(progeny_, &QCheckBox::toggled, this, [this] { Changed(); });
    for (QComboBox* combo : {doseUnit_, riskBand_})
        connect(combo, &QComboBox::currentIndexChanged, this, [this] { Changed(); });
    return box;
}

void IntakeCalculatorWindow::AddRow(const MixtureRow& row) {
    const int at = mixture_->rowCount();
    filling_ = true;
    mixture_->insertRow(at);
    for (std::size_t c = 0; c < MixtureColumns().size(); ++c) {
        const std::string& text = FieldOf(row, c);
        auto* item = new QTableWidgetItem;
        if (static_cast<int>(c) == DecayColumn) {
            // A check box; a word other than constant or decaying stays as typed, for the
            // calculation to say what is wrong with it.
            const QString word = QString::fromStdString(text).trimmed().toLower();
            item->setFlags(item->flags() | Qt::ItemIsUserCheckable);
            item->setCheckState(word == "decaying" ? Qt::Checked : Qt::Unchecked);
            if (word != "decaying" && word != "constant") item->setText(QString::fromStdString(text));
        } else {
            item->setText(QString::fromStdString(text));
        }
        mixture_->setItem(at, static_cast<int>(c), item);
    }
    filling_ = false;
    Changed();
}

std::vector<MixtureRow> IntakeCalculatorWindow::Rows() const {
    std::vector<MixtureRow> rows;
    for (int r = 0; r < mixture_->rowCount(); ++r) {
        MixtureRow row;
        row.Number = r + 1;
        for (std::size_t c = 0; c < MixtureColumns().size(); ++c)
            if (const QTableWidgetItem* item = mixture_->item(r, static_cast<int>(c)))
                FieldOf(row, c) = static_cast<int>(c) == DecayColumn && item->checkState() == Qt::Checked
                                      ? "decaying"
                                      : item->text().trimmed().toStdString();
        rows.push_back(row);
    }
    return rows;
}

void IntakeCalculatorWindow::SetRows(const std::vector<MixtureRow>& rows) {
    filling_ = true;
    mixture_->setRowCount(0);
    filling_ = false;
    for (const auto& row : rows) AddRow(row);
    Changed();
}

void IntakeCalculatorWindow::Changed() {
    if (filling_) return;
    CalculationOptions options{organ_->text().trimmed().toStdString(), doseUnit_->currentText().toStdString(),
                               riskBand_->currentData().toString().toStdString(), std::nullopt};
    std::string problem;
    if (progeny_->isChecked()) {
        options.ProgenyCutoffSeconds = ReadDurationSeconds(progenyCutoff_->text().toStdString());
        if (!options.ProgenyCutoffSeconds)
            problem = std::string("The +D half-life cutoff is not ") + DurationUnitsHelp() + ".";
    }
    model_.SetRows(Rows());
    model_.SetOptions(options, problem);
    ShowState();
}

void IntakeCalculatorWindow::ShowState() {
    const bool current = model_.Current();
    const bool shown = !model_.Table().Rows.empty();
    results_.SetBackColour(current || !shown ? CurrentTableColour : StaleTableColour);
    view_->ShowBackColour();
    calculate_->setText(current ? CurrentTableCaption : shown ? StaleTableCaption : "Calculate");
    QFont font = calculate_->font();
    font.setBold(!current && shown);
    calculate_->setFont(font);
}

void IntakeCalculatorWindow::IntakeGiving() {
    Changed();
    const int r = mixture_->currentRow();
    const std::vector<MixtureRow> rows = Rows();
    const std::string target = target_->text().trimmed().toStdString();
    if (r < 0 || r >= static_cast<int>(rows.size()) || target.empty()) {
        SetMessage(
            "Select a row of the mixture and type the target beside Intake Giving: a dose (1 mSv) or a risk "
            "(1E-6).");
        return;
    }
    const auto column = [](const char* name) {
        const auto& columns = MixtureColumns();
        return static_cast<int>(std::find(columns.begin(), columns.end(), name) - columns.begin());
    };
    try {
        CoefficientCatalogue catalogue(session_);
        const RowLimit limit =
            LimitOfRow(catalogue, rows[static_cast<std::size_t>(r)], model_.Options(), ReadTarget(target));
        steps_->setPlainText(QString::fromStdString(limit.Steps));
        const std::string amount = limit.Amount + " " + limit.Unit;
        SetMessage("Row " + std::to_string(r + 1) + ": " + amount + " gives " + target + ".");
        if (!AskYesNo || !AskYesNo("Put " + amount + " into row " + std::to_string(r + 1) + "?")) return;
        for (const auto& [name, text] : {std::pair{"amount", limit.Amount}, {"unit", limit.Unit}})
            if (QTableWidgetItem* item = mixture_->item(r, column(name))) item->setText(QString::fromStdString(text));
    } catch (const std::exception& e) {
        SetMessage("Intake giving " + target + ": " + e.what());
    }
}

void IntakeCalculatorWindow::Calculate() {
    Changed();
    try {
        CoefficientCatalogue catalogue(session_);
        if (model_.Calculate(catalogue)) ShowResults();
    } catch (const std::exception& e) {
        model_.SetMessage(std::string("The database could not be read: ") + e.what());
    }
    SetMessage(model_.Message());
    ShowState();
}

void IntakeCalculatorWindow::ShowResults() {
    results_ = ResultGrid(model_.Table());
    view_->ShowGrid();
    // The bands the risk tables offer, the lifetime band (the default) first.
    const auto& bands = model_.Result().RiskBands;
    if (!bands.empty()) {
        const QString chosen = riskBand_->currentData().toString();
        filling_ = true;
        riskBand_->clear();
        riskBand_->addItem(QString::fromStdString(bands.back()), QString());
        for (std::size_t b = 0; b + 1 < bands.size(); ++b)
            riskBand_->addItem(QString::fromStdString(bands[b]), QString::fromStdString(bands[b]));
        riskBand_->setCurrentIndex(std::max(0, riskBand_->findData(chosen)));
        filling_ = false;
    }
    MarkRows();
    if (!model_.Result().Rows.empty()) SelectResult(0);
}

void IntakeCalculatorWindow::MarkRows() {
    filling_ = true;
    const auto& rows = model_.Result().Rows;
    for (int r = 0; r < mixture_->rowCount(); ++r) {
        const RowResult* result = r < static_cast<int>(rows.size()) ? &rows[static_cast<std::size_t>(r)] : nullptr;
        const bool failed = result && !result->Error.empty();
        for (int c = 0; c < mixture_->columnCount(); ++c)
            if (QTableWidgetItem* item = mixture_->item(r, c)) {
                item->setBackground(failed ? QBrush(NotComputedColour) : QBrush());
                item->setToolTip(failed ? QString::fromStdString(result->Error) : QString());
            }
        mixture_->removeCellWidget(r, FormColumn);
        if (!failed || result->FormsToChoose.empty()) continue;
        // The forms the row may name, to pick from in its form cell.
        auto* forms = new QComboBox;
        forms->addItem("(choose)");
        for (const auto& [name, form] : result->FormsToChoose)
            forms->addItem(QString::fromStdString(name == form ? form : name + ": " + form),
                           QString::fromStdString(name));
        // As narrow as its first item in the cell, as wide as the forms in the list.
        forms->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
        forms->setMinimumContentsLength(static_cast<int>(forms->itemText(0).size()));
        forms->view()->setMinimumWidth(forms->view()->sizeHintForColumn(0));
        forms->setToolTip(QString::fromStdString(result->Error));
        connect(forms, &QComboBox::activated, this, [this, forms](int index) {
            for (int at = 0; index > 0 && at < mixture_->rowCount(); ++at) {
                if (mixture_->cellWidget(at, FormColumn) != forms) continue;
                if (QTableWidgetItem* item = mixture_->item(at, FormColumn))
                    item->setText(forms->itemData(index).toString());
                mixture_->removeCellWidget(at, FormColumn);
                return;
            }
        });
        mixture_->setCellWidget(r, FormColumn, forms);
    }
    filling_ = false;
}

bool IntakeCalculatorWindow::CurrentResults() {
    if (!model_.Current()) Calculate();
    return model_.Current();
}

void IntakeCalculatorWindow::Export() {
    if (!CurrentResults() || !ChooseFile) return;
    const auto path = ChooseFile(true, SuggestedFileName({model_.Table().Title.front()}, ".csv"), RowFileFilter);
    if (!path) return;
    std::ostringstream unused;
    try {
        WriteResultTable(model_.Table(), RowFormatOfFile(*path), *path, unused);
        SetMessage("Exported the results to " + *path + ".");
    } catch (const OutputError& e) {
        SetMessage(e.what());
    }
}

void IntakeCalculatorWindow::SelectResult(int mixtureRow) {
    view_->setCurrentIndex(view_->model()->index(IntakeResultFirstRow + mixtureRow, 0));
    steps_->setPlainText(QString::fromStdString(model_.Steps(mixtureRow)));
}

bool IntakeCalculatorWindow::OpenMixture(const std::string& path) {
    std::ifstream file(path, std::ios::binary);
    if (!file) {
        SetMessage("The mixture file " + path + " cannot be read.");
        return false;
    }
    try {
        SetRows(ReadMixture(file));
    } catch (const MixtureFormatError& e) {
        SetMessage("The mixture file " + path + " cannot be read: " + e.what() + ".");
        return false;
    }
    SetMessage("Opened " + path + ".");
    return true;
}

bool IntakeCalculatorWindow::SaveMixture(const std::string& path) {
    if (!ReplaceFileContent(path, WriteMixture(Rows()))) {
        SetMessage("The mixture could not be written to " + path + "; an older file of that name is as it was.");
        return false;
    }
    SetMessage("Saved " + path + ".");
    return true;
}

std::string IntakeCalculatorWindow::Steps() const { return steps_->toPlainText().toStdString(); }

std::string IntakeCalculatorWindow::Message() const { return message_->text().toStdString(); }

void IntakeCalculatorWindow::SetMessage(const std::string& text) { message_->setText(QString::fromStdString(text)); }

}  // namespace quorvel
