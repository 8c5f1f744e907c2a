#include "ChartRendering.h"

#include <QBarCategoryAxis>
#include <QBarSeries>
#include <QBarSet>
#include <QCategoryAxis>
#include <QChart>
#include <QGraphicsScene>
#include <QGraphicsSimpleTextItem>
#include <QGuiApplication>
#include <QHorizontalBarSeries>
#include <QLegendMarker>
#include <QLineSeries>
#include <QLogValueAxis>
#include <QPainter>
#include <QPrinter>
#include <QScreen>
#include <QValueAxis>
#include <algorithm>
#include <cmath>

namespace quorvel {

namespace {

QString Text(const std::string& text) { return QString::fromStdString(text); }
// Qt Charts shows titles, axis labels and legend names as rich text: a unit's "+D, T1/2 < 180 d"
// would otherwise cut the text at its "<".
QString Label(const std::string& text) { return QString::fromStdString(text).toHtmlEscaped(); }

// Colours told apart in print as on screen; the series beyond them take Qt's own.
const QList<QColor>& SeriesColours() {
    static const QList<QColor> colours{QColor(0x1f, 0x77, 0xb4), QColor(0xd6, 0x27, 0x28), QColor(0x2c, 0xa0, 0x2c),
                                       QColor(0xff, 0x7f, 0x0e), QColor(0x94, 0x67, 0xbd), QColor(0x8c, 0x56, 0x4b),
                                       QColor(0xe3, 0x77, 0xc2), QColor(0x7f, 0x7f, 0x7f), QColor(0xbc, 0xbd, 0x22),
                                       QColor(0x17, 0xbe, 0xcf)};
    return colours;
}

QColor ColourOf(std::size_t series) { return SeriesColours()[static_cast<qsizetype>(series % SeriesColours().size())]; }

bool Drawable(const ChartData& data, const std::optional<double>& value) {
    return value && std::isfinite(*value) && (!data.Logarithmic || *value > 0);
}

struct ValueRange {
    double Low = 0;
    double High = 0;
    bool Any = false;
};

ValueRange RangeOf(const ChartData& data) {
    ValueRange range;
    for (const ChartSeries& series : data.Series)
        for (const auto& value : series.Values) {
            if (!Drawable(data, value)) continue;
            range.Low = range.Any ? std::min(range.Low, *value) : *value;
            range.High = range.Any ? std::max(range.High, *value) : *value;
            range.Any = true;
        }
    return range;
}

int DecadeBelow(double value) { return static_cast<int>(std::floor(std::log10(value) - 1e-9)); }
int DecadeAbove(double value) { return static_cast<int>(std::ceil(std::log10(value) + 1e-9)); }

// Qt's logarithmic axis draws no tick, label or grid line at values below 1e-12, where
// most coefficients lie: it only places the values, hidden, and a linear axis over the
// decades' exponents beside it carries the labels and the grid.
QAbstractAxis* DecadeLabels(const ChartData& data, int low, int high) {
    auto* labels = new QCategoryAxis;
    labels->setRange(low, high);
    labels->setStartValue(low - 1e-6);
    for (int decade = low; decade <= high; ++decade) labels->append(QString("1e%1").arg(decade), decade);
    labels->setLabelsPosition(QCategoryAxis::AxisLabelsPositionOnValue);
    labels->setTitleText(Label(data.ValueTitle));
    return labels;
}

// Whole decades around the values, the lowest strictly below the smallest value: a bar
// at the axis' foot has no length, which is how a gap among bars shows. The second axis,
// when there is one, only labels the first.
std::pair<QAbstractAxis*, QAbstractAxis*> ValueAxes(const ChartData& data, const ValueRange& range) {
    if (data.Logarithmic) {
        auto* axis = new QLogValueAxis;
        axis->setBase(10);
        const int low = DecadeBelow(range.Low);
        const int high = DecadeAbove(range.High);
        axis->setRange(std::pow(10.0, low), std::pow(10.0, high));
        axis->setVisible(false);
        return {axis, DecadeLabels(data, low, high)};
    }
    auto* axis = new QValueAxis;
    axis->setRange(std::min(0.0, range.Low), range.High);
    axis->applyNiceNumbers();
    axis->setLabelFormat("%.2g");
    axis->setTitleText(Label(data.ValueTitle));
    return {axis, nullptr};
}

double AxisFoot(const QAbstractAxis* axis) {
    if (const auto* log = qobject_cast<const QLogValueAxis*>(axis)) return log->min();
    return 0;
}

QStringList CategoriesOf(const ChartData& data, const std::vector<std::size_t>& order) {
    QStringList categories;
    for (std::size_t c : order) categories.append(Label(data.Categories[c]));
    return categories;
}

// The categories in drawing order: horizontal bars draw the first at the bottom, so they
// are handed over last to first for the list to read from the top.
std::vector<std::size_t> DrawingOrder(const ChartData& data) {
    std::vector<std::size_t> order(data.Categories.size());
    for (std::size_t c = 0; c < order.size(); ++c) order[c] = c;
    if (data.Shape == ChartShape::HorizontalBars) std::reverse(order.begin(), order.end());
    return order;
}

void AddLines(QChart& chart, const ChartData& data, QAbstractAxis* categoryAxis, QAbstractAxis* valueAxis) {
    for (std::size_t s = 0; s < data.Series.size(); ++s) {
        const ChartSeries& series = data.Series[s];
        QLineSeries* segment = nullptr;
        bool named = false;
        for (std::size_t c = 0; c < series.Values.size() && c < data.Categories.size(); ++c) {
            if (!Drawable(data, series.Values[c])) {
                segment = nullptr;  // a gap breaks the line
                continue;
            }
            if (!segment) {
                segment = new QLineSeries;
                segment->setName(Label(series.Name));
                QPen pen(ColourOf(s));
                pen.setWidthF(2);
                segment->setPen(pen);
                segment->setColor(ColourOf(s));
                segment->setPointsVisible(true);
                chart.addSeries(segment);
                segment->attachAxis(categoryAxis);
                segment->attachAxis(valueAxis);
                // One legend entry for the pieces of one series.
                if (named)
                    for (QLegendMarker* marker : chart.legend()->markers(segment)) marker->setVisible(false);
                named = true;
            }
            segment->append(static_cast<qreal>(c), *series.Values[c]);
        }
    }
}

void AddBars(QChart& chart, const ChartData& data, const std::vector<std::size_t>& order, QAbstractAxis* categoryAxis,
             QAbstractAxis* valueAxis) {
    QAbstractBarSeries* bars = data.Shape == ChartShape::HorizontalBars
                                   ? static_cast<QAbstractBarSeries*>(new QHorizontalBarSeries)
                                   : new QBarSeries;
    const double foot = AxisFoot(valueAxis);
    for (std::size_t s = 0; s < data.Series.size(); ++s) {
        const ChartSeries& series = data.Series[s];
        auto* set = new QBarSet(Label(series.Name));
        set->setColor(ColourOf(s));
        set->setBorderColor(ColourOf(s));
        set->setSelectedColor(ColourOf(s).darker(190));
        for (std::size_t position = 0; position < order.size(); ++position) {
            const std::size_t c = order[position];
            const auto& value = c < series.Values.size() ? series.Values[c] : std::nullopt;
            set->append(Drawable(data, value) ? *value : foot);
            const bool marked = std::find(data.MarkedCategories.begin(), data.MarkedCategories.end(),
                                          data.Categories[c]) != data.MarkedCategories.end();
            if (marked) set->selectBar(static_cast<int>(position));
        }
        bars->append(set);
    }
    if (data.Series.size() == 1) chart.legend()->hide();
    chart.addSeries(bars);
    bars->attachAxis(categoryAxis);
    bars->attachAxis(valueAxis);
}

void ShowEmptyText(QChart& chart, const std::string& text) {
    auto* item = new QGraphicsSimpleTextItem(Text(text.empty() ? "(None Available)" : text), &chart);
    QFont font = item->font();
    font.setPointSizeF(font.pointSizeF() * 1.4);
    item->setFont(font);
    const auto centre = [&chart, item](const QRectF& area) {
        const QRectF box = item->boundingRect();
        item->setPos(area.center() - QPointF(box.width() / 2, box.height() / 2));
    };
    QObject::connect(&chart, &QChart::plotAreaChanged, &chart, centre);
    centre(chart.plotArea());
}

constexpr qreal FooterHeight = 26;
constexpr std::size_t LegendRowCharacters = 140;
constexpr qreal LayoutWidth = 1100;

// The chart laid out in the size and drawn at the painter's origin.
void DrawLaidOut(const ChartData& data, QPainter& painter, const QSizeF& size, const std::string& footer) {
    const qreal footerHeight = footer.empty() ? 0 : FooterHeight;
    QGraphicsScene scene;
    scene.setItemIndexMethod(QGraphicsScene::NoIndex);  // drawn once: an index would not pay
    QChart* chart = BuildChart(data).release();
    scene.addItem(chart);  // the scene owns it from here
    const QRectF area(0, 0, size.width(), size.height() - footerHeight);
    chart->setGeometry(area);
    scene.setSceneRect(area);
    painter.fillRect(QRectF(QPointF(0, 0), size), Qt::white);
    scene.render(&painter, area, area);
    if (footerHeight > 0) {
        QFont font = painter.font();
        font.setPointSizeF(8);
        painter.setFont(font);
        painter.setPen(Qt::black);
        painter.drawText(QRectF(12, area.bottom(), size.width() - 24, footerHeight), Qt::AlignLeft | Qt::AlignVCenter,
                         Text(footer));
    }
}

}  // namespace

std::unique_ptr<QChart> BuildChart(const ChartData& data) {
    auto chart = std::make_unique<QChart>();
    chart->setAnimationOptions(QChart::NoAnimation);
    chart->setTitle(Label(data.Title));
    QFont titleFont = chart->titleFont();
    titleFont.setPointSizeF(titleFont.pointSizeF() * 1.3);
    titleFont.setBold(true);
    chart->setTitleFont(titleFont);
    // A legend below holds one row and cuts long names short; many or long names go beside.
    std::size_t names = 0;
    for (const ChartSeries& series : data.Series) names += series.Name.size() + 6;
    chart->legend()->setAlignment(names > LegendRowCharacters ? Qt::AlignRight : Qt::AlignBottom);
    const ValueRange range = RangeOf(data);
    if (!range.Any || data.Categories.empty()) {
        chart->legend()->hide();
        ShowEmptyText(*chart, data.EmptyText);
        return chart;
    }
    const std::vector<std::size_t> order = DrawingOrder(data);
    auto* categoryAxis = new QBarCategoryAxis;
    categoryAxis->append(CategoriesOf(data, order));
    categoryAxis->setTitleText(Label(data.CategoryTitle));
    const auto [valueAxis, valueLabels] = ValueAxes(data, range);
    const bool horizontal = data.Shape == ChartShape::HorizontalBars;
    chart->addAxis(categoryAxis, horizontal ? Qt::AlignLeft : Qt::AlignBottom);
    chart->addAxis(valueAxis, horizontal ? Qt::AlignBottom : Qt::AlignLeft);
    if (valueLabels) chart->addAxis(valueLabels, horizontal ? Qt::AlignBottom : Qt::AlignLeft);
    if (data.Shape == ChartShape::Lines)
        AddLines(*chart, data, categoryAxis, valueAxis);
    else
        AddBars(*chart, data, order, categoryAxis, valueAxis);
    return chart;
}

int ChartLayoutDpi() {
    const QScreen* screen = QGuiApplication::primaryScreen();
    return screen ? qRound(screen->logicalDotsPerInchY()) : 96;
}

void PaintChart(const ChartData& data, QPainter& painter, const QRectF& target, const std::string& footer) {
    if (target.width() <= 0 || target.height() <= 0) return;
    const QSizeF layout(LayoutWidth, LayoutWidth * target.height() / target.width());
    const int deviceDpi = painter.device() ? painter.device()->logicalDpiY() : ChartLayoutDpi();
    painter.save();
    if (deviceDpi == ChartLayoutDpi()) {
        // Fonts measure on the device as in the layout: drawn as vectors, scaled to fit.
        painter.translate(target.topLeft());
        painter.scale(target.width() / layout.width(), target.height() / layout.height());
        DrawLaidOut(data, painter, layout, footer);
    } else {
        // A device of another resolution (a printer) would size the fonts against its own
        // dots: the chart is drawn at the layout's resolution, three times finer, and fitted.
        QImage image(layout.toSize() * 3, QImage::Format_ARGB32_Premultiplied);
        image.setDevicePixelRatio(3);
        {
            QPainter imagePainter(&image);
            imagePainter.setRenderHint(QPainter::Antialiasing);
            imagePainter.setRenderHint(QPainter::TextAntialiasing);
            DrawLaidOut(data, imagePainter, layout, footer);
        }
        painter.drawImage(target, image);
    }
    painter.restore();
}

QImage ChartImage(const ChartData& data, QSize size, const std::string& footer) {
    QImage image(size, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::white);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setRenderHint(QPainter::TextAntialiasing);
    DrawLaidOut(data, painter, QSizeF(size), footer);
    return image;
}

bool PrintChart(const ChartData& data, QPrinter& printer, const std::string& footer) {
    QPainter painter;
    if (!painter.begin(&printer)) return false;
    // The painter's origin is the top left of the printable area.
    const QRect page = printer.pageLayout().paintRectPixels(printer.resolution());
    PaintChart(data, painter, QRectF(0, 0, page.width(), page.height()), footer);
    return painter.end();
}

}  // namespace quorvel
