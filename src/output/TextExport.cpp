#include "TextExport.h"

#include "FileReplacement.h"
#include "GridText.h"

namespace quorvel {

bool WriteTheContentOfMSFlexGridToAsciiFile(const FlexGrid& grid, const std::string& fileName, UserPrompt& prompt) {
    if (ReplaceFileContent(fileName, FormatGridAsCommaSeparatedText(grid))) return true;
    prompt.ShowMessage(TextExportErrorMessage);
    return false;
}

}  // namespace quorvel
