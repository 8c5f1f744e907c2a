// What a chart adds to a request: the request alone (open, query, build the grid, close)
// beside the same request and its chart (the catalogue opened, the chart's values, the
// QChart, drawn into an image the size of a pane), in the same run.
#include <QApplication>
#include <QChart>
#include <benchmark/benchmark.h>
#include <filesystem>
#include <stdexcept>
#include <sys/resource.h>

#include "ChartRendering.h"
#include "CoefficientDispatcher.h"
#include "NuclideCharts.h"
#include "ShippedDatabase.h"

namespace quorvel {
namespace {

struct ChartCase {
    const char* Name;
    const char* Nuclide;
    int Type, Pathway, Geometry;
    const char* Kind;
};

const ChartCase Cases[] = {
    {"dose/inhalation/by-age", "Pu-239", DoseCoefficients, InhalationPathway, 0, "by-age"},
    {"dose/inhalation/organs", "Pu-239", DoseCoefficients, InhalationPathway, 0, "organs"},
    {"dose/ground-plane/organs", "Co-60", DoseCoefficients, ExternalPathway, 1, "organs"},
    {"risk/ingestion/by-age", "Cs-137", RiskCoefficients, IngestionPathway, 0, "by-age"},
    {"risk/ingestion/sites", "Cs-137", RiskCoefficients, IngestionPathway, 0, "sites"},
};

CoefficientRequest RequestOf(const ChartCase& c) {
    CoefficientRequest request;
    request.Nuclide = c.Nuclide;
    request.Type = c.Type;
    request.PathwayCode = c.Pathway;
    request.Geometry = c.Geometry;
    return request;
}

void Request(const std::string& path, const CoefficientRequest& request, const AgeGroups& ages,
             const UnitChoice& unit) {
    FlexGrid grid;
    NoBusyPointer pointer;
    DispatchCoefficientRequest(path, request, grid, unit, ages, 1, pointer);
    benchmark::DoNotOptimize(grid.Rows());
}

void RequestAlone(benchmark::State& state, const ChartCase* c) {
    const std::string path = ShippedDatabase();
    CoefficientCatalogue reference(path);
    const CoefficientRequest request = RequestOf(*c);
    const UnitChoice unit = reference.UnitOf({c->Type, c->Pathway, c->Geometry}, 1);
    for (auto _ : state) Request(path, request, reference.Ages(), unit);
}

void RequestAndChart(benchmark::State& state, const ChartCase* c) {
    const std::string path = ShippedDatabase();
    CoefficientCatalogue reference(path);
    const CoefficientRequest request = RequestOf(*c);
    const UnitChoice unit = reference.UnitOf({c->Type, c->Pathway, c->Geometry}, 1);
    for (auto _ : state) {
        Request(path, request, reference.Ages(), unit);
        CoefficientCatalogue catalogue(path);
        const ChartData data = NuclideChart(catalogue, request, {c->Kind, "", ""});
        const QImage image = ChartImage(data, QSize(900, 600));
        benchmark::DoNotOptimize(image.constBits());
    }
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    state.counters["peak_rss_MB"] = static_cast<double>(usage.ru_maxrss) / 1024.0;
}

// The parts: the chart's values from an open catalogue; the QChart drawn into the image.
void ChartValues(benchmark::State& state, const ChartCase* c) {
    CoefficientCatalogue catalogue(ShippedDatabase());
    for (auto _ : state)
        benchmark::DoNotOptimize(NuclideChart(catalogue, RequestOf(*c), {c->Kind, "", ""}).Series.size());
}

void ChartDrawing(benchmark::State& state, const ChartCase* c) {
    CoefficientCatalogue catalogue(ShippedDatabase());
    const ChartData data = NuclideChart(catalogue, RequestOf(*c), {c->Kind, "", ""});
    for (auto _ : state) benchmark::DoNotOptimize(ChartImage(data, QSize(900, 600)).constBits());
}

}  // namespace
}  // namespace quorvel

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("DISPLAY") && qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication application(argc, argv);
    for (const auto& c : quorvel::Cases) {
        benchmark::RegisterBenchmark((std::string("Chart/") + c.Name + "/request").c_str(), quorvel::RequestAlone, &c)
            ->Unit(benchmark::kMillisecond);
        benchmark::RegisterBenchmark((std::string("Chart/") + c.Name + "/request+chart").c_str(),
                                     quorvel::RequestAndChart, &c)
            ->Unit(benchmark::kMillisecond);
        benchmark::RegisterBenchmark((std::string("Chart/") + c.Name + "/values").c_str(), quorvel::ChartValues, &c)
            ->Unit(benchmark::kMillisecond);
        benchmark::RegisterBenchmark((std::string("Chart/") + c.Name + "/drawing").c_str(), quorvel::ChartDrawing, &c)
            ->Unit(benchmark::kMillisecond);
    }
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
}
