// The grid model, its conventions and the scientific format of the tables' values.

#include <cstdlib>
#include <fstream>
#include <gtest/gtest.h>
#include <limits>
#include <sstream>

#include "FlexGrid.h"
#include "GridConventions.h"
#include "ScientificFormat.h"

namespace quorvel {
namespace {

TEST(FlexGrid, ResizingKeepsTheCellsThatRemain) {
    FlexGrid grid(3, 3);
    grid.SetTextMatrix(0, 0, "kept");
    grid.SetTextMatrix(2, 2, "dropped");
    grid.SetRow(1);
    grid.SetCol(1);
    grid.SetCellFontBold(true);

    grid.SetRows(2);
    grid.SetCols(2);
    grid.SetRows(4);
    grid.SetCols(4);

    EXPECT_EQ(grid.TextMatrix(0, 0), "kept");
    EXPECT_TRUE(grid.CellFormatAt(1, 1).Bold);
    EXPECT_EQ(grid.TextMatrix(2, 2), "") << "a cell that was cut away comes back empty";
    EXPECT_EQ(grid.TextMatrix(3, 3), "");
}

TEST(FlexGrid, CellsOutsideTheGridCannotBeReadOrWritten) {
    FlexGrid grid(2, 1);
    EXPECT_THROW(grid.TextMatrix(2, 0), std::out_of_range);
    EXPECT_THROW(grid.SetTextMatrix(0, 1, "x"), std::out_of_range);
    EXPECT_THROW(grid.TextMatrix(-1, 0), std::out_of_range);
    EXPECT_THROW(grid.SetRow(2), std::out_of_range);
    EXPECT_THROW(grid.SetFixedRows(3), std::out_of_range);
    EXPECT_THROW(grid.SetRows(-1), std::out_of_range);
}

TEST(FlexGrid, ShrinkingPullsTheCurrentCellAndFixedRowsInside) {
    FlexGrid grid(10, 10);
    grid.SetFixedRows(5);
    grid.SetRow(9);
    grid.SetCol(9);
    grid.SetRows(2);
    grid.SetCols(1);
    EXPECT_EQ(grid.Row(), 1);
    EXPECT_EQ(grid.Col(), 0);
    EXPECT_EQ(grid.FixedRows(), 2);
    EXPECT_NO_THROW(grid.SetCellFontBold(true));
}

TEST(GridConventions, BoldTheCellLeavesTheCurrentCellWhereItWas) {
    FlexGrid grid(5, 5);
    grid.SetRow(1);
    grid.SetCol(2);
    BoldTheCell(grid, 4, 3);
    EXPECT_EQ(grid.Row(), 1);
    EXPECT_EQ(grid.Col(), 2);
    EXPECT_TRUE(grid.CellFormatAt(4, 3).Bold);
    EXPECT_FALSE(grid.CellFormatAt(1, 2).Bold);
}

// Each line of tests/data/grid/scientific-format.txt.
TEST(ScientificFormat, RendersTheListedValuesAsListed) {
    std::ifstream list(std::string(QUORVEL_TEST_DATA) + "/grid/scientific-format.txt");
    int checked = 0;
    for (std::string line; std::getline(list, line);) {
        if (line.empty() || line[0] == '#') continue;
        std::string value, bar, text;
        std::istringstream(line) >> value >> bar >> text;
        EXPECT_EQ(FormatScientific(std::strtod(value.c_str(), nullptr)), text) << line;
        ++checked;
    }
    EXPECT_GE(checked, 10);
}

TEST(ScientificFormat, RefusesValuesBeyondTheRangeOfANumber) {
    EXPECT_THROW(FormatScientific(std::numeric_limits<double>::infinity()), std::overflow_error);
    EXPECT_THROW(FormatScientific(std::numeric_limits<double>::quiet_NaN()), std::overflow_error);
}

}  // namespace
}  // namespace quorvel
