#pragma once
// System Information: what a bug report needs (SystemReport) as text to read and copy, and
// the desktop's own system-information program where one is found.

#include <QDialog>

#include "SystemInformation.h"
#include "SystemReport.h"

class QPlainTextEdit;

namespace quorvel {

class frmSystemInfo : public QDialog {
    Q_OBJECT
public:
    frmSystemInfo(const SystemReportFacts& facts, const KeyValueSource& keys, ProgramStarter& starter,
                  UserPrompt& prompt, QWidget* parent = nullptr);

    std::string ReportText() const;

private:
    QPlainTextEdit* text_ = nullptr;
};

}  // namespace quorvel
