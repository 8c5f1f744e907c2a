// The utility library's printing, on the surface that records what a printer would receive.

#include <gtest/gtest.h>

#include "RecordingPrinterSurface.h"
#include "Recorders.h"
#include "TalvorLibrary.h"

namespace quorvel {
namespace {

// A fixed row "Nuclide" | "Adult", then data rows "rN" | "1.00E-09".
FlexGrid TableWithDataRows(int dataRows) {
    FlexGrid grid(dataRows + 1, 2);
    grid.SetFixedRows(1);
    grid.SetTextMatrix(0, 0, "Nuclide");
    grid.SetTextMatrix(0, 1, "Adult");
    for (int r = 1; r <= dataRows; ++r) {
        grid.SetTextMatrix(r, 0, "r" + std::to_string(r));
        grid.SetTextMatrix(r, 1, "1.00E-09");
    }
    return grid;
}

std::vector<std::string> Texts(const test::RecordedPage& page) {
    std::vector<std::string> texts;
    for (const auto& text : page.Texts) texts.push_back(text.Text);
    return texts;
}

class LibraryPrinting : public ::testing::Test {
protected:
    void Print(const FlexGrid& grid) { clsTalvorLibrary::WriteGridResultsToPrinter(grid, printer_, prompt_); }
    test::RecordingPrinterSurface printer_;
    test::RecordingPrompt prompt_;
};

TEST_F(LibraryPrinting, RepeatsTheBoldHeaderOnEveryPageAndKeepsTheOrientation) {
    Print(TableWithDataRows(61));  // two full pages and one row
    for (const auto& call : printer_.Log) EXPECT_FALSE(call.starts_with("orientation")) << call;
    ASSERT_EQ(printer_.SentDocuments.size(), 1U);
    const auto& pages = printer_.SentDocuments[0];
    ASSERT_EQ(pages.size(), 3U);
    for (const auto& page : pages) {
        ASSERT_GE(page.Texts.size(), 4U);
        EXPECT_EQ(page.Texts[0].Text, "Nuclide");
        EXPECT_TRUE(page.Texts[1].Bold);
    }
    EXPECT_EQ(Texts(pages[2]), (std::vector<std::string>{"Nuclide", "Adult", "r61", "1.00E-09"}));
    EXPECT_TRUE(pages[2].Texts[2].Bold) << "column 0 is bold";
    EXPECT_FALSE(pages[2].Texts[3].Bold);
    EXPECT_TRUE(prompt_.Messages.empty());
}

TEST_F(LibraryPrinting, CutsWideValuesAtBothEndsAndPrintsNothingWithoutDataRows) {
    FlexGrid grid = TableWithDataRows(1);
    grid.SetTextMatrix(1, 1, "1234567890123");  // wider than its column
    Print(grid);
    EXPECT_EQ(printer_.SentDocuments.at(0).at(0).Texts.at(3).Text, "23456789012");
    Print(TableWithDataRows(0));
    ASSERT_EQ(printer_.SentDocuments.size(), 2U);
    EXPECT_TRUE(printer_.SentDocuments[1].empty());
}

}  // namespace
}  // namespace quorvel
