#include "QtDesktopServices.h"

#include <QApplication>
#include <QFileDialog>
#include <QMessageBox>
#include <iostream>

#include "ApplicationVersion.h"

namespace quorvel {

namespace {

// Without a screen (the offscreen platform) nobody could answer a box: the terminal gets the text.
bool Headless() { return QGuiApplication::platformName() == "offscreen"; }

}  // namespace

void QtUserPrompt::ShowMessage(const std::string& text) {
    std::cerr << ApplicationTitle << ": " << text << '\n';
    if (Headless()) return;
    QMessageBox::information(QApplication::activeWindow(), ApplicationTitle, QString::fromStdString(text),
                             QMessageBox::Ok);
}

bool QtUserPrompt::AskYesNo(const std::string& question) {
    std::cerr << ApplicationTitle << ": " << question << '\n';
    if (Headless()) return false;
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

std::optional<std::string> QtFileChooser::ChooseOpenFile(const std::string& filter) {
    const QString chosen =
        QFileDialog::getOpenFileName(QApplication::activeWindow(), "Open", QString(), QtFileDialogFilter(filter));
    if (chosen.isEmpty()) return std::nullopt;
    return chosen.toStdString();
}

void QtProgramEnd::EndProcess(int exitCode) {
    exitCode_ = exitCode;
    QCoreApplication::exit(exitCode);
}

}  // namespace quorvel
