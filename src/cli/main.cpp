#include <QGuiApplication>
#include <filesystem>
#include <iostream>
#include <memory>
#include <system_error>

#include "CommandLineViewer.h"
#include "GridPrintJobs.h"

int main(int argc, char** argv) {
    std::error_code error;
    auto executable = std::filesystem::read_symlink("/proc/self/exe", error);
    if (error) executable = std::filesystem::absolute(argv[0]);

    // Printing needs Qt's fonts and painter, made only when a PDF is asked for; without a
    // display it draws offscreen.
    std::unique_ptr<QGuiApplication> application;
    quorvel::CommandLineBackends backends;
    backends.PrintGridToPdf = [&](const quorvel::FlexGrid& grid, int paperStyle, const std::string& path,
                                  quorvel::UserPrompt& prompt) {
        if (!application) {
            if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
            static int qtArgc = 1;
            static char name[] = "quorvel-cli";
            static char* qtArgv[] = {name, nullptr};
            application = std::make_unique<QGuiApplication>(qtArgc, qtArgv);
        }
        return quorvel::PrintGridToPdfFile(grid, paperStyle, path, prompt);
    };
    return quorvel::RunCommandLineViewer(argc, argv, executable.parent_path().string(), std::cout, std::cerr, backends);
}
