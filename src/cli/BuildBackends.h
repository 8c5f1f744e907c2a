#pragma once
// The command line's backends as this build has them: with Qt, printing into a PDF file;
// without, none (the command says so when asked).

#include "CommandLineViewer.h"

namespace quorvel {

CommandLineBackends BuildBackends();

}  // namespace quorvel
