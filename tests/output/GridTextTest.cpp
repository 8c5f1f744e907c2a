// The grid's texts for a text file (comma-separated) and for the clipboard (tab-separated).

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "FlexGrid.h"
#include "GridText.h"

namespace {

using quorvel::FlexGrid;
using quorvel::FormatBlockAsClipboardText;
using quorvel::FormatGridAsCommaSeparatedText;

// A grid holding the given rows of texts; every row has the same number of cells.
FlexGrid GridOf(const std::vector<std::vector<std::string>>& rows) {
    FlexGrid grid(static_cast<int>(rows.size()), rows.empty() ? 0 : static_cast<int>(rows.front().size()));
    for (std::size_t r = 0; r < rows.size(); ++r)
        for (std::size_t c = 0; c < rows[r].size(); ++c)
            grid.SetTextMatrix(static_cast<int>(r), static_cast<int>(c), rows[r][c]);
    return grid;
}

// ---------------------------------------------------------------------------------------
// Comma-separated text

TEST(CommaSeparatedTextTest, SingleCellIsQuotedAndEndsWithCrLf) {
    EXPECT_EQ(FormatGridAsCommaSeparatedText(GridOf({{"abc"}})), "\"abc\"\r\n");
}

TEST(CommaSeparatedTextTest, FirstColumnIsAlwaysQuotedAndNeverEscaped) {
    const FlexGrid grid = GridOf({{""}, {"1,234"}, {"say \"hi\""}, {"a,\"b\""}, {" padded "}});
    EXPECT_EQ(FormatGridAsCommaSeparatedText(grid),
              "\"\"\r\n"
              "\"1,234\"\r\n"
              "\"say \"hi\"\"\r\n"
              "\"a,\"b\"\"\r\n"
              "\" padded \"\r\n");
}

TEST(CommaSeparatedTextTest, FurtherCellsAreQuotedOnlyWhenTheyHoldAComma) {
    const FlexGrid grid = GridOf({{"Lung", "1.20E-09", "1,234", "q\"uote", ",", "he said \"a,b\"", " spaced ", "a;b\tc"}});
    EXPECT_EQ(FormatGridAsCommaSeparatedText(grid),
              "\"Lung\",1.20E-09,\"1,234\",q\"uote,\",\",\"he said \"a,b\"\", spaced ,a;b\tc\r\n");
}

TEST(CommaSeparatedTextTest, EmptyCellsAddNothingAfterTheirComma) {
    const FlexGrid grid = GridOf({{"a", "", "", "d"}, {"b", "c", "", ""}, {"", "", "", ""}, {"", "x", "", "y"}});
    EXPECT_EQ(FormatGridAsCommaSeparatedText(grid),
              "\"a\",,,d\r\n"
              "\"b\",c,,\r\n"
              "\"\",,,\r\n"
              "\"\",x,,y\r\n");
}

TEST(CommaSeparatedTextTest, WritesEveryRowAndColumnIncludingFixedOnes) {
    FlexGrid grid = GridOf({{"Title", "", ""}, {"Description", "Adult", "Child"}, {"Lung", "1.00E-09", "2.00E-09"}});
    grid.SetFixedRows(1);
    grid.SetFixedCols(1);
    EXPECT_EQ(FormatGridAsCommaSeparatedText(grid),
              "\"Title\",,\r\n"
              "\"Description\",Adult,Child\r\n"
              "\"Lung\",1.00E-09,2.00E-09\r\n");
}

TEST(CommaSeparatedTextTest, GridWithoutRowsGivesNoText) {
    EXPECT_EQ(FormatGridAsCommaSeparatedText(FlexGrid(0, 4)), "");
    EXPECT_EQ(FormatGridAsCommaSeparatedText(FlexGrid(0, 0)), "");
}

TEST(CommaSeparatedTextTest, EmptyResultGridGivesTwoLines) {
    FlexGrid grid(2, 1);
    grid.SetTextMatrix(1, 0, "(None Available)");
    EXPECT_EQ(FormatGridAsCommaSeparatedText(grid), "\"\"\r\n\"(None Available)\"\r\n");
}

// ---------------------------------------------------------------------------------------
// Clipboard text

FlexGrid NamedCells(int rows, int cols) {
    FlexGrid grid(rows, cols);
    for (int r = 0; r < rows; ++r)
        for (int c = 0; c < cols; ++c) grid.SetTextMatrix(r, c, "r" + std::to_string(r) + "c" + std::to_string(c));
    return grid;
}

TEST(ClipboardTextTest, SingleCellHasNoSeparators) {
    FlexGrid grid = NamedCells(3, 3);
    grid.SetTextMatrix(1, 2, "1.2E-05");
    EXPECT_EQ(FormatBlockAsClipboardText(grid, 1, 1, 2, 2), "1.2E-05");
}

TEST(ClipboardTextTest, BlockJoinsCellsByTabsAndRowsByALoneCarriageReturn) {
    const FlexGrid grid = NamedCells(4, 5);
    EXPECT_EQ(FormatBlockAsClipboardText(grid, 1, 2, 1, 3), "r1c1\tr1c2\tr1c3\rr2c1\tr2c2\tr2c3");
    EXPECT_EQ(FormatBlockAsClipboardText(grid, 0, 2, 4, 4), "r0c4\rr1c4\rr2c4");
    EXPECT_EQ(FormatBlockAsClipboardText(grid, 3, 3, 0, 4), "r3c0\tr3c1\tr3c2\tr3c3\tr3c4");
}

TEST(ClipboardTextTest, CornersInAnyOrderGiveTheSameText) {
    const FlexGrid grid = NamedCells(4, 5);
    const std::string block = "r1c1\tr1c2\tr1c3\rr2c1\tr2c2\tr2c3";
    EXPECT_EQ(FormatBlockAsClipboardText(grid, 2, 1, 3, 1), block);
    EXPECT_EQ(FormatBlockAsClipboardText(grid, 2, 1, 1, 3), block);
    EXPECT_EQ(FormatBlockAsClipboardText(grid, 1, 2, 3, 1), block);
}

TEST(ClipboardTextTest, EmptyCellsGiveEmptyFields) {
    const FlexGrid grid = GridOf({{"", "", "x"}, {"a", "", "c"}, {"a", "", ""}});
    EXPECT_EQ(FormatBlockAsClipboardText(grid, 0, 2, 0, 2), "\t\tx\ra\t\tc\ra\t\t");
    EXPECT_EQ(FormatBlockAsClipboardText(grid, 0, 0, 0, 1), "\t");
}

TEST(ClipboardTextTest, CellTextsAreNeitherQuotedNorEscaped) {
    const FlexGrid grid = GridOf({{"1,234", "say \"hi\"", "tab\there"}, {"line\rbreak", "", "x"}});
    EXPECT_EQ(FormatBlockAsClipboardText(grid, 0, 1, 0, 2), "1,234\tsay \"hi\"\ttab\there\rline\rbreak\t\tx");
}

}  // namespace
