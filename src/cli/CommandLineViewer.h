#pragma once
#include <functional>
#include <iosfwd>
#include <string>

#include "FlexGrid.h"
#include "UserPrompt.h"

namespace quorvel {

// Exit codes of the command-line viewer.
enum CommandLineExit { ExitTable = 0, ExitDatabaseError = 1, ExitBadUsage = 2 };

// What the viewer needs of a window system, given by the program that has one: printing a
// grid into a PDF file in a paper style (1 portrait, 2 landscape), true when the file was
// written (failures are shown through the prompt). Without it, --format pdf is refused.
struct CommandLineBackends {
    std::function<bool(const FlexGrid& grid, int paperStyle, const std::string& path, UserPrompt& prompt)> PrintGridToPdf;
};

// Runs the command-line viewer on its arguments; tables and lists go to out, the one-line
// failure message to err. The default database lies in the application directory.
int RunCommandLineViewer(int argc, const char* const* argv, const std::string& applicationDirectory, std::ostream& out,
                         std::ostream& err, const CommandLineBackends& backends = {});

}  // namespace quorvel
