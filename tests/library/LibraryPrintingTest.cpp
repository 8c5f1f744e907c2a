// The utility library's printing, on the surface that records what a printer would receive.

#include <gtest/gtest.h>

#include "OutputTestSupport.h"
#include "RecordingPrinterSurface.h"
#include "TalvorLibrary.h"

namespace quorvel {
namespace {

using testing::PrintedText;
using testing::RecordedPage;
using testing::RecordingPrinterSurface;

FlexGrid TableWithDataRows(int dataRows) { return testing::TableWithDataRows(dataRows, {"Nuclide", "Adult"}); }

std::vector<std::string> Texts(const RecordedPage& page) {
    std::vector<std::string> texts;
    for (const auto& text : page.Texts) texts.push_back(text.Text);
    return texts;
}

class LibraryPrinting : public ::testing::Test {
protected:
    void Print(const FlexGrid& grid) { clsTalvorLibrary::WriteGridResultsToPrinter(grid, printer_, prompt_); }
    RecordingPrinterSurface printer_;
    testing::RecordingPrompt prompt_;
};

TEST_F(LibraryPrinting, RepeatsTheHeaderOnEveryPageAndKeepsTheOrientation) {
    Print(TableWithDataRows(31));
    for (const auto& call : printer_.Log) EXPECT_FALSE(call.starts_with("orientation")) << call;
    ASSERT_EQ(printer_.SentDocuments.size(), 1U);
    const auto& pages = printer_.SentDocuments[0];
    ASSERT_EQ(pages.size(), 2U);
    EXPECT_EQ(pages[0].Texts.size(), 2U + 60U);
    EXPECT_EQ(Texts(pages[1]), (std::vector<std::string>{"Nuclide", "Adult", "r31", "1.00E-09"}));
    EXPECT_TRUE(pages[1].Texts[0].Bold);
    EXPECT_TRUE(pages[1].Texts[1].Bold);
    EXPECT_TRUE(prompt_.Messages.empty());
}

TEST_F(LibraryPrinting, PrintsColumnZeroBoldAndLeftAndTheOthersPlainAndCentred) {
    FlexGrid grid = TableWithDataRows(1);
    // Cell fonts that the program's printing would copy; this variant does not read them.
    grid.SetRow(1);
    grid.SetCol(1);
    grid.SetCellFontBold(true);
    grid.SetCellFontItalic(true);
    grid.SetCellFontSize(20);
    Print(grid);
    const auto& texts = printer_.SentDocuments.at(0).at(0).Texts;
    ASSERT_EQ(texts.size(), 4U);
    // Column 0 from 0 to 960 twips: indented by 48. Column 1 from 960 to 1920: the 660
    // units of "1.00E-09" centred at 1440. Rows 240 high, texts 198 high.
    const PrintedText& name = texts[2];
    EXPECT_EQ(name.Text, "r1");
    EXPECT_DOUBLE_EQ(name.X, 48);
    EXPECT_DOUBLE_EQ(name.Y, 261);
    EXPECT_TRUE(name.Bold);
    const PrintedText& value = texts[3];
    EXPECT_EQ(value.Text, "1.00E-09");
    EXPECT_DOUBLE_EQ(value.X, 1110);
    EXPECT_DOUBLE_EQ(value.Y, 261);
    EXPECT_FALSE(value.Bold);
    EXPECT_FALSE(value.Italic);
    EXPECT_FLOAT_EQ(value.Size, 8.25F);
}

TEST_F(LibraryPrinting, CutsWideValuesAtBothEndsAndPrintsNothingWithoutDataRows) {
    FlexGrid grid = TableWithDataRows(1);
    grid.SetTextMatrix(1, 1, "1234567890123");  // 1072.5 units; 912 are free in the column
    Print(grid);
    EXPECT_EQ(printer_.SentDocuments.at(0).at(0).Texts.at(3).Text, "23456789012");
    Print(TableWithDataRows(0));
    ASSERT_EQ(printer_.SentDocuments.size(), 2U);
    EXPECT_TRUE(printer_.SentDocuments[1].empty());
}

}  // namespace
}  // namespace quorvel
