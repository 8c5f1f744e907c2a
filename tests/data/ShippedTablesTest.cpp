// The shipped database read the way the viewer reads it: start-up readers and table builders.
#include <gtest/gtest.h>
#include <sstream>

#include "BuiltDatabase.h"
#include "CoefficientDispatcher.h"
#include "Database.h"
#include "NuclideList.h"
#include "StartUpReaders.h"

namespace quorvel {
namespace {

std::string ShippedPath() { return data::test::BuiltDatabase::Instance().File().string(); }

struct StartUp {
    AgeGroups Ages;
    std::vector<std::string> Entries;
    UnitTables Units;
};

const StartUp& ShippedStartUp() {
    static const StartUp read = [] {
        StartUp s;
        auto database = OpenDatabase(ShippedPath());
        s.Ages = ReadAgeUnits(*database);
        Recordset nuclides = database->OpenTable("Nuke2");
        s.Entries = ReadNuclideListEntries(nuclides);
        s.Units = ReadUnitTables(ShippedPath(), "Risk Units", "Dose Units");
        return s;
    }();
    return read;
}

FlexGrid Request(const CoefficientRequest& request) {
    FlexGrid grid;
    NoBusyPointer pointer;
    DispatchCoefficientRequest(ShippedPath(), request, grid, ChooseUnit(ShippedStartUp().Units, request),
                               ShippedStartUp().Ages, 1, pointer);
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
    EXPECT_EQ(ShippedStartUp().Ages.AgeGroupNames,
              (std::vector<std::string>{"3 Months", "1 Year", "5 Years", "10 Years", "15 Years", "Adult"}));
    EXPECT_EQ(ShippedStartUp().Ages.AgeGroupDays, (std::vector<double>{100, 365, 1825, 3650, 5475, 7300}));
    EXPECT_EQ(ShippedStartUp().Units.DoseUnits.CategoryCount(), 4);
    for (int category = 1; category <= 4; ++category) {
        EXPECT_GE(ShippedStartUp().Units.DoseUnits.UnitCount(category), 2) << category;
        EXPECT_GE(ShippedStartUp().Units.RiskUnits.UnitCount(category), 2) << category;
    }
    const auto names = data::test::BuiltDatabase::Instance().Texts("SELECT Nuclide FROM Nuke2 ORDER BY rowid");
    ASSERT_EQ(names.size(), ShippedStartUp().Entries.size());
    for (std::size_t i = 0; i < names.size(); ++i)
        EXPECT_EQ(EntryNuclide(ShippedStartUp().Entries[i]), names[i].value());
}

int Code(const std::vector<std::pair<std::string, int>>& words, const std::string& word) {
    if (word == "-") return 0;
    for (const auto& [name, code] : words)
        if (name == word) return code;
    throw std::runtime_error("published-values.txt: unknown word " + word);
}

// Each line of tests/data/shipped/published-values.txt.
TEST(ShippedTables, PublishedValuesShowAsPublished) {
    const auto lines = data::test::ReadListFile("shipped/published-values.txt");
    ASSERT_GE(lines.size(), 10u);
    for (const auto& fields : lines) {
        std::istringstream words(fields.at(0));
        std::string type, pathway, geometry;
        CoefficientRequest request;
        words >> request.Nuclide >> type >> pathway >> geometry >> request.UnitPosition;
        request.Type = Code(CoefficientTypeWords(), type);
        request.PathwayCode = Code(PathwayWords(), pathway);
        request.Geometry = Code(GeometryWords(), geometry);
        EXPECT_EQ(Cell(Request(request), fields.at(1), fields.at(2)), fields.at(3)) << fields.at(0);
    }
}

TEST(ShippedTables, TheInhalationAndExternalRiskTablesHoldNoInventedValues) {
    for (int pathway : {InhalationPathway, ExternalPathway})
        EXPECT_EQ(Request({"Cs-137", RiskCoefficients, pathway, 0, 1}).TextMatrix(1, 0), "(None Available)") << pathway;
}

TEST(ShippedTables, EveryNuclideGivesEveryDoseTableWithoutFailing) {
    int tables = 0;
    for (const auto& entry : ShippedStartUp().Entries) {
        const std::string nuclide = EntryNuclide(entry);
        for (int pathway : {IngestionPathway, InhalationPathway})
            tables += Request({nuclide, DoseCoefficients, pathway, 0, 1}).TextMatrix(1, 0) != "(None Available)";
        for (int geometry : {SubmersionGeometry, GroundPlaneGeometry, SoilVolumeGeometry})
            tables += Request({nuclide, DoseCoefficients, ExternalPathway, geometry, 1}).TextMatrix(1, 0) !=
                      "(None Available)";
    }
    EXPECT_GE(tables, 3 * 825 + 2 * 700);
}

}  // namespace
}  // namespace quorvel
