#include "QtPrinterSurface.h"

#include <QColor>
#include <QFontMetricsF>
#include <QPen>
#include <QPrinter>
#include <cerrno>
#include <cstring>
#include <stdexcept>

namespace quorvel {

namespace {

// The grid's MS Sans Serif is not found on this desktop: its sans-serif family stands in.
QFont SansSerifFont() {
    QFont font(QStringLiteral("Sans Serif"));
    font.setStyleHint(QFont::SansSerif);
    font.setPointSizeF(FlexGrid::DefaultFontSize);
    return font;
}

std::string PrinterName(const QPrinter& printer) {
    if (printer.outputFormat() == QPrinter::PdfFormat) return "PDF file " + printer.outputFileName().toStdString();
    return "printer " + printer.printerName().toStdString();
}

}  // namespace

QtPrinterSurface::QtPrinterSurface(QPrinter& printer) : printer_(printer), font_(SansSerifFont()) {}

QtPrinterSurface::~QtPrinterSurface() {
    if (painter_.isActive()) painter_.end();
}

void QtPrinterSurface::SetOrientation(int paperStyle) {
    printer_.setPageOrientation(paperStyle == PortraitPaperStyle ? QPageLayout::Portrait : QPageLayout::Landscape);
}

void QtPrinterSurface::SetScale(double left, double top, double width, double height) {
    left_ = left;
    top_ = top;
    width_ = width;
    height_ = height;
}

void QtPrinterSurface::SetFontBold(bool bold) { font_.setBold(bold); }

void QtPrinterSurface::SetFontItalic(bool italic) { font_.setItalic(italic); }

void QtPrinterSurface::SetFontSize(float points) { font_.setPointSizeF(points); }

double QtPrinterSurface::TextWidth(const std::string& text) const {
    const QFontMetricsF metrics(font_, &printer_);
    return metrics.horizontalAdvance(QString::fromStdString(text)) * width_ / printer_.width();
}

double QtPrinterSurface::TextHeight(const std::string& /*text*/) const {
    const QFontMetricsF metrics(font_, &printer_);
    return metrics.height() * height_ / printer_.height();
}

void QtPrinterSurface::SetCurrentPosition(double x, double y) {
    currentX_ = x;
    currentY_ = y;
}

void QtPrinterSurface::PrintText(const std::string& text) {
    PrepareToDraw();
    painter_.setFont(font_);
    painter_.setPen(Qt::black);
    const QFontMetricsF metrics(font_, &printer_);
    const QPointF topLeft = ToDevice(currentX_, currentY_);
    painter_.drawText(QPointF(topLeft.x(), topLeft.y() + metrics.ascent()), QString::fromStdString(text));
}

void QtPrinterSurface::DrawLine(double x1, double y1, double x2, double y2, RgbColour colour) {
    PrepareToDraw();
    // About half a point wide, whatever the printer's resolution.
    painter_.setPen(QPen(QColor(colour.Red, colour.Green, colour.Blue), printer_.resolution() / 144.0));
    painter_.drawLine(ToDevice(x1, y1), ToDevice(x2, y2));
}

void QtPrinterSurface::NewPage() {
    if (painter_.isActive()) pageBreakPending_ = true;
}

void QtPrinterSurface::EndDoc() {
    pageBreakPending_ = false;
    if (!painter_.isActive()) return;
    const bool ended = painter_.end();
    if (!ended || printer_.printerState() == QPrinter::Error)
        throw std::runtime_error("the " + PrinterName(printer_) + " could not print the document");
    printed_ = true;
}

void QtPrinterSurface::KillDoc() {
    pageBreakPending_ = false;
    printed_ = false;
    if (!painter_.isActive()) return;
    // A PDF file cannot be aborted: it is rewritten from its start by the next document.
    printer_.abort();
    painter_.end();
}

void QtPrinterSurface::PrepareToDraw() {
    if (!painter_.isActive()) {
        errno = 0;
        if (!painter_.begin(&printer_)) {
            // A PDF file that cannot be made says why, as the system gives it.
            const int cause = printer_.outputFormat() == QPrinter::PdfFormat ? errno : 0;
            throw std::runtime_error("the " + PrinterName(printer_) + " could not start a document" +
                                     (cause != 0 ? std::string(": ") + std::strerror(cause) : std::string()));
        }
        pageBreakPending_ = false;
        printed_ = false;
    } else if (pageBreakPending_) {
        pageBreakPending_ = false;
        if (!printer_.newPage())
            throw std::runtime_error("the " + PrinterName(printer_) + " could not start a new page");
    }
}

QPointF QtPrinterSurface::ToDevice(double x, double y) const {
    return {(x - left_) * printer_.width() / width_, (y - top_) * printer_.height() / height_};
}

}  // namespace quorvel
