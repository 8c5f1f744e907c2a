#pragma once
// A grid written out as text, so that whole tables can be compared with layouts
// spelled out in the tests: one line per row, cells joined by '|', a bold cell
// marked with a leading '*'.

#include <algorithm>
#include <set>
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

// What is wrong with the structure a table's layout recorded: a value cell naming a cell of
// the table that is not what it shows or not of a data row of its block, a cell shown other
// than once, a row with text that is no part of a block, group headings ("Mortality") that
// do not head the columns of their block's values. Empty when nothing is.
inline std::string LayoutFaults(const FlexGrid& grid, const CoefficientTable& table) {
    std::string faults;
    std::vector<int> shown(table.Cells.size());
    std::vector<std::set<int>> valueColumns(table.Blocks.size()), headedColumns(table.Blocks.size());
    for (int r = 0; r < grid.Rows(); ++r) {
        const RowStructure row = grid.RowStructureAt(r);
        bool text = false;
        for (int c = 0; c < grid.Cols(); ++c) {
            text = text || !grid.TextMatrix(r, c).empty();
            if (const auto group = grid.GroupHeadingColumns(r, c); group && row.Block >= 0)
                for (int g = group->first; g <= group->second; ++g) headedColumns[row.Block].insert(g);
            const int index = grid.CellCoefficient(r, c);
            if (index < 0) continue;
            const Coefficient& cell = table.Cells.at(static_cast<std::size_t>(index));
            if (grid.TextMatrix(r, c) != cell.Text || row != RowStructure{cell.Block, RowRole::Data})
                faults += "(" + std::to_string(r) + ", " + std::to_string(c) + ") is no place of " + cell.Text + "; ";
            valueColumns[static_cast<std::size_t>(cell.Block)].insert(c);
            ++shown[static_cast<std::size_t>(index)];
        }
        if (text && row.Role == RowRole::None && !table.Empty()) faults += "row " + std::to_string(r) + " is no part; ";
    }
    if (std::count(shown.begin(), shown.end(), 1) != static_cast<long>(shown.size()))
        faults += "cells not shown once; ";
    for (std::size_t b = 0; b < table.Blocks.size(); ++b)
        if (!headedColumns[b].empty() && headedColumns[b] != valueColumns[b]) faults += "groups head other columns; ";
    return faults;
}

}  // namespace quorvel::test
