#include <QGuiApplication>
#include <memory>

#include "BuildBackends.h"
#include "GridPrintJobs.h"

namespace quorvel {

CommandLineBackends BuildBackends() {
    CommandLineBackends backends;
    // Printing needs Qt's fonts and painter, made only when a PDF is asked for; without a
    // display it draws offscreen.
    // The application lives as long as the backends, which main holds: it must go before
    // the program's static objects do.
    auto application = std::make_shared<std::unique_ptr<QGuiApplication>>();
    backends.PrintGridToPdf = [application](const FlexGrid& grid, int paperStyle, const std::string& path,
                                            UserPrompt& prompt) {
        if (!*application) {
            if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
            static int qtArgc = 1;
            static char name[] = "quorvel-cli";
            static char* qtArgv[] = {name, nullptr};
            *application = std::make_unique<QGuiApplication>(qtArgc, qtArgv);
        }
        return PrintGridToPdfFile(grid, paperStyle, path, prompt);
    };
    return backends;
}

}  // namespace quorvel
