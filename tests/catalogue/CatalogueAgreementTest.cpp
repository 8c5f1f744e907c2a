// The catalogue against the table builders: for every nuclide and table kind, every cell
// the catalogue gives stands in the built grid at the place it names, with the same text,
// and every number the grid shows is one of the catalogue's cells.
#include <cmath>
#include <gtest/gtest.h>
#include <map>

#include "CoefficientCatalogue.h"
#include "CoefficientDispatcher.h"
#include "FixtureDatabase.h"
#include "NumberText.h"

namespace quorvel {
namespace {

std::string ShippedDatabase() { return QUORVEL_SHIPPED_DATABASE; }

std::string RiskFixture() { return test::RiskSectionsFixture(); }

struct AgreementCase {
    std::string Name;
    std::string (*Database)();
    TableKind Kind;
};

std::vector<AgreementCase> Cases() {
    std::vector<AgreementCase> cases;
    for (const TableKind& kind : AllTableKinds()) {
        std::string name = kind.Name() + (kind.IsExternal() ? " " + kind.GeometryWord() : "");
        for (char& c : name)
            if (c == ' ' || c == '-') c = '_';
        cases.push_back({"shipped_" + name, ShippedDatabase, kind});
        if (!kind.IsDose()) cases.push_back({"fixture_" + name, RiskFixture, kind});
    }
    return cases;
}

void PrintTo(const AgreementCase& c, std::ostream* out) { *out << c.Name; }

class CatalogueAgreesWithBuilders : public ::testing::TestWithParam<AgreementCase> {};

bool IsShownNumber(const std::string& text) {
    return ReadNumber(text).has_value() && text.find('E') != std::string::npos;
}

TEST_P(CatalogueAgreesWithBuilders, ForEveryNuclide) {
    const AgreementCase& c = GetParam();
    const std::string path = c.Database();
    CoefficientCatalogue catalogue(path);
    // The last unit of the kind's list, so that the unit factor is at work.
    const int category = c.Kind.Request(1).UnitCategory();
    const int unitPosition = UnitListOf(catalogue.Units(), c.Kind.Type).UnitCount(category);
    const UnitChoice unit = catalogue.UnitOf(c.Kind, unitPosition);

    std::map<std::string, std::map<std::pair<int, int>, Coefficient>> byNuclide;
    for (Coefficient& cell : catalogue.Cells(c.Kind, unitPosition)) {
        const auto place = std::pair(cell.Row, cell.Column);
        EXPECT_TRUE(byNuclide[FoldCase(cell.Nuclide)].emplace(place, std::move(cell)).second)
            << "two cells in one place";
    }

    int failures = 0;
    const auto fail = [&](const std::string& what) {
        if (++failures <= 10) ADD_FAILURE() << what;
    };
    std::size_t compared = 0;
    NoBusyPointer pointer;
    for (const NuclideInfo& nuclide : catalogue.Nuclides()) {
        FlexGrid grid;
        CoefficientRequest request = c.Kind.Request(unitPosition);
        request.Nuclide = nuclide.Nuclide;
        DispatchCoefficientRequest(path, request, grid, unit, catalogue.Ages(), 1, pointer);
        const auto& cells = byNuclide[FoldCase(nuclide.Nuclide)];
        for (const auto& [place, cell] : cells) {
            const auto [row, col] = place;
            const std::string where = nuclide.Nuclide + " " + cell.Descriptor + " / " + cell.Age + " (" +
                                      std::to_string(row) + ", " + std::to_string(col) + ")";
            if (row >= grid.Rows() || col >= grid.Cols() || grid.TextMatrix(row, col) != cell.Text) {
                fail(where + ": catalogue \"" + cell.Text + "\", grid \"" +
                     (row < grid.Rows() && col < grid.Cols() ? grid.TextMatrix(row, col) : "(outside)") + "\"");
                continue;
            }
            if (cell.Value && std::fabs(*ReadNumber(cell.Text) - *cell.Value) > 0.006 * std::fabs(*cell.Value))
                fail(where + ": value " + std::to_string(*cell.Value) + " is not the text " + cell.Text);
            ++compared;
        }
        for (int row = 0; row < grid.Rows(); ++row)
            for (int col = 1; col < grid.Cols(); ++col)
                if (IsShownNumber(grid.TextMatrix(row, col)) && !cells.contains({row, col}))
                    fail(nuclide.Nuclide + ": the grid's " + grid.TextMatrix(row, col) + " at (" + std::to_string(row) +
                         ", " + std::to_string(col) + ") is no catalogue cell");
    }
    EXPECT_EQ(failures, 0);
    // Only the shipped risk tables may still be empty.
    if (c.Kind.IsDose() || c.Database != ShippedDatabase) {
        EXPECT_GT(compared, 0u);
    }
    RecordProperty("cells_compared", static_cast<int>(compared));
}

INSTANTIATE_TEST_SUITE_P(TableKinds, CatalogueAgreesWithBuilders, ::testing::ValuesIn(Cases()),
                         [](const auto& param) { return param.param.Name; });

}  // namespace
}  // namespace quorvel
