#include "QtDesktopServices.h"

#include <QApplication>
#include <QFileDialog>
#include <QMessageBox>

#include "ApplicationVersion.h"

namespace quorvel {

void QtUserPrompt::ShowMessage(const std::string& text) {
    QMessageBox::information(QApplication::activeWindow(), ApplicationTitle, QString::fromStdString(text), QMessageBox::Ok);
}

bool QtUserPrompt::AskYesNo(const std::string& question) {
    return QMessageBox::question(QApplication::activeWindow(), ApplicationTitle, QString::fromStdString(question),
                                 QMessageBox::Yes | QMessageBox::No) == QMessageBox::Yes;
}

void QtBusyPointer::ShowBusy() { QApplication::setOverrideCursor(Qt::WaitCursor); }

void QtBusyPointer::ShowNormal() { QApplication::restoreOverrideCursor(); }

QString QtFileDialogFilter(const std::string& filter) {
    const QStringList parts = QString::fromStdString(filter).split('|');
    QStringList entries;
    for (qsizetype i = 0; i + 1 < parts.size(); i += 2)
        if (!parts[i].isEmpty()) entries << parts[i];
    return entries.join(";;");
}

std::optional<std::string> QtFileChooser::ChooseSaveFile(const std::string& initialName, const std::string& filter) {
    // A wildcard name only says "any file"; the dialog then starts in the current folder.
    const QString start = initialName.find('*') == std::string::npos ? QString::fromStdString(initialName) : QString();
    const QString chosen =
        QFileDialog::getSaveFileName(QApplication::activeWindow(), "Save As", start, QtFileDialogFilter(filter));
    if (chosen.isEmpty()) return std::nullopt;
    return chosen.toStdString();
}

void QtProgramEnd::EndProcess(int exitCode) {
    exitCode_ = exitCode;
    QCoreApplication::exit(exitCode);
}

}  // namespace quorvel
