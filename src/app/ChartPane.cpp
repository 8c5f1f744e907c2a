#include "ChartPane.h"

#include <QAbstractAxis>
#include <QBuffer>
#include <QChart>
#include <QChartView>
#include <QComboBox>
#include <QHBoxLayout>
#include <QImage>
#include <QLabel>
#include <QLegend>
#include <QLegendMarker>
#include <QPushButton>
#include <QScrollArea>
#include <QVBoxLayout>
#include <algorithm>
#include <cctype>
#include <filesystem>

#include "ChartRendering.h"
#include "FileNameSuggestion.h"
#include "PrinterChoice.h"

namespace quorvel {

namespace {

// The grid's own colours, so that the chart and the table go stale together visibly.
const QColor CurrentBackground(255, 255, 255);
const QColor StaleBackground(220, 220, 220);

// Room for a chart's labels, in pixels: the least size, a category's column, each bar of a
// group, and the title, axes and legend around the plot. A category's row (horizontal bars)
// is as high as its label needs (CategoryRowOf).
const QSize MinimumChartSize(320, 240);
constexpr int CategoryColumn = 64;
constexpr int BarHeight = 5;
constexpr int ChartFrame = 170;

QComboBox* ChoiceCombo(const char* name, QWidget* parent) {
    auto* combo = new QComboBox(parent);
    combo->setObjectName(name);
    combo->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
    combo->setMinimumContentsLength(8);
    return combo;
}

// The item the user chose stays while it is offered; else the default's item (the last that
// begins with its name, as the charts pick it), else none and the placeholder names it.
void Fill(QComboBox* combo, const std::vector<std::string>& items, const std::string& preferred) {
    const QString kept = combo->currentIndex() >= 0 ? combo->currentText() : QString();
    combo->clear();
    for (const auto& item : items) combo->addItem(QString::fromStdString(item));
    const QString fallback = QString::fromStdString(preferred);
    combo->setPlaceholderText(items.empty() ? QString() : fallback);
    int index = kept.isEmpty() ? -1 : combo->findText(kept);
    for (int i = combo->count() - 1; index < 0 && i >= 0; --i)
        if (combo->itemText(i).startsWith(fallback, Qt::CaseInsensitive)) index = i;
    combo->setCurrentIndex(index);
    combo->setEnabled(items.size() > 1);
}

// Qt cuts a label of the vertical axis to "..." where its category's share of the axis is
// lower than the label's text with the axis' padding above and below it.
int CategoryRowOf(const QChart& chart) {
    for (const QAbstractAxis* axis : chart.axes(Qt::Vertical))
        if (axis->type() == QAbstractAxis::AxisTypeBarCategory) return QFontMetrics(axis->labelsFont()).height() + 12;
    return 0;
}

std::string Chosen(const QComboBox* combo) {
    return combo && combo->currentIndex() >= 0 ? combo->currentText().toStdString() : std::string();
}

}  // namespace

ChartPane::ChartPane(DesktopServices& services, bool withChoices, QWidget* parent)
    : QWidget(parent), services_(services) {
    setObjectName("ChartPane");
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(2, 2, 2, 2);
    if (withChoices) {
        choices_ = new QWidget(this);
        auto* choices = new QHBoxLayout(choices_);
        choices->setContentsMargins(0, 0, 0, 0);
        kind_ = ChoiceCombo("cboChartKind", this);
        descriptor_ = ChoiceCombo("cboChartDescriptor", this);
        age_ = ChoiceCombo("cboChartAge", this);
        for (QComboBox* combo : {kind_, descriptor_, age_}) {
            choices->addWidget(combo, combo == kind_ ? 0 : 1);
            connect(combo, &QComboBox::currentIndexChanged, this, [this] {
                if (!filling_ && OnChoiceChanged) OnChoiceChanged();
            });
        }
        layout->addWidget(choices_);
    }
    message_ = new QLabel(this);
    message_->setObjectName("lblChartMessage");
    message_->setWordWrap(true);
    message_->hide();
    layout->addWidget(message_);
    view_ = new QChartView(this);
    view_->setObjectName("chartView");
    view_->setRenderHint(QPainter::Antialiasing);
    view_->setMinimumSize(MinimumChartSize);
    // A chart of many categories keeps room for each label and scrolls.
    auto* scroll = new QScrollArea(this);
    scroll->setFrameShape(QFrame::NoFrame);
    scroll->setWidgetResizable(true);
    scroll->setWidget(view_);
    layout->addWidget(scroll, 1);
    legend_ = new QLabel(this);
    legend_->setObjectName("lblChartLegend");
    legend_->setWordWrap(true);
    legend_->hide();
    layout->addWidget(legend_);

    buttons_ = new QWidget(this);
    auto* buttons = new QHBoxLayout(buttons_);
    buttons->setContentsMargins(0, 0, 0, 0);
    for (const auto& [name, caption, slot] : {std::tuple{"cmdSaveChart", "Save . . .", &ChartPane::SaveCommand},
                                              std::tuple{"cmdCopyChart", "Copy", &ChartPane::CopyCommand},
                                              std::tuple{"cmdPrintChart", "Print", &ChartPane::PrintCommand}}) {
        auto* button = new QPushButton(caption, buttons_);
        button->setObjectName(name);
        connect(button, &QPushButton::clicked, this, slot);
        buttons->addWidget(button);
    }
    buttons->addStretch(1);
    layout->addWidget(buttons_);
}

ChartPane::~ChartPane() = default;

QChart* ChartPane::Chart() const { return view_->chart(); }

void ChartPane::ShowChart(const ChartData& chart, const std::string& footer) {
    data_ = chart;
    footer_ = footer;
    message_->hide();
    Draw();
}

void ChartPane::ShowProblem(const std::string& text) {
    data_ = ChartData{};
    data_.EmptyText = text;
    footer_.clear();
    message_->setText(QString::fromStdString(text));
    message_->show();
    Draw();
}

void ChartPane::Draw() {
    QChart* old = view_->chart();
    view_->setChart(BuildChart(data_).release());
    delete old;
    // Qt cuts a category's label to "..." where its row or column is too small for it.
    const int categories = static_cast<int>(data_.Categories.size());
    if (data_.Shape == ChartShape::HorizontalBars) {
        const int row = std::max(CategoryRowOf(*view_->chart()), BarHeight * static_cast<int>(data_.Series.size()));
        view_->setMinimumSize(MinimumChartSize.width(),
                              std::max(MinimumChartSize.height(), categories * row + ChartFrame));
    } else {
        view_->setMinimumSize(std::max(MinimumChartSize.width(), categories * CategoryColumn + ChartFrame),
                              MinimumChartSize.height());
    }
    // On screen the title need not stand out as on a page; the table beside it says the same.
    QFont title = view_->chart()->titleFont();
    title.setPointSizeF(font().pointSizeF() * 1.1);
    view_->chart()->setTitleFont(title);
    ShowLegendBelow();
    SetCurrent(current_);
}

// A pane is narrower than a page: Qt's legend would cut the series' names short or take
// the plot's width, so the pane writes the names out below the chart, wrapped.
void ChartPane::ShowLegendBelow() {
    QLegend* legend = view_->chart()->legend();
    QStringList entries;
    if (legend->isVisible())
        for (QLegendMarker* marker : legend->markers())
            if (marker->isVisible())
                entries.append(QStringLiteral("<span style=\"color:%1\">&#9632;</span>&nbsp;%2")
                                   .arg(marker->brush().color().name(),
                                        marker->label().replace(QChar(' '), QStringLiteral("&nbsp;"))));
    legend->hide();
    legend_->setText(entries.join(QStringLiteral(" &nbsp; ")));
    legend_->setVisible(!entries.isEmpty());
}

QSize ChartPane::ReadableSize(int width) const {
    const QMargins margins = layout()->contentsMargins();
    const int spacing = layout()->spacing();
    const int least = std::max({view_->minimumWidth(), choices_ ? choices_->minimumSizeHint().width() : 0,
                                buttons_->minimumSizeHint().width()}) +
                      margins.left() + margins.right();
    const int inner = std::max(width, least) - margins.left() - margins.right();
    // The plot high enough for the value axis' title along it; a chart of many categories scrolls.
    int chart = std::min(view_->minimumHeight(), MinimumChartSize.height());
    for (const QAbstractAxis* axis : view_->chart()->axes(Qt::Vertical))
        if (axis->isVisible() && axis->isTitleVisible())
            chart = std::max(chart, QFontMetrics(axis->titleFont()).horizontalAdvance(axis->titleText()) + ChartFrame);
    int height = margins.top() + margins.bottom() + chart + spacing + buttons_->sizeHint().height();
    if (choices_) height += choices_->sizeHint().height() + spacing;
    for (const QLabel* label : {message_, legend_})
        if (!label->isHidden()) height += label->heightForWidth(inner) + spacing;
    return {std::max(width, least), height};
}

void ChartPane::SetCurrent(bool current) {
    current_ = current;
    if (QChart* chart = view_->chart()) chart->setBackgroundBrush(current ? CurrentBackground : StaleBackground);
}

void ChartPane::SetChoices(const std::vector<std::string>& kinds, const ChoiceList& descriptors,
                           const ChoiceList& ages) {
    if (!kind_) return;
    filling_ = true;
    Fill(kind_, kinds, kinds.empty() ? std::string() : kinds.front());
    Fill(descriptor_, descriptors.Items, descriptors.Default);
    Fill(age_, ages.Items, ages.Default);
    filling_ = false;
}

std::string ChartPane::ChosenKind() const { return Chosen(kind_); }
std::string ChartPane::ChosenDescriptor() const { return Chosen(descriptor_); }
std::string ChartPane::ChosenAge() const { return Chosen(age_); }

void ChartPane::SaveCommand() { SaveAs(ChartFileFilter, ".png"); }

void ChartPane::SaveAs(const std::string& filter, const std::string& ending) {
    const auto fileName = services_.Files.ChooseSaveFile(
        SuggestedFileName(fileName_.empty() ? std::vector<std::string>{data_.Title} : fileName_, ending), filter);
    if (!fileName) return;
    std::string path = *fileName;
    if (std::filesystem::path(path).extension().empty()) path += ending;
    try {
        SaveChart(data_, path, footer_);
    } catch (const std::exception& e) {
        services_.Prompt.ShowMessage(std::string("An error (") + e.what() + ") occured while saving the chart.");
    }
}

void ChartPane::CopyCommand() {
    try {
        // As large as it is seen, and never smaller than a page's width would want.
        const QImage image = ChartImage(data_, view_->size().expandedTo(QSize(800, 500)));
        QByteArray png;
        QBuffer buffer(&png);
        buffer.open(QIODevice::WriteOnly);
        image.save(&buffer, "PNG");
        services_.Clipboard.SetPicture(png.toStdString());
    } catch (const std::exception& e) {
        services_.Prompt.ShowMessage(std::string("An error (") + e.what() + ") occured while copying the chart.");
    }
}

void ChartPane::PrintCommand() {
    if (services_.Printers.PrinterNames().empty()) {
        services_.Prompt.ShowMessage("No printer is installed.  Use Save . . . to write the chart to a PDF file.");
        return;
    }
    // As the tables: the PDF printer asks for its file.
    if (services_.Printers.CurrentPrinterName() == PdfPrinterName) {
        SaveAs("PDF (*.pdf)|*.pdf|", ".pdf");
        return;
    }
    try {
        if (!PrintChart(data_, services_.Printer, footer_))
            services_.Prompt.ShowMessage("An error (the printer took no page) occured while printing.");
    } catch (const std::exception& e) {
        services_.Prompt.ShowMessage(std::string("An error (") + e.what() + ") occured while printing.");
    }
}

}  // namespace quorvel
