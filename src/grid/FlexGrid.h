#pragma once
// The result grid model: the cell texts and formatting that the table builders write,
// the outputs read and the desktop window shows. Rows and columns count from 0;
// sizes and positions are in twips (1440 to the inch).

#include <cstdint>
#include <optional>
#include <string>
#include <utility>
#include <vector>

namespace quorvel {

struct RgbColour {
    std::uint8_t Red = 255;
    std::uint8_t Green = 255;
    std::uint8_t Blue = 255;
    friend bool operator==(const RgbColour&, const RgbColour&) = default;
};

// Column alignment codes as the builders set them.
enum ColumnAlignment : std::int16_t {
    AlignLeftTop = 0,
    AlignLeftCentre = 1,
};

// The part a row plays in its table: one of the rows that head the whole table above its
// blocks where the blocks share them (title, nuclide, units; of no block), one of the rows
// that head a block (its own title lines where it has them, pathway, form and f1 lines,
// column headings) or a row of values.
enum class RowRole : std::uint8_t { None, Title, Heading, Data };

struct RowStructure {
    int Block = -1;  // none
    RowRole Role = RowRole::None;
    friend bool operator==(const RowStructure&, const RowStructure&) = default;
};

struct CellFormat {
    bool Bold = false;
    bool Italic = false;
    float Size = 8.25F;
    friend bool operator==(const CellFormat&, const CellFormat&) = default;
};

class FlexGrid {
public:
    static constexpr int DefaultColWidth = 960;
    static constexpr int DefaultRowHeight = 240;
    static constexpr float DefaultFontSize = 8.25F;

    FlexGrid();
    FlexGrid(int rows, int cols);

    int Rows() const { return rows_; }
    int Cols() const { return cols_; }
    // Resizing keeps the texts and formats of the cells that remain.
    void SetRows(int rows);
    void SetCols(int cols);

    int FixedRows() const { return fixedRows_; }
    int FixedCols() const { return fixedCols_; }
    void SetFixedRows(int rows);
    void SetFixedCols(int cols);

    const std::string& TextMatrix(int row, int col) const;
    void SetTextMatrix(int row, int col, std::string text);

    // The current cell; setting it collapses the selection onto it.
    int Row() const { return row_; }
    int Col() const { return col_; }
    void SetRow(int row);
    void SetCol(int col);
    // The far corner of the selection that starts at the current cell.
    int RowSel() const { return rowSel_; }
    int ColSel() const { return colSel_; }
    void SetRowSel(int row);
    void SetColSel(int col);

    // Font attributes of the current cell.
    bool CellFontBold() const;
    bool CellFontItalic() const;
    float CellFontSize() const;
    void SetCellFontBold(bool bold);
    void SetCellFontItalic(bool italic);
    void SetCellFontSize(float size);
    // Formatting of any cell, for the outputs and the window.
    const CellFormat& CellFormatAt(int row, int col) const;

    int ColWidth(int col) const;
    void SetColWidth(int col, int twips);
    std::int16_t ColAlignment(int col) const;
    void SetColAlignment(int col, std::int16_t alignment);
    int RowHeight(int row) const;
    void SetRowHeight(int row, int twips);
    int ColPos(int col) const;
    int RowPos(int row) const;

    // Empties every cell's text and formatting, and the structure below; the shape stays.
    void Clear();

    // The table's structure as its layout records it, for printing and the screen: the
    // block of each row and its part in it, where each block's values come from, the
    // columns a group heading ("Mortality") stands over, and the coefficient a value cell
    // shows (its position in the cells the table was laid out from).
    void SetRowStructure(int row, RowStructure structure);
    RowStructure RowStructureAt(int row) const;
    void SetBlockSource(int block, std::string source);
    int BlockCount() const { return static_cast<int>(blockSources_.size()); }
    const std::string& BlockSource(int block) const;
    void SetGroupHeading(int row, int col, int firstCol, int lastCol);
    // The first and last column a group heading cell stands over; none for another cell.
    std::optional<std::pair<int, int>> GroupHeadingColumns(int row, int col) const;
    void SetCellCoefficient(int row, int col, int index);
    // -1 for a cell that shows no coefficient.
    int CellCoefficient(int row, int col) const;

    RgbColour BackColour() const { return backColour_; }
    void SetBackColour(RgbColour colour) { backColour_ = colour; }

private:
    struct Cell {
        std::string Text;
        CellFormat Format;
        int Coefficient = -1;
        int GroupFirstCol = -1;
        int GroupLastCol = -1;
    };

    void CheckRow(int row) const;
    void CheckCol(int col) const;
    Cell& CellAt(int row, int col);
    const Cell& CellAt(int row, int col) const;
    void ClampCursor();

    int rows_ = 0;
    int cols_ = 0;
    int fixedRows_ = 0;
    int fixedCols_ = 0;
    int row_ = 0;
    int col_ = 0;
    int rowSel_ = 0;
    int colSel_ = 0;
    std::vector<std::vector<Cell>> cells_;  // [row][col]
    std::vector<int> colWidths_;
    std::vector<std::int16_t> colAlignments_;
    std::vector<int> rowHeights_;
    std::vector<RowStructure> rowStructures_;
    std::vector<std::string> blockSources_;
    RgbColour backColour_;
};

}  // namespace quorvel
