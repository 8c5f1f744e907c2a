#include "CompareWindow.h"

#include <QComboBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QTabWidget>
#include <QTableWidget>
#include <QVBoxLayout>
#include <algorithm>
#include <sstream>

#include "CatalogueExports.h"
#include "ChartPane.h"
#include "FileNameSuggestion.h"
#include "GridPrintJobs.h"
#include "NuclideCharts.h"
#include "RowOutput.h"
#include "RowPrinting.h"
#include "ToolWidgets.h"

namespace quorvel {

namespace {

// The comparison's table as the outputs write it, kept to fill the widget.
class TableCapture : public RowWriter {
public:
    void Begin(const std::vector<OutputColumn>& columns, const std::string&) override {
        for (const auto& column : columns) Headings << QString::fromStdString(column.Heading);
    }
    void Row(const std::vector<TidyCell>& cells) override { Rows.push_back(cells); }
    void End() override {}

    QStringList Headings;
    std::vector<std::vector<TidyCell>> Rows;
};

}  // namespace

CompareWindow::CompareWindow(CoefficientCatalogue& catalogue, const Quantity& quantity,
                             std::vector<std::string> nuclides, DesktopServices& services, QWidget* parent)
    : QDialog(parent), catalogue_(catalogue), quantity_(quantity), nuclides_(std::move(nuclides)), services_(services) {
    setObjectName("frmCompare");
    setWindowTitle("Compare Nuclides");
    setAttribute(Qt::WA_DeleteOnClose);
    Build();
    Show();
}

void CompareWindow::Build() {
    auto* layout = new QVBoxLayout(this);
    auto* cell = new QHBoxLayout;
    age_ = NamedCombo("cboAge", {}, this);
    cell->addWidget(age_);
    // A risk value is of one intake and one outcome; a dose table has neither.
    QComboBox* intake = nullptr;
    if (!quantity_.Kind.IsDose()) {
        intake = NamedCombo("cboIntake", {}, this);
        auto* outcome = NamedCombo("cboOutcome", {"Mortality", "Morbidity"}, this, CodeIndex(quantity_.Outcome));
        connect(outcome, &QComboBox::currentIndexChanged, this, [this](int index) {
            quantity_.Outcome = CodeAt<RiskOutcome>(index);
            Show();
        });
        cell->addWidget(intake);
        cell->addWidget(outcome);
    }
    cell->addStretch();
    // The compared nuclides' choices: the whole table's choices of a risk kind would read every cell.
    ScanSelection compared;
    compared.Nuclides = nuclides_;
    const auto addNew = [](QComboBox* box, const std::string& text) {
        if (box && !text.empty() && box->findText(QString::fromStdString(text)) < 0)
            box->addItem(QString::fromStdString(text));
    };
    catalogue_.EachCell(quantity_.Kind, quantity_.UnitPosition, compared, [&](Coefficient&& found) {
        addNew(age_, found.Age);
        addNew(intake, found.Intake);
    });
    age_->setCurrentText(QString::fromStdString(quantity_.Age));
    connect(age_, &QComboBox::currentTextChanged, this, [this](const QString& age) {
        quantity_.Age = age.toStdString();
        Show();
    });
    if (intake) {
        intake->setEnabled(intake->count() > 1);
        intake->setCurrentText(QString::fromStdString(quantity_.Intake));
        connect(intake, &QComboBox::currentTextChanged, this, [this](const QString& text) {
            quantity_.Intake = text.toStdString();
            Show();
        });
    }
    layout->addLayout(cell);
    message_ = new QLabel(this);
    message_->setObjectName("lblMessage");
    layout->addWidget(message_);
    table_ = new QTableWidget(this);
    table_->setObjectName("tblComparison");
    table_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    UseOneLineRows(*table_);
    table_->setWordWrap(false);
    table_->horizontalHeader()->setDefaultAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    chart_ = new ChartPane(services_, false, this);
    tabs_ = new QTabWidget(this);
    tabs_->setObjectName("tabComparison");
    tabs_->addTab(table_, "Table");
    tabs_->addTab(chart_, "Chart");
    connect(tabs_, &QTabWidget::currentChanged, this, [this] { DrawComparison(); });
    layout->addWidget(tabs_);
    auto* buttons = new QHBoxLayout;
    for (const auto& [name, caption, slot] : {std::tuple{"cmdExport", "Export . . .", &CompareWindow::Export},
                                              std::tuple{"cmdCopy", "Copy", &CompareWindow::Copy},
                                              std::tuple{"cmdPrint", "Print", &CompareWindow::Print}}) {
        auto* button = new QPushButton(caption, this);
        button->setObjectName(name);
        connect(button, &QPushButton::clicked, this, slot);
        buttons->addWidget(button);
    }
    layout->addLayout(buttons);
    ResizeWithinScreen(*this, {1000, 700});
}

void CompareWindow::Show() {
    try {
        comparison_ = CompareNuclides(catalogue_, quantity_, nuclides_);
        // A risk table's values are of one outcome and one intake: say which.
        std::string cell;
        if (!quantity_.Kind.IsDose())
            cell = std::string(quantity_.Outcome == RiskOutcome::Mortality ? "; mortality" : "; morbidity") +
                   (quantity_.Intake.empty() ? "" : "; intake " + quantity_.Intake);
        message_->setText(QString::fromStdString("Units = " + comparison_.Unit + cell));
    } catch (const std::exception& e) {
        comparison_ = {};
        message_->setText(QString::fromStdString(e.what()));
    }
    TableCapture capture;
    WriteComparison(comparison_, quantity_.Age, capture);
    table_->clear();
    table_->setColumnCount(static_cast<int>(capture.Headings.size()));
    // A nuclide's column is headed by the nuclide, its form below it; the heading as the
    // outputs write it, form whole, is the tooltip.
    for (int c = 0; c < table_->columnCount(); ++c) {
        auto* heading = new QTableWidgetItem(capture.Headings[c]);
        heading->setToolTip(capture.Headings[c]);
        const auto column = static_cast<std::size_t>(c - 1);
        if (c > 0 && column < comparison_.Columns.size()) {
            const std::string form = ShortForm(comparison_.Columns[column].Form);
            heading->setText(
                QString::fromStdString(comparison_.Columns[column].Nuclide + (form.empty() ? "" : "\n" + form)));
        }
        table_->setHorizontalHeaderItem(c, heading);
    }
    table_->setRowCount(static_cast<int>(capture.Rows.size()));
    for (std::size_t r = 0; r < capture.Rows.size(); ++r)
        for (std::size_t c = 0; c < capture.Rows[r].size(); ++c)
            table_->setItem(static_cast<int>(r), static_cast<int>(c),
                            new QTableWidgetItem(QString::fromStdString(capture.Rows[r][c].Text)));
    FitColumnsToView(*table_);
    DrawComparison();
}

void CompareWindow::DrawComparison() {
    if (!tabs_ || tabs_->currentWidget() != chart_) return;
    const std::string title = QuantityChartTitle(quantity_, false);
    chart_->SetFileName(FileName());
    chart_->ShowChart(ComparisonChart(comparison_, title), title + " | " + TodaysDate());
}

std::vector<std::string> CompareWindow::FileName() const {
    std::vector<std::string> words = nuclides_;
    words.push_back(QuantityChartTitle(quantity_, false));
    return words;
}

void CompareWindow::Export() {
    const auto fileName = services_.Files.ChooseSaveFile(SuggestedFileName(FileName(), ".csv"), RowFileFilter);
    if (!fileName) return;
    std::ostringstream unused;
    try {
        if (RowFormatOfFile(*fileName) == RowFormat::Json)
            WriteText(ComparisonJson(comparison_), *fileName, unused);
        else
            WriteRows(RowFormatOfFile(*fileName), *fileName, unused,
                      [this](RowWriter& writer) { WriteComparison(comparison_, quantity_.Age, writer); });
    } catch (const OutputError& e) {
        message_->setText(QString::fromStdString(e.what()));
    }
}

void CompareWindow::Print() {
    PrintRows([this](RowWriter& writer) { WriteComparison(comparison_, quantity_.Age, writer); }, services_,
              FileName());
}

void CompareWindow::Copy() {
    std::ostringstream text;
    WriteRows(RowFormat::Tsv, "", text,
              [this](RowWriter& writer) { WriteComparison(comparison_, quantity_.Age, writer); });
    services_.Clipboard.Clear();
    services_.Clipboard.SetText(text.str());
}

}  // namespace quorvel
