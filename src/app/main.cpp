// The desktop viewer: the main window with the Qt services, in the folder of the program.
#include <QApplication>
#include <QPrinter>

#include "DesktopDocumentOpener.h"
#include "QtClipboardWriter.h"
#include "QtDesktopServices.h"
#include "frmAbout.h"
#include "frmPrimarySelectionForm.h"

int main(int argc, char* argv[]) {
    QApplication application(argc, argv);
    QApplication::setApplicationName("Quorvel");
    QApplication::setApplicationVersion("2.1.13");

    quorvel::QtUserPrompt prompt;
    quorvel::QtBusyPointer busy;
    quorvel::QtProgramEnd end;
    quorvel::QtClipboardWriter clipboard;
    quorvel::DesktopDocumentOpener opener;
    quorvel::QtFileChooser files;
    QPrinter printer(QPrinter::HighResolution);
    quorvel::QtPrinterChoice printers(printer);
    const quorvel::PathKeyValueSource keys(qEnvironmentVariable("PATH").toStdString());
    quorvel::QtProgramStarter starter;

    quorvel::frmPrimarySelectionForm form({QCoreApplication::applicationDirPath().toStdString(), prompt, busy, end,
                                           clipboard, opener, files, printers, printer, keys, starter});
    if (!form.Load()) return end.ExitCode();
    form.show();
    return QApplication::exec();
}
