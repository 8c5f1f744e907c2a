#include "TextExport.h"

#include <cerrno>
#include <system_error>

#include "FileReplacement.h"
#include "GridText.h"

namespace quorvel {

bool WriteTheContentOfMSFlexGridToAsciiFile(const FlexGrid& grid, const std::string& fileName, UserPrompt& prompt) {
    errno = 0;
    if (ReplaceFileContent(fileName, FormatGridAsCommaSeparatedText(grid))) return true;
    // The fixed text guesses; the system's cause stands on a line of its own below it.
    const int cause = errno;
    prompt.ShowMessage(std::string(TextExportErrorMessage) + "\n" +
                       (cause != 0 ? std::generic_category().message(cause) : "The file could not be written."));
    return false;
}

}  // namespace quorvel
