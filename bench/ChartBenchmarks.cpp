// What a chart adds to a request: the request alone on the open session (read, build the
// grid) beside the same request and its chart (the chart's values through the session, the
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
    TableKind Table;
    const char* Kind;
};

const ChartCase Cases[] = {
    {"dose/inhalation/by-age", "Pu-239", {CoefficientType::Dose, Pathway::Inhalation}, "by-age"},
    {"dose/inhalation/organs", "Pu-239", {CoefficientType::Dose, Pathway::Inhalation}, "organs"},
    {"dose/ground-plane/organs",
     "Co-60",
     {CoefficientType::Dose, Pathway::External, ExternalGeometry::GroundPlane},
     "organs"},
    {"risk/ingestion/by-age", "Cs-137", {CoefficientType::Risk, Pathway::Ingestion}, "by-age"},
    {"risk/ingestion/sites", "Cs-137", {CoefficientType::Risk, Pathway::Ingestion}, "sites"},
};

CoefficientRequest RequestOf(const ChartCase& c) { return {c.Nuclide, c.Table}; }

void Request(DatabaseSession& session, const CoefficientRequest& request) {
    FlexGrid grid;
    NoBusyPointer pointer;
    DispatchCoefficientRequest(session, request, grid, pointer);
    benchmark::DoNotOptimize(grid.Rows());
}

void RequestAlone(benchmark::State& state, const ChartCase* c) {
    DatabaseSession session(ShippedDatabase());
    for (auto _ : state) Request(session, RequestOf(*c));
}

void RequestAndChart(benchmark::State& state, const ChartCase* c) {
    DatabaseSession session(ShippedDatabase());
    const CoefficientRequest request = RequestOf(*c);
    for (auto _ : state) {
        Request(session, request);
        CoefficientCatalogue catalogue(session);
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
    DatabaseSession session(ShippedDatabase());
    CoefficientCatalogue catalogue(session);
    for (auto _ : state)
        benchmark::DoNotOptimize(NuclideChart(catalogue, RequestOf(*c), {c->Kind, "", ""}).Series.size());
}

void ChartDrawing(benchmark::State& state, const ChartCase* c) {
    DatabaseSession session(ShippedDatabase());
    CoefficientCatalogue catalogue(session);
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
