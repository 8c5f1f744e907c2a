#include "DesktopDocumentOpener.h"

#include <QProcess>
#include <QStandardPaths>
#include <QString>
#include <QStringList>
#include <stdexcept>

namespace quorvel {

const std::vector<std::string>& DesktopDocumentOpener::Candidates() {
    static const std::vector<std::string> programs = {"libreoffice", "localc", "soffice", "xdg-open"};
    return programs;
}

void DesktopDocumentOpener::Open(const std::string& path) {
    for (const std::string& name : Candidates()) {
        const QString program = QStandardPaths::findExecutable(QString::fromStdString(name));
        if (program.isEmpty()) continue;
        // LibreOffice opens the file as a template: a new, untitled workbook, as a fresh
        // export should be; xdg-open hands the file to the desktop's default program.
        QStringList arguments;
        if (name != "xdg-open") arguments << QStringLiteral("-n");
        arguments << QString::fromStdString(path);
        if (!QProcess::startDetached(program, arguments))
            throw std::runtime_error("cannot start " + program.toStdString());
        return;
    }
    throw std::runtime_error("no program to open " + path +
                             " was found: neither libreoffice, localc, soffice nor xdg-open is on the PATH");
}

}  // namespace quorvel
