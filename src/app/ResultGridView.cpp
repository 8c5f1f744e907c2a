#include "ResultGridView.h"

#include <QApplication>
#include <QHeaderView>
#include <QKeyEvent>
#include <QPalette>
#include <algorithm>

#include "WindowPlacement.h"

namespace quorvel {

namespace {

QColor ToColour(RgbColour colour) { return {colour.Red, colour.Green, colour.Blue}; }

}  // namespace

FlexGridTableModel::FlexGridTableModel(const FlexGrid& grid, QObject* parent) : QAbstractTableModel(parent), grid_(grid) {}

void FlexGridTableModel::Refresh() {
    beginResetModel();
    endResetModel();
}

int FlexGridTableModel::rowCount(const QModelIndex& parent) const { return parent.isValid() ? 0 : grid_.Rows(); }

int FlexGridTableModel::columnCount(const QModelIndex& parent) const { return parent.isValid() ? 0 : grid_.Cols(); }

QVariant FlexGridTableModel::data(const QModelIndex& index, int role) const {
    if (!index.isValid() || index.row() >= grid_.Rows() || index.column() >= grid_.Cols()) return {};
    const int row = index.row();
    const int col = index.column();
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
        case Qt::ForegroundRole:
            return fixed ? QApplication::palette().color(QPalette::ButtonText) : QColor(Qt::black);
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
    setTextElideMode(Qt::ElideNone);  // a long text is cut at the cell edge, as the grid control does
    connect(selectionModel(), &QItemSelectionModel::selectionChanged, this, [this] { SelectionToGrid(); });
    connect(selectionModel(), &QItemSelectionModel::currentChanged, this, [this] { SelectionToGrid(); });
}

void ResultGridView::ShowGrid() {
    model_->Refresh();
    const double dpiX = logicalDpiX();
    const double dpiY = logicalDpiY();
    for (int col = 0; col < grid_.Cols(); ++col) setColumnWidth(col, TwipsToPixels(grid_.ColWidth(col), dpiX));
    for (int row = 0; row < grid_.Rows(); ++row) setRowHeight(row, std::max(1, TwipsToPixels(grid_.RowHeight(row), dpiY)));
    ShowBackColour();
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
