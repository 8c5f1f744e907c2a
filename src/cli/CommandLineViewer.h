#pragma once
#include <functional>
#include <iosfwd>
#include <string>

#include "ChartData.h"
#include "FlexGrid.h"
#include "PrinterSurface.h"
#include "UserPrompt.h"

namespace quorvel {

// Exit codes of the command-line viewer.
enum CommandLineExit { ExitTable = 0, ExitDatabaseError = 1, ExitBadUsage = 2 };

// What the viewer needs of a window system, given by the program that has one: printing a
// grid into a PDF file in a paper style and on a paper (the locale's without one), true when the file was
// written (failures are shown through the prompt). Without it, --format pdf is refused.
// Drawing a chart into a PNG, SVG or PDF file by the name's ending, the footer given
// without its date (today's is added); an ending it cannot write or a file it cannot make
// throws, with a one-line text. Without it, --chart is refused.
struct CommandLineBackends {
    std::function<bool(const FlexGrid& grid, const PageSetup& setup, const std::string& path, UserPrompt& prompt)>
        PrintGridToPdf;
    std::function<void(const ChartData& chart, const std::string& path, const std::string& footer)> SaveChart;
};

// Runs the command-line viewer on its arguments; tables and lists go to out, the one-line
// failure message to err. The default database lies in the application directory.
int RunCommandLineViewer(int argc, const char* const* argv, const std::string& applicationDirectory, std::ostream& out,
                         std::ostream& err, const CommandLineBackends& backends = {});

}  // namespace quorvel
