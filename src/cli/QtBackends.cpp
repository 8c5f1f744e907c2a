#include <QApplication>
#include <memory>

#include "BuildBackends.h"
#include "ChartRendering.h"
#include "GridPrintJobs.h"

namespace quorvel {

CommandLineBackends BuildBackends() {
    CommandLineBackends backends;
    // Printing and charts need Qt's fonts and painter (charts its widgets' styles too), made
    // only when a PDF or a chart is asked for; without a display it draws offscreen.
    // The application lives as long as the backends, which main holds: it must go before
    // the program's static objects do.
    auto application = std::make_shared<std::unique_ptr<QApplication>>();
    const auto start = [application] {
        if (*application) return;
        if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
        static int qtArgc = 1;
        static char name[] = "quorvel-cli";
        static char* qtArgv[] = {name, nullptr};
        // The command says in one line of its own what failed and why; Qt's warnings (a
        // painter that could not begin, a runtime folder unset) are no message to its user.
        qInstallMessageHandler([](QtMsgType, const QMessageLogContext&, const QString&) {});
        *application = std::make_unique<QApplication>(qtArgc, qtArgv);
    };
    backends.PrintGridToPdf = [start](const FlexGrid& grid, const PageSetup& setup, const std::string& path,
                                      UserPrompt& prompt) {
        start();
        return PrintGridToPdfFile(grid, setup, path, prompt);
    };
    backends.SaveChart = [start](const ChartData& chart, const std::string& path, const std::string& footer) {
        start();
        const std::string date = TodaysDate();
        SaveChart(chart, path, footer.empty() ? date : footer + " | " + date);
    };
    return backends;
}

}  // namespace quorvel
