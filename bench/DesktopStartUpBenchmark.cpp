// Start-up of the desktop window: the load event (splash, InitializeParameters, the first
// table) on a copy of the shipped database, once as the first window of the process (Qt's
// fonts and styles still to load) and then repeated; with the peak resident memory.
#include <QApplication>
#include <benchmark/benchmark.h>
#include <cstdio>
#include <filesystem>
#include <stdexcept>
#include <sys/resource.h>

#include "DesktopFakes.h"
#include "FixtureDatabase.h"
#include "frmPrimarySelectionForm.h"

namespace quorvel {
namespace {

namespace fs = std::filesystem;

// The shipped database in a folder of its own, so that a user.ini left beside the build's
// database plays no part.
void CopyShippedDatabaseInto(const test::TemporaryFolder& folder) {
    const fs::path shipped = fs::path(QUORVEL_APPLICATION_DIRECTORY) / "DoseAndRisk.mdb";
    if (!fs::exists(shipped)) throw std::runtime_error("build the shipped database first: " + shipped.string());
    fs::copy_file(shipped, folder.Path() / "DoseAndRisk.mdb");
}

void LoadTheWindow(benchmark::State& state, const test::TemporaryFolder* folder) {
    test::RecordingDesktop desktop;
    for (auto _ : state) {
        frmPrimarySelectionForm form(desktop.Services(folder->Path().string()));
        if (!form.Load()) {
            state.SkipWithError("start-up failed");
            return;
        }
        benchmark::DoNotOptimize(form.MSFlexGrid1().Rows());
    }
    if (!desktop.Prompt.Messages.empty()) state.SkipWithError(desktop.Prompt.Messages.front().c_str());
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    state.counters["peak_rss_MB"] = static_cast<double>(usage.ru_maxrss) / 1024.0;
}

// The offscreen platform says at every window that it cannot pass size hints on.
void DropSizeHintNotices(QtMsgType type, const QMessageLogContext& context, const QString& message) {
    if (message.contains("propagateSizeHints")) return;
    std::fprintf(stderr, "%s\n", qFormatLogMessage(type, context, message).toLocal8Bit().constData());
}

}  // namespace
}  // namespace quorvel

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("DISPLAY") && qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    qInstallMessageHandler(quorvel::DropSizeHintNotices);
    QApplication application(argc, argv);
    const quorvel::test::TemporaryFolder folder;
    quorvel::CopyShippedDatabaseInto(folder);
    benchmark::RegisterBenchmark("DesktopStartUp/first-window", quorvel::LoadTheWindow, &folder)
        ->Unit(benchmark::kMillisecond)
        ->Iterations(1);
    benchmark::RegisterBenchmark("DesktopStartUp/window", quorvel::LoadTheWindow, &folder)
        ->Unit(benchmark::kMillisecond);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
}
