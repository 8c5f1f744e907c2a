#pragma once
// Opens a spreadsheet file with LibreOffice Calc (libreoffice, localc or soffice on the
// PATH) or else with the desktop's default application (xdg-open). The program is started
// detached with the file as its only argument, never through a shell.

#include <string>
#include <vector>

#include "SpreadsheetExport.h"

namespace quorvel {

class DesktopDocumentOpener : public DocumentOpener {
public:
    // Programs tried in order; the first found on the PATH is used.
    static const std::vector<std::string>& Candidates();

    void Open(const std::string& path) override;
};

}  // namespace quorvel
