#include "QtClipboardWriter.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QImage>
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

void QtClipboardWriter::SetPicture(const std::string& png) {
    QImage image;
    if (!image.loadFromData(reinterpret_cast<const uchar*>(png.data()), static_cast<qsizetype>(png.size()), "PNG"))
        throw std::runtime_error("the picture could not be read");
    Clipboard().setImage(image);
}

}  // namespace quorvel
