// The charts against the grids: every value a chart shows (read from the built QChart, as
// a reader of the chart sees it) is a number of the grid that the dispatcher builds for the
// same request, at the category of its cell, and the chart shows every such number of its
// categories; empty cells are gaps, and a nuclide without coefficients gives the empty chart.
// The grid's layout records which cell each of its numbers is. Then the chart files.
#include <QAbstractBarSeries>
#include <QBarCategoryAxis>
#include <QBarSet>
#include <QChart>
#include <QImage>
#include <QLineSeries>
#include <QLogValueAxis>
#include <algorithm>
#include <filesystem>
#include <gtest/gtest.h>
#include <memory>

#include "ChartRendering.h"
#include "DecayChain.h"
#include "FixtureDatabase.h"
#include "NuclideCharts.h"
#include "NumberText.h"
#include "TableRequests.h"

namespace quorvel {
namespace {

// Category labels with a value each, in order: the points and bars of a chart, or numbers of a grid.
using Points = std::vector<std::pair<std::string, double>>;

std::string ShippedDatabase() { return QUORVEL_SHIPPED_DATABASE; }

std::string RiskFixture() { return test::RiskSectionsFixture(); }

// What the chart shows; a bar at the value axis' foot has no length and shows nothing.
Points ReadChart(QChart& chart) {
    double foot = 0;
    QStringList labels;
    for (QAbstractAxis* axis : chart.axes()) {
        if (auto* log = qobject_cast<QLogValueAxis*>(axis)) foot = log->min();
        if (auto* names = qobject_cast<QBarCategoryAxis*>(axis)) labels = names->categories();
    }
    Points shown;
    const auto add = [&](int position, double value) { shown.emplace_back(labels.at(position).toStdString(), value); };
    for (QAbstractSeries* series : chart.series()) {
        if (auto* line = qobject_cast<QLineSeries*>(series)) {
            for (const QPointF& point : line->points()) add(qRound(point.x()), point.y());
        } else if (auto* bars = qobject_cast<QAbstractBarSeries*>(series)) {
            for (QBarSet* set : bars->barSets())
                for (int i = 0; i < set->count(); ++i)
                    if (set->at(i) > foot) add(i, set->at(i));
        }
    }
    std::sort(shown.begin(), shown.end());
    return shown;
}

struct ChartCase {
    std::string Name;
    std::string (*Database)();
    std::string Request;  // as test::RequestOf reads it
    ChartChoice Choice;
    std::string Row;  // a chart across the ages: the descriptor of the row it shows
    std::string Age;  // a chart down the organs or sites: the age of the column it shows
};

std::vector<ChartCase> Cases() {
    return {
        {"ingestion_dose_by_age", ShippedDatabase, "Sr-90 dose ingestion -", {}, "Effective Dose (e50)", ""},
        {"inhalation_dose_organs", ShippedDatabase, "I-131 dose inhalation -", {"organs", "", "1 Year"}, "", "1 Year"},
        {"external_dose_organs", ShippedDatabase, "Cs-137 dose external ground-plane", {}, "", "Adult"},
        {"ingestion_risk_by_age", ShippedDatabase, "Cs-137 risk ingestion -", {"by-age", "colon", ""}, "Colon", ""},
        {"inhalation_risk_by_age", RiskFixture, "Co-60 risk inhalation -", {"", "Site 3", ""}, "Site 3", ""},
        {"external_risk_sites", RiskFixture, "Co-60 risk external submersion", {"sites", "", "Upper"}, "", "Upper"},
    };
}

void PrintTo(const ChartCase& c, std::ostream* out) { *out << c.Name; }

class ChartAgreesWithGrid : public ::testing::TestWithParam<ChartCase> {};

TEST_P(ChartAgreesWithGrid, SeriesShowTheGridsNumbers) {
    const ChartCase& c = GetParam();
    DatabaseSession session(c.Database());
    CoefficientCatalogue catalogue(session);
    CoefficientRequest request = test::RequestOf(c.Request);
    // The last unit of the list, so that the unit factor is at work.
    const TableKind& kind = request.Kind;
    request.UnitPosition = UnitListOf(catalogue.Units(), kind.Type).UnitCount(UnitCategory(kind));
    const ChartData data = NuclideChart(catalogue, request, c.Choice);
    ASSERT_TRUE(data.HasValues());
    const Points shown = ReadChart(*BuildChart(data));

    FlexGrid grid;
    NoBusyPointer pointer;
    const ShownTable table = DispatchCoefficientRequest(session, request, grid, pointer);
    Points expected;
    for (int row = 0; row < grid.Rows(); ++row)
        for (int col = 0; col < grid.Cols(); ++col) {
            if (grid.CellCoefficient(row, col) < 0) continue;
            const Coefficient& cell = table.Table.Cells[static_cast<std::size_t>(grid.CellCoefficient(row, col))];
            const bool across = c.Age.empty();
            const std::string category = across ? cell.Age : cell.Descriptor;
            const auto number = ReadNumber(grid.TextMatrix(row, col));
            if ((across ? cell.Descriptor == c.Row : cell.Age == c.Age) && number &&
                std::find(data.Categories.begin(), data.Categories.end(), category) != data.Categories.end())
                expected.emplace_back(category, *number);
        }
    std::sort(expected.begin(), expected.end());
    ASSERT_EQ(shown.size(), expected.size());
    for (std::size_t k = 0; k < shown.size(); ++k) {
        EXPECT_EQ(shown[k].first, expected[k].first);
        // The grid shows three significant digits.
        EXPECT_NEAR(shown[k].second, expected[k].second, 0.006 * expected[k].second) << expected[k].first;
    }
}

INSTANTIATE_TEST_SUITE_P(TableKinds, ChartAgreesWithGrid, ::testing::ValuesIn(Cases()),
                         [](const auto& param) { return param.param.Name; });

TEST(ChartGapsTest, EmptyCellsAreGapsAndAnEmptyTableSaysSo) {
    DatabaseSession session(RiskFixture());
    CoefficientCatalogue catalogue(session);
    // One cell of Site 3 is empty: its line breaks there into two pieces (no zero is drawn,
    // as the agreement above shows).
    const ChartData data = NuclideChart(catalogue, test::RequestOf("Co-60 risk inhalation -"), {"", "Site 3", ""});
    EXPECT_EQ(BuildChart(data)->series().size(), static_cast<qsizetype>(data.Series.size()) + 1);

    const ChartData none = NuclideChart(catalogue, test::RequestOf("H-3 risk inhalation -"), {});
    EXPECT_FALSE(none.HasValues());
    EXPECT_EQ(none.EmptyText, "(None Available)");
    EXPECT_TRUE(BuildChart(none)->series().isEmpty());
    EXPECT_THROW(NuclideChart(catalogue, test::RequestOf("Xx-999 risk inhalation -"), {}), ChartChoiceError)
        << "no chart is titled with a name the list lacks";
}

// Charts written headless as SVG, PNG and PDF, and read back; the errors of a bad name.
ChartData ExternalDoseChart() {
    static DatabaseSession session(QUORVEL_SHIPPED_DATABASE);
    CoefficientCatalogue catalogue(session);
    // +D puts a "<" in the unit, which the rich-text titles must not take for a tag.
    catalogue.IncludeProgeny(DefaultProgenyCutoffSeconds);
    CoefficientRequest request;
    request.Nuclide = "I-131";
    request.Kind.PathwayCode = Pathway::External;
    return NuclideChart(catalogue, request, {});
}

TEST(ChartFilesTest, SvgPngAndPdfAreWrittenAndReadBack) {
    test::TemporaryFolder folder;
    const ChartData data = ExternalDoseChart();
    const std::string footer = "I-131 submersion | printed today";
    SaveChart(data, (folder.Path() / "chart.svg").string(), footer);
    SaveChart(data, (folder.Path() / "chart.PNG").string(), footer);
    SaveChart(data, (folder.Path() / "chart.pdf").string(), footer);

    const std::string svg = test::ReadBytes(folder.Path() / "chart.svg");
    EXPECT_NE(svg.find("<svg"), std::string::npos);
    const std::size_t cutoff = data.ValueTitle.find('<');
    ASSERT_NE(cutoff, std::string::npos);
    for (const std::string& text :
         {data.CategoryTitle, data.ValueTitle.substr(0, cutoff), data.ValueTitle.substr(cutoff + 1), footer})
        EXPECT_NE(svg.find(text), std::string::npos) << text;

    const QImage png(QString::fromStdString((folder.Path() / "chart.PNG").string()));
    ASSERT_FALSE(png.isNull());
    EXPECT_GT(png.width(), png.height());
    // Something is drawn on the white.
    int inked = 0;
    for (int y = 0; y < png.height(); y += 4)
        for (int x = 0; x < png.width(); x += 4) inked += png.pixel(x, y) != png.pixel(0, 0);
    EXPECT_GT(inked, 100);

    EXPECT_EQ(test::ReadBytes(folder.Path() / "chart.pdf").substr(0, 5), "%PDF-");
}

TEST(ChartFilesTest, AnUnknownEndingOrAnUnwritablePlaceIsAnErrorAndKeepsTheOldFile) {
    test::TemporaryFolder folder;
    const ChartData data = ExternalDoseChart();
    const auto gif = folder.Path() / "chart.gif";
    EXPECT_THROW(SaveChart(data, gif.string(), ""), ChartSaveError);
    EXPECT_FALSE(std::filesystem::exists(gif));
    // A folder by the name cannot be replaced by a picture.
    std::filesystem::create_directory(folder.Path() / "taken.svg");
    EXPECT_THROW(SaveChart(data, (folder.Path() / "taken.svg").string(), ""), ChartSaveError);
    EXPECT_TRUE(std::filesystem::is_directory(folder.Path() / "taken.svg"));
}

}  // namespace
}  // namespace quorvel
