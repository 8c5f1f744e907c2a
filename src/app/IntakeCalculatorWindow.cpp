#include "IntakeCalculatorWindow.h"

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
#include <fstream>
#include <sstream>

#include "FileReplacement.h"
#include "IntakeResultGrid.h"
#include "ResultGridView.h"
#include "ToolWidgets.h"

namespace quorvel {

namespace {

// The fields of a row in the order of the mixture's columns.
std::vector<std::string*> FieldsOf(MixtureRow& row) {
    return {&row.Nuclide, &row.Pathway, &row.Form, &row.Intake,  &row.Age,
            &row.Amount,  &row.Unit,    &row.Time, &row.TimeUnit};
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
    mixture_->horizontalHeader()->setStretchLastSection(true);
    mixture_->setToolTip("Pathway: ingestion, inhalation, submersion, ground-plane or soil-volume. Intake units: " +
                         QString::fromStdString(UnitNames(ActivityUnits())) +
                         ". Times (external only): " + QString::fromStdString(UnitNames(TimeUnits())) +
                         ". An empty form is the first form; an empty age the adult.");

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
    }));
    rowButtons->addStretch(1);
    rowButtons->addWidget(button("Open Mixture . . .", [this] {
        if (const auto path = ChooseFile ? ChooseFile(false) : std::nullopt) OpenMixture(*path);
    }));
    rowButtons->addWidget(button("Save Mixture . . .", [this] {
        if (const auto path = ChooseFile ? ChooseFile(true) : std::nullopt) SaveMixture(*path);
    }));

    auto* calculation = new QHBoxLayout;
    calculation->addWidget(new QLabel("Organ", this));
    organ_ = new QLineEdit(this);
    organ_->setObjectName("Organ");
    organ_->setPlaceholderText("optional, e.g. Red Marrow");
    calculation->addWidget(organ_);
    calculation->addWidget(new QLabel("Dose unit", this));
    doseUnit_ = new QComboBox(this);
    for (const auto& unit : DoseUnits()) doseUnit_->addItem(QString::fromStdString(unit.Name));
    doseUnit_->setCurrentText("mSv");
    calculation->addWidget(doseUnit_);
    progeny_ = new QCheckBox("Include short-lived progeny (+D)", this);
    progeny_->setObjectName("chkProgeny");
    progenyCutoff_ = new QLineEdit("180d", this);
    progenyCutoff_->setObjectName("txtProgenyCutoff");
    progenyCutoff_->setMaximumWidth(80);
    progenyCutoff_->setToolTip(QString("Half-life cutoff of +D: ") + DurationUnitsHelp());
    calculation->addWidget(progeny_);
    calculation->addWidget(progenyCutoff_);
    calculation->addWidget(button("Calculate", [this] { Calculate(); }));
    calculation->addStretch(1);
    for (const auto& [caption, output] :
         std::vector<std::pair<const char*, std::function<void(const FlexGrid&)>*>>{{"Print", &PrintTable},
                                                                                    {"Export", &ExportTable},
                                                                                    {"Copy", &CopyTable},
                                                                                    {"Spreadsheet", &SpreadsheetTable}})
        calculation->addWidget(button(caption, [this, output = output] {
            if (*output) (*output)(results_);
        }));

    view_ = new ResultGridView(results_, this);
    view_->setObjectName("Results");
    steps_ = new QPlainTextEdit(this);
    steps_->setObjectName("Steps");
    steps_->setReadOnly(true);
    message_ = new QLabel(this);
    message_->setObjectName("Message");
    message_->setWordWrap(true);

    auto* splitter = new QSplitter(Qt::Vertical, this);
    splitter->addWidget(mixture_);
    splitter->addWidget(view_);
    splitter->addWidget(steps_);
    layout->addLayout(rowButtons);
    layout->addLayout(calculation);
    layout->addWidget(splitter, 1);
    layout->addWidget(message_);
    ResizeWithinScreen(*this, {1100, 700});

    connect(view_->selectionModel(), &QItemSelectionModel::currentChanged, this,
            [this](const QModelIndex& index) { ShowSteps(index.row() - IntakeResultFirstRow); });
}

void IntakeCalculatorWindow::AddRow(const MixtureRow& row) {
    const int at = mixture_->rowCount();
    mixture_->insertRow(at);
    MixtureRow copy = row;
    const auto fields = FieldsOf(copy);
    for (std::size_t c = 0; c < fields.size(); ++c)
        mixture_->setItem(at, static_cast<int>(c), new QTableWidgetItem(QString::fromStdString(*fields[c])));
}

std::vector<MixtureRow> IntakeCalculatorWindow::Rows() const {
    std::vector<MixtureRow> rows;
    for (int r = 0; r < mixture_->rowCount(); ++r) {
        MixtureRow row;
        row.Number = r + 1;
        const auto fields = FieldsOf(row);
        for (std::size_t c = 0; c < fields.size(); ++c)
            if (const QTableWidgetItem* item = mixture_->item(r, static_cast<int>(c)))
                *fields[c] = item->text().trimmed().toStdString();
        rows.push_back(row);
    }
    return rows;
}

void IntakeCalculatorWindow::SetRows(const std::vector<MixtureRow>& rows) {
    mixture_->setRowCount(0);
    for (const auto& row : rows) AddRow(row);
}

void IntakeCalculatorWindow::Calculate() {
    const CalculationOptions options{organ_->text().trimmed().toStdString(), doseUnit_->currentText().toStdString()};
    std::optional<double> cutoff;
    if (progeny_->isChecked()) {
        cutoff = ReadDurationSeconds(progenyCutoff_->text().toStdString());
        if (!cutoff) {
            SetMessage(std::string("The +D half-life cutoff is not ") + DurationUnitsHelp() + ".");
            return;
        }
    }
    try {
        CoefficientCatalogue catalogue(session_);
        catalogue.IncludeProgeny(cutoff);
        result_ = CalculateMixture(catalogue, Rows(), options);
    } catch (const std::exception& e) {
        SetMessage(std::string("The mixture could not be computed: ") + e.what());
        return;
    }
    results_ = IntakeResultGrid(result_, options);
    view_->ShowGrid();
    int failed = 0;
    for (const auto& row : result_.Rows) failed += row.Error.empty() ? 0 : 1;
    SetMessage(failed == 0 ? "Every row computed; select a result row to see its steps."
                           : std::to_string(failed) + " row(s) could not be computed: see the last column.");
    if (!result_.Rows.empty()) SelectResult(0);
}

void IntakeCalculatorWindow::SelectResult(int mixtureRow) {
    view_->setCurrentIndex(view_->model()->index(IntakeResultFirstRow + mixtureRow, 0));
    ShowSteps(mixtureRow);
}

void IntakeCalculatorWindow::ShowSteps(int resultRow) {
    if (resultRow < 0 || resultRow >= static_cast<int>(result_.Rows.size())) {
        steps_->clear();
        return;
    }
    const RowResult& row = result_.Rows[static_cast<std::size_t>(resultRow)];
    std::string text = "Row " + std::to_string(row.Row.Number) + ": " + row.Row.Nuclide + ", " + row.Row.Pathway + "\n";
    if (!row.Error.empty()) text += "Not computed: " + row.Error + "\n";
    for (const auto& step : row.Steps) text += step + "\n";
    for (const auto& note : row.Notes) text += "Note: " + note + "\n";
    steps_->setPlainText(QString::fromStdString(text));
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
