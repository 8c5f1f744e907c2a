#include "ResultGridView.h"

#include <QApplication>
#include <QFontMetrics>
#include <QHeaderView>
#include <QHelpEvent>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPalette>
#include <QScrollBar>
#include <QStyle>
#include <QToolTip>
#include <algorithm>
#include <cstdlib>
#include <vector>

#include "WindowPlacement.h"

namespace quorvel {

namespace {

QColor ToColour(RgbColour colour) { return {colour.Red, colour.Green, colour.Blue}; }

}  // namespace

FlexGridTableModel::FlexGridTableModel(const FlexGrid& grid, QObject* parent)
    : QAbstractTableModel(parent), grid_(grid) {}

void FlexGridTableModel::Refresh() {
    beginResetModel();
    endResetModel();
}

int FlexGridTableModel::rowCount(const QModelIndex& parent) const { return parent.isValid() ? 0 : grid_.Rows(); }

int FlexGridTableModel::columnCount(const QModelIndex& parent) const { return parent.isValid() ? 0 : grid_.Cols(); }

QVariant FlexGridTableModel::data(const QModelIndex& index, int role) const {
    if (!index.isValid() || index.row() >= grid_.Rows() || index.column() >= grid_.Cols()) return {};
    const int row = index.row();
    int col = index.column();
    if (const auto group = groupHeadingAt_.find({row, col}); group != groupHeadingAt_.end()) {
        if (role == Qt::TextAlignmentRole) return QVariant::fromValue(Qt::AlignHCenter | Qt::AlignVCenter);
        col = group->second;
    }
    const bool fixed = row < grid_.FixedRows() || col < grid_.FixedCols();
    switch (role) {
        case Qt::DisplayRole: return QString::fromStdString(grid_.TextMatrix(row, col));
        case Qt::FontRole: {
            const CellFormat& format = grid_.CellFormatAt(row, col);
            QFont font = baseFont_;
            font.setBold(format.Bold);
            font.setItalic(format.Italic);
            if (format.Size > 0) font.setPointSizeF(format.Size);
            return font;
        }
        case Qt::TextAlignmentRole: return QVariant::fromValue(AlignmentOfColumnCode(grid_.ColAlignment(col)));
        case Qt::BackgroundRole:
            return fixed ? QApplication::palette().color(QPalette::Button) : ToColour(grid_.BackColour());
        case Qt::ToolTipRole: {
            const std::string tip = CellToolTip ? CellToolTip(row, col) : std::string();
            return tip.empty() ? QVariant() : QVariant(QString::fromStdString(tip));
        }
        case Qt::ForegroundRole: return fixed ? QApplication::palette().color(QPalette::ButtonText) : QColor(Qt::black);
        default: return {};
    }
}

Qt::Alignment AlignmentOfColumnCode(int code) {
    switch (code) {
        case 0: return Qt::AlignLeft | Qt::AlignTop;
        case 1: return Qt::AlignLeft | Qt::AlignVCenter;
        case 2: return Qt::AlignLeft | Qt::AlignBottom;
        case 3: return Qt::AlignHCenter | Qt::AlignTop;
        case 4: return Qt::AlignHCenter | Qt::AlignVCenter;
        case 5: return Qt::AlignHCenter | Qt::AlignBottom;
        case 6: return Qt::AlignRight | Qt::AlignTop;
        case 7: return Qt::AlignRight | Qt::AlignVCenter;
        case 8: return Qt::AlignRight | Qt::AlignBottom;
        default: return Qt::AlignLeft | Qt::AlignVCenter;
    }
}

int KeyCodeOf(int qtKey) {
    switch (qtKey) {
        case Qt::Key_Control: return 17;
        case Qt::Key_Shift: return 16;
        case Qt::Key_Alt: return 18;
        case Qt::Key_Return:
        case Qt::Key_Enter: return 13;
        default: return qtKey;  // letters and digits are their character codes already
    }
}

ResultGridView::ResultGridView(FlexGrid& grid, QWidget* parent)
    : QTableView(parent), grid_(grid), model_(new FlexGridTableModel(grid, this)) {
    QFont font("MS Sans Serif");
    font.setStyleHint(QFont::SansSerif);
    font.setPointSizeF(FlexGrid::DefaultFontSize);
    setFont(font);
    model_->SetBaseFont(font);
    setModel(model_);
    horizontalHeader()->hide();
    verticalHeader()->hide();
    setSelectionMode(QAbstractItemView::ContiguousSelection);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    setWordWrap(false);
    setTextElideMode(Qt::ElideNone);     // a long text is cut at the cell edge, as the grid control does
    viewport()->setMouseTracking(true);  // the pointer shows where a column edge can be dragged
    connect(selectionModel(), &QItemSelectionModel::selectionChanged, this, [this] { SelectionToGrid(); });
    connect(selectionModel(), &QItemSelectionModel::currentChanged, this, [this] { SelectionToGrid(); });
}

void ResultGridView::ShowGrid() {
    model_->ClearGroupHeadings();
    model_->Refresh();
    const double dpiX = logicalDpiX();
    const double dpiY = logicalDpiY();
    for (int col = 0; col < grid_.Cols(); ++col) setColumnWidth(col, TwipsToPixels(grid_.ColWidth(col), dpiX));
    for (int row = 0; row < grid_.Rows(); ++row)
        setRowHeight(row, std::max(1, TwipsToPixels(grid_.RowHeight(row), dpiY)));
    ShowHeadingsWhole();
    ShowBackColour();
    // A new table starts at its top-left cell, wherever the last one was scrolled to.
    verticalScrollBar()->setValue(0);
    horizontalScrollBar()->setValue(0);
}

bool ResultGridView::HasSelection() const { return selectionModel()->hasSelection(); }

int ResultGridView::WidthNeeded(int row, int col) const {
    const QModelIndex index = model()->index(row, col);
    const QFontMetrics metrics(model()->data(index, Qt::FontRole).value<QFont>());
    const int margin = 2 * (style()->pixelMetric(QStyle::PM_FocusFrameHMargin, nullptr, this) + 1);
    return metrics.horizontalAdvance(model()->data(index, Qt::DisplayRole).toString()) + margin;
}

bool ResultGridView::TextIsCut(const QModelIndex& index) const {
    if (!index.isValid()) return false;
    int width = 0;
    for (int col = index.column(); col < index.column() + std::max(1, columnSpan(index.row(), index.column())); ++col)
        width += columnWidth(col);
    return WidthNeeded(index.row(), index.column()) > width;
}

void ResultGridView::ShowHeadingsWhole() {
    clearSpans();
    std::vector<int> headingRows;
    for (int row = 0; row < grid_.Rows(); ++row)
        if (const RowRole role = grid_.RowStructureAt(row).Role; role == RowRole::Title || role == RowRole::Heading)
            headingRows.push_back(row);
    // Column headings first, so that the texts spread over the columns afterwards fit their
    // widened cells.
    for (const int row : headingRows)
        for (int col = 1; col < grid_.Cols(); ++col) {
            if (grid_.TextMatrix(row, col).empty()) continue;
            if (const auto group = grid_.GroupHeadingColumns(row, col)) {
                model_->ShowGroupHeading(row, group->first, col);
                setSpan(row, group->first, 1, group->second - group->first + 1);
            } else {
                setColumnWidth(col, std::max(columnWidth(col), WidthNeeded(row, col)));
            }
        }
    for (const int row : headingRows) {
        if (grid_.TextMatrix(row, 0).empty()) continue;
        const int needed = WidthNeeded(row, 0);
        int last = 0;
        int width = columnWidth(0);
        while (width < needed && last + 1 < grid_.Cols() && grid_.TextMatrix(row, last + 1).empty() &&
               columnSpan(row, last + 1) == 1)
            width += columnWidth(++last);
        if (width < needed) setColumnWidth(last, columnWidth(last) + needed - width);
        if (last > 0) setSpan(row, 0, 1, last + 1);
    }
}

bool ResultGridView::viewportEvent(QEvent* event) {
    if (event->type() == QEvent::ToolTip) {
        const auto* help = static_cast<QHelpEvent*>(event);
        const QModelIndex index = indexAt(help->pos());
        // A cut text shows whole; a value shows where it comes from (or its +D terms).
        QStringList parts;
        if (TextIsCut(index)) parts << model()->data(index, Qt::DisplayRole).toString();
        if (const QString tip = model()->data(index, Qt::ToolTipRole).toString(); !tip.isEmpty()) parts << tip;
        if (parts.isEmpty())
            QToolTip::hideText();
        else
            QToolTip::showText(help->globalPos(), parts.join("\n"), viewport(), visualRect(index));
        return true;
    }
    return QTableView::viewportEvent(event);
}

int ResultGridView::ColumnEdgeAt(int x) const {
    constexpr int Grip = 3;
    for (int col = 0; col < model()->columnCount(); ++col) {
        const int right = columnViewportPosition(col) + columnWidth(col);
        if (std::abs(x - right) <= Grip) return col;
    }
    return -1;
}

void ResultGridView::mousePressEvent(QMouseEvent* event) {
    const int x = static_cast<int>(event->position().x());
    const int col = event->button() == Qt::LeftButton ? ColumnEdgeAt(x) : -1;
    if (col < 0) {
        QTableView::mousePressEvent(event);
        return;
    }
    resizingColumn_ = col;
    resizeStartX_ = x;
    resizeStartWidth_ = columnWidth(col);
    event->accept();
}

void ResultGridView::mouseMoveEvent(QMouseEvent* event) {
    const int x = static_cast<int>(event->position().x());
    if (resizingColumn_ >= 0) {
        setColumnWidth(resizingColumn_, std::max(4, resizeStartWidth_ + x - resizeStartX_));
        event->accept();
        return;
    }
    if (event->buttons() == Qt::NoButton) {
        if (ColumnEdgeAt(x) >= 0)
            viewport()->setCursor(Qt::SplitHCursor);
        else
            viewport()->unsetCursor();
    }
    QTableView::mouseMoveEvent(event);
}

void ResultGridView::mouseReleaseEvent(QMouseEvent* event) {
    if (resizingColumn_ >= 0) {
        resizingColumn_ = -1;
        event->accept();
        return;
    }
    QTableView::mouseReleaseEvent(event);
}

void ResultGridView::ShowBackColour() {
    const RgbColour colour = grid_.BackColour();
    QPalette palette = this->palette();
    palette.setColor(QPalette::Base, QColor(colour.Red, colour.Green, colour.Blue));
    setPalette(palette);
    viewport()->update();
}

void ResultGridView::SelectionToGrid() {
    const QModelIndex current = currentIndex();
    if (!current.isValid() || grid_.Rows() == 0 || grid_.Cols() == 0) return;
    int top = current.row(), bottom = current.row(), left = current.column(), right = current.column();
    for (const QItemSelectionRange& range : selectionModel()->selection()) {
        if (!range.contains(current)) continue;
        top = range.top();
        bottom = range.bottom();
        left = range.left();
        right = range.right();
    }
    // The current cell is where the selection was extended to; the opposite corner is its start.
    grid_.SetRow(current.row() == top ? bottom : top);
    grid_.SetCol(current.column() == left ? right : left);
    grid_.SetRowSel(current.row());
    grid_.SetColSel(current.column());
}

void ResultGridView::keyPressEvent(QKeyEvent* event) {
    const int code = KeyCodeOf(event->key());
    // V is never passed on: the result grid takes no paste.
    if (code != 86 && OnKeyDown) OnKeyDown(code);
    // The view's own copy would put only the current cell on the clipboard over the block.
    if (event->matches(QKeySequence::Copy)) {
        event->accept();
        return;
    }
    QTableView::keyPressEvent(event);
}

void ResultGridView::keyReleaseEvent(QKeyEvent* event) {
    if (OnKeyUp) OnKeyUp(KeyCodeOf(event->key()));
    QTableView::keyReleaseEvent(event);
}

}  // namespace quorvel
