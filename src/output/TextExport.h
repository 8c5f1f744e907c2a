#pragma once
// Writing the whole grid to a comma-separated text file.

#include <string>

#include "FlexGrid.h"
#include "UserPrompt.h"

namespace quorvel {

inline constexpr const char* TextExportErrorMessage =
    "Error writing to the output file.  Make sure the file is not in use by another application.";

// Replaces the file with the grid's comma-separated text. True only when every line was
// written and the file closed; otherwise shows TextExportErrorMessage with the system's
// cause on a second line and returns false, an existing file left as it was.
bool WriteTheContentOfMSFlexGridToAsciiFile(const FlexGrid& grid, const std::string& fileName, UserPrompt& prompt);

}  // namespace quorvel
