// Charts written headless as SVG, PNG and PDF, and read back; the errors of a bad name.
#include <gtest/gtest.h>

#include <QImage>
#include <filesystem>

#include "ChartRendering.h"
#include "DecayChain.h"
#include "FixtureDatabase.h"
#include "NuclideCharts.h"

namespace quorvel {
namespace {

ChartData ExternalDoseChart() {
    CoefficientCatalogue catalogue(QUORVEL_SHIPPED_DATABASE);
    // +D puts a "<" in the unit, which the rich-text titles must not take for a tag.
    catalogue.IncludeProgeny(DefaultProgenyCutoffSeconds);
    CoefficientRequest request;
    request.Nuclide = "I-131";
    request.PathwayCode = ExternalPathway;
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
    for (const std::string& text : {data.CategoryTitle, data.ValueTitle.substr(0, cutoff),
                                    data.ValueTitle.substr(cutoff + 1), footer})
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
    EXPECT_THROW(SaveChart(data, (folder.Path() / "no folder" / "chart.png").string(), ""), ChartSaveError);
    // A folder by the name cannot be replaced by a picture.
    std::filesystem::create_directory(folder.Path() / "taken.svg");
    EXPECT_THROW(SaveChart(data, (folder.Path() / "taken.svg").string(), ""), ChartSaveError);
    EXPECT_TRUE(std::filesystem::is_directory(folder.Path() / "taken.svg"));
}

}  // namespace
}  // namespace quorvel
