#pragma once
// Everything the main window uses to reach the user and the desktop. The program wires
// the Qt implementations; the tests put recorders in their place.

#include <optional>
#include <string>

#include "BusyPointer.h"
#include "GridCopyPaste.h"
#include "PrinterChoice.h"
#include "SpreadsheetExport.h"
#include "SystemInformation.h"
#include "UserIniLocation.h"
#include "UserPrompt.h"

class QPrinter;

namespace quorvel {

// Ends the process with an exit code (start-up failure 1, shutdown 0).
class ProgramEnd {
public:
    virtual ~ProgramEnd() = default;
    virtual void EndProcess(int exitCode) = 0;
};

// The Save dialog: a file name, or nothing when the user cancels. The filter is in the
// "Description|pattern|Description|pattern|" form.
class FileChooser {
public:
    virtual ~FileChooser() = default;
    virtual std::optional<std::string> ChooseSaveFile(const std::string& initialName, const std::string& filter) = 0;
    // The Open dialog, in the same filter form; a chooser without one opens nothing.
    virtual std::optional<std::string> ChooseOpenFile(const std::string& /*filter*/) { return std::nullopt; }
};

struct DesktopServices {
    std::string ApplicationDirectory;
    UserPrompt& Prompt;
    BusyPointer& Busy;
    ProgramEnd& End;
    ClipboardWriter& Clipboard;
    DocumentOpener& Opener;
    FileChooser& Files;
    PrinterChoice& Printers;
    QPrinter& Printer;  // the application's current printer
    const KeyValueSource& Keys;
    ProgramStarter& Starter;
    // Whether user.ini and the compacted database can be written in a folder; tests make
    // folders read-only through it.
    FolderWritableCheck FolderWritable = CanCreateFileIn;
};

}  // namespace quorvel
