#pragma once
// The Qt implementations of the main window's services: message boxes, the hourglass,
// the Save dialog and the end of the program.

#include <QWidget>

#include "DesktopServices.h"

namespace quorvel {

// Message boxes with an OK button (or Yes and No) under the application's title.
class QtUserPrompt : public UserPrompt {
public:
    void ShowMessage(const std::string& text) override;
    bool AskYesNo(const std::string& question) override;
};

// The hourglass as the application's override cursor.
class QtBusyPointer : public BusyPointer {
public:
    void ShowBusy() override;
    void ShowNormal() override;
};

class QtFileChooser : public FileChooser {
public:
    std::optional<std::string> ChooseSaveFile(const std::string& initialName, const std::string& filter) override;
    std::optional<std::string> ChooseOpenFile(const std::string& filter) override;
};

// Leaves the event loop with the code; before the loop runs, only the code is kept.
class QtProgramEnd : public ProgramEnd {
public:
    void EndProcess(int exitCode) override;
    int ExitCode() const { return exitCode_; }

private:
    int exitCode_ = 0;
};

// "Text (*.txt)|*.txt|All (*.*)|*.*|" as a Qt file dialog filter: "Text (*.txt);;All (*.*)".
QString QtFileDialogFilter(const std::string& filter);

}  // namespace quorvel
