#pragma once
// The About box: title, version, where the coefficients come from, and a button that shows
// the system information a bug report needs.

#include <QDialog>

#include "SystemInformation.h"
#include "SystemReport.h"

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
    // The facts name the database and the settings file; the box adds the versions.
    frmAbout(const SystemReportFacts& facts, const KeyValueSource& keys, ProgramStarter& starter, UserPrompt& prompt,
             QWidget* parent = nullptr);

private:
    SystemReportFacts facts_;
    const KeyValueSource& keys_;
    ProgramStarter& starter_;
    UserPrompt& prompt_;
};

}  // namespace quorvel
