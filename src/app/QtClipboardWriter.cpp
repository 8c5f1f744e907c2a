#include "QtClipboardWriter.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QString>

#include <stdexcept>

namespace quorvel {

namespace {

QClipboard& Clipboard() {
    QClipboard* clipboard = QGuiApplication::clipboard();
    if (clipboard == nullptr) throw std::runtime_error("no clipboard is available");
    return *clipboard;
}

}  // namespace

void QtClipboardWriter::Clear() { Clipboard().clear(); }

void QtClipboardWriter::SetText(const std::string& text) { Clipboard().setText(QString::fromStdString(text)); }

}  // namespace quorvel
