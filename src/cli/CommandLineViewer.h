#pragma once
#include <iosfwd>
#include <string>

namespace quorvel {

// Exit codes of the command-line viewer.
enum CommandLineExit { ExitTable = 0, ExitDatabaseError = 1, ExitBadUsage = 2 };

// Runs the command-line viewer on its arguments; tables and lists go to out, the one-line
// failure message to err. The default database lies in the application directory.
int RunCommandLineViewer(int argc, const char* const* argv, const std::string& applicationDirectory, std::ostream& out,
                         std::ostream& err);

}  // namespace quorvel
