#pragma once
// The result grid model: the cell texts and formatting that the table builders write,
// the outputs read and the desktop window shows. Rows and columns count from 0;
// sizes and positions are in twips (1440 to the inch).

#include <cstdint>
#include <string>
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

    // Empties every cell's text and formatting; the shape stays.
    void Clear();

    RgbColour BackColour() const { return backColour_; }
    void SetBackColour(RgbColour colour) { backColour_ = colour; }

private:
    struct Cell {
        std::string Text;
        CellFormat Format;
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
    RgbColour backColour_;
};

}  // namespace quorvel
