#pragma once
// The About box: title, version, where the coefficients come from, and a button that
// starts the desktop's system-information program.

#include <QDialog>

#include "SystemInformation.h"

class QLabel;

namespace quorvel {

// Starts the program through QProcess, detached, with no arguments and no shell.
class QtProgramStarter : public ProgramStarter {
public:
    bool StartDetached(const std::string& program) override;
};

class frmAbout : public QDialog {
    Q_OBJECT
public:
    frmAbout(const KeyValueSource& keys, ProgramStarter& starter, UserPrompt& prompt, QWidget* parent = nullptr);

private:
    const KeyValueSource& keys_;
    ProgramStarter& starter_;
    UserPrompt& prompt_;
};

}  // namespace quorvel
