// The charts against the grids: the values a chart's series show (read from the built
// QChart, as a reader of the chart sees them) are the numbers of the grid that the
// dispatcher builds for the same request, empty cells are gaps, and a nuclide without
// coefficients gives the empty chart.
#include <gtest/gtest.h>

#include <QAbstractBarSeries>
#include <QBarCategoryAxis>
#include <QBarSet>
#include <QChart>
#include <QLineSeries>
#include <QLogValueAxis>
#include <cmath>
#include <memory>
#include <optional>

#include "ChartRendering.h"
#include "CoefficientDispatcher.h"
#include "FixtureDatabase.h"
#include "NuclideCharts.h"
#include "NumberText.h"

namespace quorvel {
namespace {

using Values = std::vector<std::optional<double>>;

struct ShownSeries {
    std::string Name;
    Values Shown;  // by category, in the order of ChartData's categories
};

std::string ShippedDatabase() { return QUORVEL_SHIPPED_DATABASE; }

// Risk tables with what the shipped database lacks: inhalation sections with and without
// a form and an empty cell, an external section with a text cell.
std::string RiskFixture() {
    static const auto fixture = [] {
        auto f = std::make_unique<test::FixtureDatabase>();
        f->CreateStartUpTables();
        std::int64_t id = 0;
        const auto row = [](int k) {
            std::vector<FieldValue> values{FieldValue("Site " + std::to_string(k % 15))};
            for (int j = 1; j < 11; ++j) values.emplace_back(1.5e-10 * j + 1e-12 * k);
            return values;
        };
        for (int k = 0; k < 30; ++k) {
            auto values = row(k);
            if (k == 3) values[2] = FieldValue();
            f->AddInhalationRiskRecord("Co-60", k < 15 ? FieldValue() : FieldValue("Type M"), 0.1, values, ++id);
        }
        for (int k = 0; k < 15; ++k) {
            auto values = row(k);
            if (k == 4) values[10] = "n/a";
            f->AddExternalRiskRecord("Cs-137", "Ground Plane", values, ++id);
        }
        return f;
    }();
    return fixture->Path();
}

// What the chart shows: each series' values by category label; a bar at the value axis'
// foot has no length and shows nothing.
std::vector<ShownSeries> ReadChart(QChart& chart, const std::vector<std::string>& categories) {
    double foot = 0;
    QStringList labels;
    for (QAbstractAxis* axis : chart.axes()) {
        if (auto* log = qobject_cast<QLogValueAxis*>(axis)) foot = log->min();
        if (auto* names = qobject_cast<QBarCategoryAxis*>(axis)) labels = names->categories();
    }
    const auto category = [&](int position) {
        const std::string label = labels.at(position).toStdString();
        return static_cast<std::size_t>(std::find(categories.begin(), categories.end(), label) - categories.begin());
    };
    std::vector<ShownSeries> shown;
    const auto named = [&](const QString& name) -> ShownSeries& {
        for (ShownSeries& series : shown)
            if (series.Name == name.toStdString()) return series;
        shown.push_back({name.toStdString(), Values(categories.size())});
        return shown.back();
    };
    for (QAbstractSeries* series : chart.series()) {
        if (auto* line = qobject_cast<QLineSeries*>(series)) {
            ShownSeries& target = named(line->name());
            for (const QPointF& point : line->points()) target.Shown.at(category(qRound(point.x()))) = point.y();
        } else if (auto* bars = qobject_cast<QAbstractBarSeries*>(series)) {
            for (QBarSet* set : bars->barSets()) {
                ShownSeries& target = named(set->label());
                for (int i = 0; i < set->count(); ++i)
                    if (set->at(i) > foot) target.Shown.at(category(i)) = set->at(i);
            }
        }
    }
    return shown;
}

std::optional<double> NumberAt(const FlexGrid& grid, int row, int col) {
    return col < grid.Cols() ? ReadNumber(grid.TextMatrix(row, col)) : std::nullopt;
}

bool Holds(const std::vector<std::string>& list, const std::string& text) {
    return std::find(list.begin(), list.end(), text) != list.end();
}

// The rows of the grid that head a block or section: those naming one of the headings.
std::vector<int> HeadingRows(const FlexGrid& grid, const std::vector<std::string>& headings) {
    std::vector<int> rows;
    for (int r = 0; r < grid.Rows(); ++r)
        for (int c = 1; c < grid.Cols(); ++c)
            if (Holds(headings, grid.TextMatrix(r, c))) {
                rows.push_back(r);
                break;
            }
    return rows;
}

// The grid's rows labelled with the descriptor, read across the columns headed by the
// categories; a heading met again (morbidity after mortality) starts another vector.
std::vector<Values> GridAcross(const FlexGrid& grid, const std::vector<std::string>& categories,
                               const std::string& descriptor) {
    std::vector<Values> found;
    const std::vector<int> headings = HeadingRows(grid, categories);
    for (std::size_t h = 0; h < headings.size(); ++h) {
        const int end = h + 1 < headings.size() ? headings[h + 1] : grid.Rows();
        for (int r = headings[h] + 1; r < end; ++r) {
            if (grid.TextMatrix(r, 0) != descriptor) continue;
            Values values(categories.size());
            std::vector<bool> seen(categories.size());
            for (int c = 1; c < grid.Cols(); ++c) {
                const auto k = static_cast<std::size_t>(
                    std::find(categories.begin(), categories.end(), grid.TextMatrix(headings[h], c)) - categories.begin());
                if (k == categories.size()) continue;
                if (seen[k]) {
                    found.push_back(values);
                    values.assign(categories.size(), std::nullopt);
                    seen.assign(categories.size(), false);
                }
                seen[k] = true;
                values[k] = NumberAt(grid, r, c);
            }
            found.push_back(values);
        }
    }
    return found;
}

// Each column headed by the age, read down its block's rows labelled with the categories.
std::vector<Values> GridDown(const FlexGrid& grid, const std::vector<std::string>& categories, const std::string& age) {
    std::vector<Values> found;
    const std::vector<int> headings = HeadingRows(grid, {age});
    for (std::size_t h = 0; h < headings.size(); ++h) {
        const int end = h + 1 < headings.size() ? headings[h + 1] : grid.Rows();
        for (int c = 1; c < grid.Cols(); ++c) {
            if (grid.TextMatrix(headings[h], c) != age) continue;
            Values values(categories.size());
            for (int r = headings[h] + 1; r < end; ++r) {
                const auto k = static_cast<std::size_t>(
                    std::find(categories.begin(), categories.end(), grid.TextMatrix(r, 0)) - categories.begin());
                if (k < categories.size()) values[k] = NumberAt(grid, r, c);
            }
            found.push_back(values);
        }
    }
    return found;
}

// The grid shows three significant digits.
bool Same(const Values& grid, const Values& chart) {
    for (std::size_t k = 0; k < grid.size(); ++k) {
        if (grid[k].has_value() != chart[k].has_value()) return false;
        if (grid[k] && std::fabs(*grid[k] - *chart[k]) > 0.006 * std::fabs(*grid[k])) return false;
    }
    return true;
}

std::string Describe(const Values& values) {
    std::string text;
    for (const auto& value : values) text += (value ? std::to_string(*value) : std::string("gap")) + " ";
    return text;
}

struct ChartCase {
    std::string Name;
    std::string (*Database)();
    CoefficientRequest Request;
    ChartChoice Choice;
    std::string Row;  // a chart across the ages: the grid's row it shows
    std::string Age;  // a chart down the organs or sites: the column heading it shows
};

CoefficientRequest RequestOf(const std::string& nuclide, int type, int pathway, int geometry = SubmersionGeometry) {
    CoefficientRequest request;
    request.Nuclide = nuclide;
    request.Type = type;
    request.PathwayCode = pathway;
    request.Geometry = geometry;
    return request;
}

std::vector<ChartCase> Cases() {
    return {
        {"ingestion_dose_by_age", ShippedDatabase, RequestOf("Sr-90", DoseCoefficients, IngestionPathway), {},
         "Effective Dose (e50)", ""},
        {"inhalation_dose_organs", ShippedDatabase, RequestOf("I-131", DoseCoefficients, InhalationPathway),
         {"organs", "", "1 Year"}, "", "1 Year"},
        {"external_dose_organs", ShippedDatabase,
         RequestOf("Cs-137", DoseCoefficients, ExternalPathway, GroundPlaneGeometry), {}, "", "Adult"},
        {"ingestion_risk_by_age", ShippedDatabase, RequestOf("Cs-137", RiskCoefficients, IngestionPathway),
         {"by-age", "colon", ""}, "Colon", ""},
        {"inhalation_risk_by_age", RiskFixture, RequestOf("Co-60", RiskCoefficients, InhalationPathway),
         {"", "Site 3", ""}, "Site 3", ""},
        {"external_risk_sites", RiskFixture,
         RequestOf("Cs-137", RiskCoefficients, ExternalPathway, GroundPlaneGeometry), {"sites", "", "Upper"}, "", "Upper"},
    };
}

void PrintTo(const ChartCase& c, std::ostream* out) { *out << c.Name; }

class ChartAgreesWithGrid : public ::testing::TestWithParam<ChartCase> {};

TEST_P(ChartAgreesWithGrid, SeriesShowTheGridsNumbers) {
    ChartCase c = GetParam();
    CoefficientCatalogue catalogue(c.Database());
    // The last unit of the list, so that the unit factor is at work.
    c.Request.UnitPosition = UnitListOf(catalogue.Units(), c.Request.Type).UnitCount(c.Request.UnitCategory());
    const ChartData data = NuclideChart(catalogue, c.Request, c.Choice);
    ASSERT_TRUE(data.HasValues());
    const std::unique_ptr<QChart> chart = BuildChart(data);
    const std::vector<ShownSeries> shown = ReadChart(*chart, data.Categories);

    FlexGrid grid;
    NoBusyPointer pointer;
    DispatchCoefficientRequest(c.Database(), c.Request, grid, catalogue.UnitOf(TableKind{c.Request.Type,
                               c.Request.PathwayCode, c.Request.Geometry}, c.Request.UnitPosition),
                               catalogue.Ages(), 1, pointer);
    const std::vector<Values> expected =
        c.Age.empty() ? GridAcross(grid, data.Categories, c.Row) : GridDown(grid, data.Categories, c.Age);
    ASSERT_EQ(expected.size(), shown.size());
    std::vector<bool> matched(shown.size());
    for (const Values& values : expected) {
        bool found = false;
        for (std::size_t s = 0; s < shown.size() && !found; ++s)
            if (!matched[s] && Same(values, shown[s].Shown)) found = matched[s] = true;
        EXPECT_TRUE(found) << "no series shows the grid's " << Describe(values);
    }
}

INSTANTIATE_TEST_SUITE_P(TableKinds, ChartAgreesWithGrid, ::testing::ValuesIn(Cases()),
                         [](const auto& param) { return param.param.Name; });

TEST(ChartGapsTest, EmptyCellsAreGapsAndAnEmptyTableSaysSo) {
    CoefficientCatalogue catalogue(RiskFixture());
    // Site 3's first mortality cell is empty: the line breaks there, no zero is drawn.
    const ChartData data = NuclideChart(catalogue, RequestOf("Co-60", RiskCoefficients, InhalationPathway), {"", "Site 3", ""});
    const auto chart = BuildChart(data);
    int pieces = 0;
    for (QAbstractSeries* series : chart->series()) {
        const auto* line = qobject_cast<QLineSeries*>(series);
        ASSERT_NE(line, nullptr);
        ++pieces;
        for (const QPointF& point : line->points()) EXPECT_GT(point.y(), 0);
    }
    EXPECT_EQ(pieces, static_cast<int>(data.Series.size()) + 1);

    const ChartData none = NuclideChart(catalogue, RequestOf("H-3", RiskCoefficients, InhalationPathway), {});
    EXPECT_FALSE(none.HasValues());
    EXPECT_EQ(none.EmptyText, "(None Available)");
    EXPECT_TRUE(BuildChart(none)->series().isEmpty());
}

}  // namespace
}  // namespace quorvel
