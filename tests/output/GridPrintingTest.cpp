// Printing the result grid, on a surface that records what a printer would receive.

#include <fstream>
#include <gtest/gtest.h>
#include <string>
#include <vector>

#include "FlexGrid.h"
#include "GridPrinting.h"
#include "OutputTestSupport.h"
#include "PrintFooter.h"
#include "RecordingPrinterSurface.h"
#include "TidyTable.h"

namespace {

using quorvel::FlexGrid;
using quorvel::WriteGridResultsToPrinter;
using quorvel::test::RecordedPage;
using quorvel::test::RecordingPrinterSurface;
using quorvel::test::RecordingPrompt;
using Texts = std::vector<std::string>;

// One fixed row "Nuclide | Adult | Child", then data rows "rN | 1.00E-09 |".
FlexGrid TableWithDataRows(int dataRows) {
    std::vector<Texts> rows{{"Nuclide", "Adult", "Child"}};
    for (int r = 1; r <= dataRows; ++r) rows.push_back({"r" + std::to_string(r), "1.00E-09", ""});
    FlexGrid grid = quorvel::testing::GridOf(rows);
    grid.SetFixedRows(1);
    return grid;
}

Texts RowNames(int first, int last) {
    Texts names;
    for (int r = first; r <= last; ++r) names.push_back("r" + std::to_string(r));
    return names;
}

// Column 0 texts of the data slots (below the 240-twip header row).
Texts DataRowsOf(const RecordedPage& page) {
    Texts texts;
    for (const auto& text : page.Texts)
        if (text.X < 100 && text.Y >= 240) texts.push_back(text.Text);
    return texts;
}

Texts BoldTextsOf(const RecordedPage& page) {
    Texts texts;
    for (const auto& text : page.Texts)
        if (text.Bold) texts.push_back(text.Text);
    return texts;
}

// Prints on a fresh recorder.
class PrintingTest : public ::testing::Test {
protected:
    void Print(const FlexGrid& grid, int paperStyle = 2) {
        WriteGridResultsToPrinter(grid, paperStyle, printer_, prompt_);
    }
    const RecordedPage& FirstPage() const { return printer_.SentDocuments.at(0).at(0); }

    RecordingPrinterSurface printer_;
    RecordingPrompt prompt_;
};

// ---------------------------------------------------------------------------------------
// Whole run of a small table

// The whole run of calls, against tests/data/expected/printing.
TEST_F(PrintingTest, SmallTableGivesTheCallsOfItsExpectedFile) {
    FlexGrid grid = quorvel::testing::GridOf({{"Nuclide", "Value"}, {"Cs-137", "1.00E-09"}, {"Sr-90", ""}});
    grid.SetFixedRows(1);
    Print(grid);
    std::ifstream file(std::string(QUORVEL_EXPECTED_TABLES) + "/printing/small-table.txt");
    Texts expected;
    for (std::string line; std::getline(file, line);)
        if (!line.empty() && line[0] != '#') expected.push_back(line);
    ASSERT_FALSE(expected.empty());
    EXPECT_EQ(printer_.Log, expected);
    EXPECT_TRUE(prompt_.Messages.empty());
    ASSERT_EQ(printer_.SentDocuments.size(), 1U);
    ASSERT_EQ(printer_.SentDocuments[0].size(), 1U);
    EXPECT_EQ(BoldTextsOf(FirstPage()), (Texts{"Nuclide", "Value"}));
}

// ---------------------------------------------------------------------------------------
// Pages: 30 data rows each, the header on the first page or, asked for, on every page

TEST_F(PrintingTest, RowsGoThirtyToAPageWithTheHeaderWhereAsked) {
    struct PageCase {
        int DataRows;
        bool HeaderOnEveryPage;
        std::vector<int> LastRowOfPage;
    };
    for (const PageCase& c : {PageCase{30, false, {30}}, PageCase{31, false, {30, 31}},
                              PageCase{65, false, {30, 60, 65}}, PageCase{61, true, {30, 60, 61}}}) {
        SCOPED_TRACE(c.DataRows);
        RecordingPrinterSurface printer;
        quorvel::GridPrintingOptions options;
        options.HeaderOnEveryPage = c.HeaderOnEveryPage;
        WriteGridResultsToPrinter(TableWithDataRows(c.DataRows), 1, printer, prompt_, options);
        ASSERT_EQ(printer.SentDocuments.size(), 1U);
        const auto& pages = printer.SentDocuments[0];
        ASSERT_EQ(pages.size(), c.LastRowOfPage.size());
        for (std::size_t p = 0; p < pages.size(); ++p) {
            EXPECT_EQ(DataRowsOf(pages[p]), RowNames(p == 0 ? 1 : c.LastRowOfPage[p - 1] + 1, c.LastRowOfPage[p])) << p;
            const Texts header = p == 0 || c.HeaderOnEveryPage ? Texts{"Nuclide", "Adult", "Child"} : Texts{};
            EXPECT_EQ(BoldTextsOf(pages[p]), header) << p;
        }
    }
    EXPECT_TRUE(prompt_.Messages.empty());
}

// A tool window's rows as they print: a page that goes on with them starts with the title,
// marked, and the headings, which do not count against its 30 rows.
TEST_F(PrintingTest, APageThatGoesOnWithToolWindowRowsRepeatsTheTitleAndHeadings) {
    quorvel::TidyTable table{{"Nuclide", "Value"}, {}};
    for (int r = 1; r <= 40; ++r) table.Rows.push_back({{"r" + std::to_string(r), {}}, {"1.00E-09", {}}});
    Print(quorvel::TitledTidyTableGrid(table, "Ranking"));  // rows: title, headings, r1 to r40
    ASSERT_EQ(printer_.SentDocuments.size(), 1U);
    const auto& pages = printer_.SentDocuments[0];
    ASSERT_EQ(pages.size(), 2U);
    EXPECT_EQ(BoldTextsOf(pages[0]), (Texts{"Ranking", "Nuclide", "Value"}));
    EXPECT_EQ(BoldTextsOf(pages[1]), (Texts{"Ranking (continued)", "Nuclide", "Value"}));
    Texts rows;
    for (const auto& text : pages[1].Texts)
        if (!text.Bold && text.X < 100) rows.push_back(text.Text);
    EXPECT_EQ(rows, RowNames(30, 40));
}

// ---------------------------------------------------------------------------------------
// The footer line on every page

// A result grid as the builders lay it out: a title block in column 0, an empty row, the
// column headings, then data rows.
FlexGrid TitledTable(const std::vector<std::string>& titleBlock, int dataRows) {
    const int headingRow = static_cast<int>(titleBlock.size()) + 1;
    FlexGrid grid(headingRow + 1 + dataRows, 3);
    grid.SetFixedRows(1);
    for (int c = 0; c < 3; ++c) grid.SetColWidth(c, 4000);
    for (std::size_t r = 0; r < titleBlock.size(); ++r) grid.SetTextMatrix(static_cast<int>(r), 0, titleBlock[r]);
    grid.SetTextMatrix(headingRow, 0, "Description");
    grid.SetTextMatrix(headingRow, 1, "Adult");
    for (int r = headingRow + 1; r < grid.Rows(); ++r) {
        grid.SetTextMatrix(r, 0, "Lungs");
        grid.SetTextMatrix(r, 1, "1.27E-08");
    }
    return grid;
}

TEST_F(PrintingTest, EveryPageEndsWithTheTablesFooterAndItsPageNumber) {
    const std::vector<std::string> block = {"Ingestion Dose Coefficients", "Cs-137, T1/2 = 30.1671 y", "Units = Sv/Bq",
                                            "f1 = 1; FGR-13 organ doses (Cs.def)"};
    const FlexGrid grid = TitledTable(block, 60);  // 66 rows below the fixed one: three pages
    quorvel::GridPrintingOptions options;
    options.FooterDate = "2026-12-07";
    WriteGridResultsToPrinter(grid, 2, printer_, prompt_, options);
    ASSERT_EQ(printer_.SentDocuments.size(), 1U);
    const auto& pages = printer_.SentDocuments[0];
    ASSERT_EQ(pages.size(), 3U);
    const double bandBottom = grid.RowPos(0) + 32.0 * grid.RowHeight(0);
    for (std::size_t p = 0; p < pages.size(); ++p) {
        SCOPED_TRACE(p + 1);
        std::vector<quorvel::test::PrintedText> footer;
        for (const auto& text : pages[p].Texts)
            if (text.Y > bandBottom) footer.push_back(text);
        ASSERT_EQ(footer.size(), 2U);
        EXPECT_EQ(footer[0].Text, "Page " + std::to_string(p + 1) + " of 3");
        const std::string& line = footer[1].Text;
        for (const std::string& part :
             {std::string("Ingestion Dose Coefficients"), std::string("Cs-137"), std::string("Units = Sv/Bq"),
              std::string("FGR-13 organ doses (Cs.def)"), std::string("2026-12-07")})
            EXPECT_NE(line.find(part), std::string::npos) << part << " in " << line;
        EXPECT_EQ(line.find("30.1671"), std::string::npos) << "the nuclide without its half-life";
    }
    RecordingPrinterSurface withoutDate;
    WriteGridResultsToPrinter(grid, 2, withoutDate, prompt_);
    for (const auto& text : withoutDate.SentDocuments.at(0).at(0).Texts) EXPECT_LE(text.Y, bandBottom);
}

TEST(PrintFooterTest, TheSourceIsThePublicationTheTitleBlockNames) {
    const FlexGrid external = TitledTable(
        {"Soil Layer Dose Coefficients", "Co-60, T1/2 = 5.2713 y (FGR-12 Table III.7)", "Units = Sv m3/(Bq s)"}, 1);
    const std::string line = quorvel::FooterDescription(external, "today");
    EXPECT_NE(line.find("FGR-12 Table III.7"), std::string::npos) << line;
    EXPECT_EQ(line.find("(FGR-12"), std::string::npos) << line;
    EXPECT_EQ(line.find("Table III.7)"), std::string::npos) << line;
    const FlexGrid icrp = TitledTable({"Ingestion Dose Coefficients", "Na-22, T1/2 = 2.6019 y", "Units = Sv/Bq",
                                       "f1 = 1; ICRP-72 effective dose only"},
                                      1);
    EXPECT_NE(quorvel::FooterDescription(icrp, "today").find("ICRP-72 effective dose only"), std::string::npos);
    FlexGrid none(2, 1);
    none.SetTextMatrix(1, 0, "(None Available)");
    EXPECT_EQ(quorvel::FooterDescription(none, "today"), "today") << "an empty-result grid names no table";
}

// ---------------------------------------------------------------------------------------
// Data cells: cut at the right, fonts of the cell

TEST_F(PrintingTest, MultibyteCharactersAreCutWhole) {
    FlexGrid grid = TableWithDataRows(1);
    grid.SetColWidth(1, 400);  // 380 free: 4 characters of 82.5
    grid.SetTextMatrix(1, 1, "\xC2\xB5Sv/Bq");
    Print(grid);
    const auto& texts = FirstPage().Texts;
    ASSERT_EQ(texts.size(), 5U);
    // The recorder counts bytes: the two bytes of the micro sign go or stay together.
    EXPECT_EQ(texts[4].Text, "\xC2\xB5Sv");
}

// ---------------------------------------------------------------------------------------
// Text taller than its row

TEST_F(PrintingTest, TallDataTextIsReportedAndCancelsTheDocumentSoFar) {
    FlexGrid grid = TableWithDataRows(3);
    grid.SetRow(2);
    grid.SetCol(1);
    grid.SetCellFontSize(12);  // 288 high in a 240 row
    Print(grid);
    EXPECT_EQ(prompt_.Messages, Texts{"Illegal FontSize! try another one"});
    EXPECT_EQ(printer_.KilledDocuments, 1);
    // What followed the cancel forms the document that is sent: the tall cell and row 3.
    ASSERT_EQ(printer_.SentDocuments.size(), 1U);
    ASSERT_EQ(printer_.SentDocuments[0].size(), 1U);
    const auto& texts = FirstPage().Texts;
    ASSERT_EQ(texts.size(), 3U);
    EXPECT_EQ(texts[0].Text, "1.00E-0");  // 12 points: 120 a character, 7 fit
    EXPECT_FLOAT_EQ(texts[0].Size, 12);
    EXPECT_EQ(texts[1].Text, "r3");
    EXPECT_EQ(texts[2].Text, "1.00E-09");
    EXPECT_TRUE(FirstPage().Lines.empty());
}

}  // namespace
