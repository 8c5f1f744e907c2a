#pragma once
// The toolbar's pictures: the desktop theme's standard icons, and drawings of our own
// where the theme has none (a bare X server has no icon theme at all).

#include <QIcon>
#include <string>

namespace quorvel {

// "Print", "Export", "copy" or "excel": the theme's document-print, document-save-as,
// edit-copy or x-office-spreadsheet, else a printer, a page with an arrow, two pages, a
// small table.
QIcon ToolbarPicture(const std::string& picture);

}  // namespace quorvel
