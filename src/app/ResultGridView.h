#pragma once
// The result grid on screen: a table view over the grid model showing its texts, bold
// cells, column widths, alignments, fixed heading rows and background colour. Selecting
// cells sets the model's Row/Col/RowSel/ColSel; key presses go to the given handlers.
// Heading texts show whole (by the structure the layout records): a column widens to its
// headings, a group heading ("Mortality") spans its columns and a column-0 heading (a
// title, a form line) spreads over the empty cells to its right. A cell cut off by its
// column shows its whole text as a tooltip, and dragging a column's right edge widens it on
// screen only. The model's widths stay as built, for printing and export.

#include <QAbstractTableModel>
#include <QTableView>
#include <functional>
#include <map>
#include <utility>

#include "FlexGrid.h"

namespace quorvel {

class FlexGridTableModel : public QAbstractTableModel {
    Q_OBJECT
public:
    explicit FlexGridTableModel(const FlexGrid& grid, QObject* parent = nullptr);
    // Shows whatever the grid holds now.
    void Refresh();
    void SetBaseFont(const QFont& font) { baseFont_ = font; }
    // The tooltip of a cell; empty for none.
    std::function<std::string(int row, int col)> CellToolTip;

    // A group heading shows in the first cell of the span over its columns, centred.
    void ClearGroupHeadings() { groupHeadingAt_.clear(); }
    void ShowGroupHeading(int row, int firstCol, int headingCol) { groupHeadingAt_[{row, firstCol}] = headingCol; }

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;

private:
    const FlexGrid& grid_;
    QFont baseFont_;
    std::map<std::pair<int, int>, int> groupHeadingAt_;  // (row, first column) -> the heading's column
};

// The alignment of a column code: 0 left and top, 1 left and centred; the other codes of
// the grid control (2 to 8: left, centre, right by top, centre, bottom) as they read.
Qt::Alignment AlignmentOfColumnCode(int code);

// Key codes as the grid's key events carry them: Ctrl 17, Shift 16, Alt 18, Enter 13,
// letters and digits their upper-case character codes.
int KeyCodeOf(int qtKey);

class ResultGridView : public QTableView {
    Q_OBJECT
public:
    explicit ResultGridView(FlexGrid& grid, QWidget* parent = nullptr);

    // Shows the grid's current content, sizes and colour, from its top-left cell.
    void ShowGrid();
    void ShowBackColour();
    // Whether the user has selected any cell since the table was shown.
    bool HasSelection() const;
    // Whether a cell's text is wider than its column on screen (it then shows as a tooltip).
    bool TextIsCut(const QModelIndex& index) const;

    // Where a cell's value comes from, shown as its tooltip.
    void SetCellToolTip(std::function<std::string(int row, int col)> toolTip) {
        model_->CellToolTip = std::move(toolTip);
    }

    std::function<void(int keyCode)> OnKeyDown;
    std::function<void(int keyCode)> OnKeyUp;

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void keyReleaseEvent(QKeyEvent* event) override;
    bool viewportEvent(QEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    void ShowHeadingsWhole();
    // The pixels a cell's text needs, its margins included.
    int WidthNeeded(int row, int col) const;
    void SelectionToGrid();
    // The column whose right edge lies under x (within a few pixels), or -1.
    int ColumnEdgeAt(int x) const;

    int resizingColumn_ = -1;  // the column being widened by dragging its edge
    int resizeStartX_ = 0;
    int resizeStartWidth_ = 0;

    FlexGrid& grid_;
    FlexGridTableModel* model_;
};

}  // namespace quorvel
