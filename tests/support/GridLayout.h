#pragma once
// A grid written out as text, so that whole tables can be compared with layouts
// spelled out in the tests: one line per row, cells joined by '|', a bold cell
// marked with a leading '*'.

#include <algorithm>
#include <string>
#include <vector>

#include "Coefficient.h"
#include "FlexGrid.h"

namespace quorvel::test {

inline std::string DescribeGrid(const FlexGrid& grid) {
    std::string text;
    for (int r = 0; r < grid.Rows(); ++r) {
        for (int c = 0; c < grid.Cols(); ++c) {
            if (c > 0) text += '|';
            if (grid.CellFormatAt(r, c).Bold) text += '*';
            text += grid.TextMatrix(r, c);
        }
        text += '\n';
    }
    return text;
}

// What is wrong with the structure a table's layout recorded: a grid cell that names a cell
// of the table whose text is not the one it shows, or that stands in no data row of the
// cell's block; a cell of the table shown nowhere or twice; a row with text that neither
// heads a block nor holds values; group headings ("Mortality") that do not head the columns
// of their block's values, each once. Empty when nothing is.
inline std::string LayoutFaults(const FlexGrid& grid, const CoefficientTable& table) {
    std::string faults;
    std::vector<int> shown(table.Cells.size());
    std::vector<std::vector<int>> valueColumns(table.Blocks.size()), headedColumns(table.Blocks.size());
    for (int r = 0; r < grid.Rows(); ++r) {
        const RowStructure row = grid.RowStructureAt(r);
        bool text = false;
        for (int c = 0; c < grid.Cols(); ++c) {
            text = text || !grid.TextMatrix(r, c).empty();
            const std::string at = " at (" + std::to_string(r) + ", " + std::to_string(c) + "); ";
            if (const auto group = grid.GroupHeadingColumns(r, c); group && row.Block >= 0)
                for (int g = group->first; g <= group->second; ++g) headedColumns[row.Block].push_back(g);
            const int index = grid.CellCoefficient(r, c);
            if (index < 0) continue;
            const Coefficient& cell = table.Cells.at(static_cast<std::size_t>(index));
            if (grid.TextMatrix(r, c) != cell.Text)
                faults += "\"" + grid.TextMatrix(r, c) + "\" names " + cell.Text + at;
            if (row != RowStructure{cell.Block, RowRole::Data}) faults += "a value outside its block's data rows" + at;
            auto& columns = valueColumns[static_cast<std::size_t>(cell.Block)];
            if (std::find(columns.begin(), columns.end(), c) == columns.end()) columns.push_back(c);
            ++shown[static_cast<std::size_t>(index)];
        }
        if (text && row.Role == RowRole::None && !table.Empty()) faults += "row " + std::to_string(r) + " is no part; ";
    }
    for (std::size_t i = 0; i < shown.size(); ++i)
        if (shown[i] != 1) faults += table.Cells[i].Descriptor + " shown " + std::to_string(shown[i]) + " times; ";
    for (std::size_t b = 0; b < table.Blocks.size(); ++b) {
        std::sort(valueColumns[b].begin(), valueColumns[b].end());
        std::sort(headedColumns[b].begin(), headedColumns[b].end());
        if (!headedColumns[b].empty() && headedColumns[b] != valueColumns[b])
            faults += "block " + std::to_string(b) + "'s groups head other columns than its values; ";
    }
    return faults;
}

}  // namespace quorvel::test
