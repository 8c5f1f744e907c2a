// "+D" values against sums computed here from the source files themselves: FGR-12's tables
// for the coefficients and the FGR-12/13 index for the branching fractions.
#include <algorithm>
#include <cmath>
#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>
#include <map>

#include "CoefficientCatalogue.h"
#include "DecayChainTable.h"
#include "IntakeCalculation.h"
#include "TableRequests.h"

namespace quorvel {
namespace {

const std::filesystem::path Sources = QUORVEL_DATA_SOURCES_DIR;
const std::string Shipped = QUORVEL_APPLICATION_DIRECTORY "/DoseAndRisk.mdb";

std::string LineOf(const std::string& file, const std::string& nuclide) {
    std::ifstream in(Sources / file, std::ios::binary);
    for (std::string line; std::getline(in, line);)
        if (line.rfind(nuclide + " ", 0) == 0) return line;
    ADD_FAILURE() << nuclide << " not in " << file;
    return {};
}

// Value k (1-based) of a Format(A7,25E9.2) line of FGR-12; the 25th is E.
double Fgr12Value(const std::string& file, const std::string& nuclide, int k) {
    return std::stod(LineOf(file, nuclide).substr(7 + 9 * static_cast<std::size_t>(k - 1), 9));
}

// The fraction of the index's daughter slot (record number, blank, "9.4600E-01").
double IndexFraction(const std::string& nuclide, int slot) {
    std::string text =
        LineOf("nuclides/FGR13COF.NDX", nuclide).substr(23 + 15 * static_cast<std::size_t>(slot) + 5, 10);
    if (text[7] == ' ') text[7] = '+';
    return std::stod(text);
}

// Cs-137 and its Ba-137m in one of FGR-12's files, as the published "+D" value sums them.
double Caesium137PlusD(const std::string& file) {
    return Fgr12Value(file, "Cs-137", 25) + IndexFraction("Cs-137", 0) * Fgr12Value(file, "Ba-137m", 25);
}

class ProgenySumTest : public ::testing::Test {
protected:
    static DatabaseSession& Session() {
        static DatabaseSession session(Shipped);
        return session;
    }
    // The +D cell of one descriptor of the table of one nuclide, as the table shows it.
    static ProgenyCell Cell(const std::string& request, const std::string& descriptor) {
        FlexGrid grid;
        NoBusyPointer pointer;
        const ShownTable shown =
            DispatchCoefficientRequest(Session(), test::RequestOf(request), grid, pointer, DefaultProgenyCutoffSeconds);
        for (std::size_t i = 0; i < shown.Table.Cells.size(); ++i) {
            const Coefficient& cell = shown.Table.Cells[i];
            if (cell.Descriptor == descriptor && cell.Age == "Adult") return shown.Progeny->Cells[i];
        }
        ADD_FAILURE() << request << " " << descriptor;
        return {};
    }
};

TEST_F(ProgenySumTest, Caesium137WithBarium137mOnTheGroundAndInAir) {
    const double f = IndexFraction("Cs-137", 0);
    for (const auto& [file, geometry] : std::map<std::string, std::string>{{"fgr12/FGR12F31.DAT", "submersion"},
                                                                           {"fgr12/FGR12F33.DAT", "ground-plane"}}) {
        const double expected = Caesium137PlusD(file);
        const ProgenyCell cell = Cell("Cs-137 dose external " + geometry, "Effective Dose (E)");
        ASSERT_TRUE(cell.Value.has_value());
        EXPECT_NEAR(*cell.Value / expected, 1.0, 1e-12) << file;
        ASSERT_EQ(cell.Terms.size(), 1u);
        EXPECT_EQ(cell.Terms[0].Nuclide, "Ba-137m");
        EXPECT_GT(f * *cell.Terms[0].Value, 0.99 * (*cell.Value - *cell.Parent.Value)) << "Ba-137m's term dominates";
    }
}

// Ranking and the calculator take +D values from the catalogue's one switch.
TEST_F(ProgenySumTest, EveryConsumerOfTheCatalogueGetsTheSameSums) {
    const double expected = Caesium137PlusD("fgr12/FGR12F33.DAT");
    CoefficientCatalogue catalogue(Session());
    catalogue.IncludeProgeny(DefaultProgenyCutoffSeconds);
    Quantity quantity;
    quantity.Kind = {CoefficientType::Dose, Pathway::External, ExternalGeometry::GroundPlane};
    quantity.Age = "Adult";
    quantity.Descriptor = "Effective Dose (E)";
    const auto rows = catalogue.Rows(quantity);
    const auto caesium =
        std::find_if(rows.begin(), rows.end(), [](const auto& row) { return row.Nuclide.Nuclide == "Cs-137"; });
    ASSERT_NE(caesium, rows.end());
    EXPECT_NEAR(*caesium->Value / expected, 1.0, 1e-12);
    const MixtureResult mixture = CalculateMixture(catalogue, {ReadMixtureRow("Cs-137,ground-plane,,,,1,Bq/m2,1,y", 1)},
                                                   {.ProgenyCutoffSeconds = DefaultProgenyCutoffSeconds});
    ASSERT_TRUE(mixture.AllComputed());
    EXPECT_NEAR(*mixture.Rows[0].EffectiveDoseSv / (365.25 * 86400 * expected), 1.0, 1e-12);
}

TEST_F(ProgenySumTest, ABranchingChainCountsBothBranches) {
    const std::string file = "fgr12/FGR12F31.DAT";
    // Bi-212's first daughter slot is Po-212, its second Tl-208.
    const double expected = Fgr12Value(file, "Bi-212", 25) +
                            IndexFraction("Bi-212", 0) * Fgr12Value(file, "Po-212", 25) +
                            IndexFraction("Bi-212", 1) * Fgr12Value(file, "Tl-208", 25);
    const ProgenyCell cell = Cell("Bi-212 dose external submersion", "Effective Dose (E)");
    EXPECT_NEAR(*cell.Value / expected, 1.0, 1e-12);
}

TEST_F(ProgenySumTest, AMemberWithoutCoefficientsIsNamedAndAddsNothing) {
    // FGR-13 has no ingestion dose of Po-212 or Tl-208.
    const ProgenyCell cell = Cell("Bi-212 dose ingestion -", "Effective Dose (e50)");
    ASSERT_EQ(cell.Terms.size(), 2u);
    for (const auto& term : cell.Terms) EXPECT_FALSE(term.Value.has_value()) << term.Nuclide;
    EXPECT_EQ(cell.Value, cell.Parent.Value);
    const auto missing = MissingMembers({cell});
    EXPECT_EQ(missing.size(), 2u);
    const std::string label =
        ProgenyLabel(ShortLivedProgeny(Session().Decay(), "Bi-212", DefaultProgenyCutoffSeconds), missing);
    EXPECT_NE(label.find("Po-212 x 0.6407 (missing)"), std::string::npos) << label;
}

TEST_F(ProgenySumTest, TheChainViewEndsAtTheLongLivedMemberAndNamesTheTablesOfEach) {
    CoefficientCatalogue catalogue(Session());
    const FlexGrid grid = DecayChainGrid(catalogue, Session().Decay(), "U-238", DefaultProgenyCutoffSeconds);
    std::vector<std::string> members;
    for (int row = DecayChainFirstMemberRow; row < grid.Rows() && !grid.TextMatrix(row, 0).empty(); ++row)
        members.push_back(grid.TextMatrix(row, 0));
    EXPECT_EQ(members, (std::vector<std::string>{"U-238", "Th-234", "Pa-234m", "Pa-234", "U-234"}));
    // Pa-234m, the +D member without ingestion doses, is held by the external tables only.
    const std::string tables = grid.TextMatrix(DecayChainFirstMemberRow + 2, 6);
    EXPECT_EQ(tables.find("ingestion"), std::string::npos) << tables;
    EXPECT_NE(tables.find("submersion dose"), std::string::npos) << tables;
}

}  // namespace
}  // namespace quorvel
