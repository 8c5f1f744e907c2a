#include "TextExport.h"

#include <fstream>

#include "GridText.h"

namespace quorvel {

bool WriteTheContentOfMSFlexGridToAsciiFile(const FlexGrid& grid, const std::string& fileName, UserPrompt& prompt) {
    std::ofstream file(fileName, std::ios::binary | std::ios::trunc);
    if (file) {
        const std::string text = FormatGridAsCommaSeparatedText(grid);
        file.write(text.data(), static_cast<std::streamsize>(text.size()));
        // Closing flushes the buffer: a full disk shows up only here.
        file.close();
        if (!file.fail()) return true;
    }
    prompt.ShowMessage(TextExportErrorMessage);
    return false;
}

}  // namespace quorvel
