// The shipped database read the way the viewer reads it: start-up readers and table builders.
#include <gtest/gtest.h>
#include <sstream>

#include "BuiltDatabase.h"
#include "GridLayout.h"
#include "NuclideList.h"
#include "TableRequests.h"

namespace quorvel {
namespace {

std::string ShippedPath() { return data::test::BuiltDatabase::Instance().File().string(); }

DatabaseSession& Shipped() {
    static DatabaseSession session(ShippedPath());
    return session;
}

// The request's table; the structure its layout records must hold.
FlexGrid Request(const CoefficientRequest& request) {
    FlexGrid grid;
    NoBusyPointer pointer;
    const ShownTable shown = DispatchCoefficientRequest(Shipped(), request, grid, pointer);
    EXPECT_EQ(test::LayoutFaults(grid, shown.Table), "") << request.Nuclide << " " << request.Kind.Name();
    return grid;
}

// The text in the last column headed `column` of the first row that has it, on the first row
// below whose descriptor is `row`.
std::string Cell(const FlexGrid& grid, const std::string& column, const std::string& row) {
    int c = -1;
    for (int r = 0; r < grid.Rows(); ++r) {
        if (c >= 0) {
            if (grid.TextMatrix(r, 0) == row) return grid.TextMatrix(r, c);
        } else {
            for (int j = 1; j < grid.Cols(); ++j)
                if (grid.TextMatrix(r, j) == column) c = j;
        }
    }
    return "(no cell " + row + " / " + column + ")";
}

TEST(ShippedTables, StartUpReadsAgesUnitsAndEveryNuclideBackFromItsListEntry) {
    EXPECT_EQ(Shipped().Ages().AgeGroupNames,
              (std::vector<std::string>{"3 Months", "1 Year", "5 Years", "10 Years", "15 Years", "Adult"}));
    EXPECT_EQ(Shipped().Ages().AgeGroupDays, (std::vector<double>{100, 365, 1825, 3650, 5475, 7300}));
    EXPECT_EQ(Shipped().Units().DoseUnits.CategoryCount(), 4);
    for (int category = 1; category <= 4; ++category) {
        EXPECT_GE(Shipped().Units().DoseUnits.UnitCount(category), 2) << category;
        EXPECT_GE(Shipped().Units().RiskUnits.UnitCount(category), 2) << category;
    }
    Recordset records = Shipped().NuclideRecords();
    const auto entries = ReadNuclideListEntries(records);
    const auto names = data::test::BuiltDatabase::Instance().Texts("SELECT Nuclide FROM Nuke2 ORDER BY rowid");
    ASSERT_EQ(names.size(), entries.size());
    for (std::size_t i = 0; i < names.size(); ++i) EXPECT_EQ(EntryNuclide(entries[i]), names[i].value());
}

// Each line of tests/data/shipped/published-values.txt.
TEST(ShippedTables, PublishedValuesShowAsPublished) {
    const auto lines = data::test::ReadListFile("shipped/published-values.txt");
    ASSERT_GE(lines.size(), 10u);
    for (const auto& fields : lines) {
        EXPECT_EQ(Cell(Request(test::RequestOf(fields.at(0))), fields.at(1), fields.at(2)), fields.at(3))
            << fields.at(0);
    }
}

TEST(ShippedTables, TheInhalationAndExternalRiskTablesHoldNoInventedValues) {
    for (Pathway pathway : {Pathway::Inhalation, Pathway::External})
        EXPECT_EQ(Request({"Cs-137", {CoefficientType::Risk, pathway}}).TextMatrix(1, 0), "(None Available)");
}

// Every table of every nuclide, and the structure each layout records.
TEST(ShippedTables, EveryNuclideGivesEveryTableWithoutFailing) {
    int tables = 0;
    for (const auto& name : data::test::BuiltDatabase::Instance().Texts("SELECT Nuclide FROM Nuke2"))
        for (const TableKind& kind : AllTableKinds())
            tables += Request({name.value(), kind}).TextMatrix(1, 0) != "(None Available)";
    EXPECT_GE(tables, 3 * 825 + 2 * 700 + 700);
}

// Each block says where its values come from, as the sources of the database name them:
// Cs-137's types F and M from FGR-13's organ doses, type S from ICRP-72.
TEST(ShippedTables, EachBlockNamesItsSource) {
    const auto sources = [](const std::string& request) {
        const FlexGrid grid = Request(test::RequestOf(request));
        std::string blocks;
        for (int block = 0; block < grid.BlockCount(); ++block) blocks += grid.BlockSource(block) + "; ";
        return blocks;
    };
    EXPECT_EQ(sources("Cs-137 dose inhalation -"),
              "FGR-13 organ doses (Cs.def); FGR-13 organ doses (Cs.def); ICRP-72 effective dose only; ");
    EXPECT_EQ(sources("Cs-137 dose external ground-plane"), "FGR-12 Table III.3; ");
    EXPECT_EQ(sources("Cs-137 risk ingestion -"), "fgr13pak/FGR13ING.RBS; fgr13pak/FGR13ING.RBS; ");
}

}  // namespace
}  // namespace quorvel
