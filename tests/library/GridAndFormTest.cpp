#include <gtest/gtest.h>

#include "TalvorLibrary.h"

namespace quorvel {
namespace {

using Records = clsTalvorLibrary::Records;

Records GridTexts(const FlexGrid& grid) {
    Records texts(static_cast<std::size_t>(grid.Rows()));
    for (int r = 0; r < grid.Rows(); ++r)
        for (int c = 0; c < grid.Cols(); ++c) texts[static_cast<std::size_t>(r)].push_back(grid.TextMatrix(r, c));
    return texts;
}

TEST(RecordSetGrid, HoldsTheNamesAndOneRowPerRecord) {
    Recordset records({"Nuclide", "Value"},
                      {{FieldValue("Co-60"), FieldValue(1.5)}, {FieldValue("Cs-137"), FieldValue()}});
    records.MoveNext();  // the grid starts from the first record wherever the recordset stands
    FlexGrid grid(5, 5);
    grid.SetTextMatrix(4, 4, "old");
    grid.SetCellFontBold(true);
    ASSERT_TRUE(clsTalvorLibrary::PlaceRecordSetIntoAMSFlexGrid(records, grid, 1, 1));
    EXPECT_EQ(GridTexts(grid), (Records{{"Nuclide", "Value"}, {"Co-60", "1.5"}, {"Cs-137", ""}}));
    EXPECT_FALSE(grid.CellFormatAt(0, 0).Bold);
    EXPECT_EQ(grid.FixedRows(), 1);
    EXPECT_EQ(grid.FixedCols(), 1);

    ASSERT_TRUE(clsTalvorLibrary::PlaceRecordSetIntoAMSFlexGrid(records, grid, 9, 9));
    EXPECT_EQ(grid.FixedRows(), 3) << "as far as the grid's size allows";
    EXPECT_EQ(grid.FixedCols(), 2);

    Recordset empty({"A"}, {});
    ASSERT_TRUE(clsTalvorLibrary::PlaceRecordSetIntoAMSFlexGrid(empty, grid, 0, -1));
    EXPECT_EQ(GridTexts(grid), (Records{{"A"}}));
    EXPECT_EQ(grid.FixedRows(), 0);
}

TEST(FormCentring, CentresAndNeverLeavesTheScreenAtTheTopOrLeft) {
    EXPECT_EQ(clsTalvorLibrary::CenterTheForm({19200, 10800}, {9600, 7200}), (FormPlacement{4800, 1800}));
    EXPECT_EQ(clsTalvorLibrary::CenterTheForm({9600, 7200}, {12000, 6000}), (FormPlacement{0, 600}));
    EXPECT_EQ(clsTalvorLibrary::CenterTheForm({9600, 7200}, {4800, 9000}), (FormPlacement{2400, 0}));
    EXPECT_EQ(CentredFormPlacement({100, 100}, {101, 99}), (FormPlacement{0, 0.5}));
}

}  // namespace
}  // namespace quorvel
