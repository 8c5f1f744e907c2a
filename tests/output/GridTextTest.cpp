// The grid's texts for a text file (comma-separated) and for the clipboard (tab-separated).

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "FlexGrid.h"
#include "GridText.h"
#include "OutputTestSupport.h"

namespace {

using quorvel::FlexGrid;
using quorvel::FormatBlockAsClipboardText;
using quorvel::FormatGridAsCommaSeparatedText;
using quorvel::testing::GridOf;
using quorvel::testing::NamedCells;

// ---------------------------------------------------------------------------------------
// Comma-separated text

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

// ---------------------------------------------------------------------------------------
// Clipboard text

TEST(ClipboardTextTest, BlockJoinsCellsByTabsAndRowsByALineFeed) {
    const FlexGrid grid = NamedCells(4, 5);
    EXPECT_EQ(FormatBlockAsClipboardText(grid, 1, 2, 1, 3), "r1c1\tr1c2\tr1c3\nr2c1\tr2c2\tr2c3");
    EXPECT_EQ(FormatBlockAsClipboardText(grid, 0, 2, 4, 4), "r0c4\nr1c4\nr2c4");
    EXPECT_EQ(FormatBlockAsClipboardText(grid, 3, 3, 0, 4), "r3c0\tr3c1\tr3c2\tr3c3\tr3c4");
}

TEST(ClipboardTextTest, CellTextsAreNeitherQuotedNorEscaped) {
    const FlexGrid grid = GridOf({{"1,234", "say \"hi\"", "tab\there"}, {"line\rbreak", "", "x"}});
    EXPECT_EQ(FormatBlockAsClipboardText(grid, 0, 1, 0, 2), "1,234\tsay \"hi\"\ttab\there\nline\rbreak\t\tx");
}

}  // namespace
