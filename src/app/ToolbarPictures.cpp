#include "ToolbarPictures.h"

#include <QPainter>
#include <QPainterPath>
#include <QPixmap>

namespace quorvel {

namespace {

constexpr int Size = 32;

// A page with a folded corner, its top-left at (x, y).
void Page(QPainter& painter, double x, double y, double width, double height) {
    QPainterPath page;
    page.moveTo(x, y);
    page.lineTo(x + width - 6, y);
    page.lineTo(x + width, y + 6);
    page.lineTo(x + width, y + height);
    page.lineTo(x, y + height);
    page.closeSubpath();
    painter.fillPath(page, Qt::white);
    painter.drawPath(page);
    painter.drawLine(QPointF(x + width - 6, y), QPointF(x + width - 6, y + 6));
    painter.drawLine(QPointF(x + width - 6, y + 6), QPointF(x + width, y + 6));
}

void TextLines(QPainter& painter, double x, double y, double width, int count) {
    for (int i = 0; i < count; ++i) painter.drawLine(QPointF(x, y + 4 * i), QPointF(x + width, y + 4 * i));
}

void DrawPrinter(QPainter& painter) {
    Page(painter, 9, 3, 14, 12);
    painter.setBrush(QColor(120, 120, 130));
    painter.drawRoundedRect(QRectF(3.5, 13.5, 25, 11), 2, 2);
    painter.setBrush(Qt::white);
    painter.drawRect(QRectF(8.5, 20.5, 15, 9));
    TextLines(painter, 11, 24, 10, 2);
    painter.setBrush(QColor(60, 200, 60));
    painter.drawEllipse(QPointF(25, 17), 1.3, 1.3);
}

void DrawExport(QPainter& painter) {
    Page(painter, 4.5, 2.5, 18, 25);
    TextLines(painter, 8, 9, 10, 4);
    painter.setBrush(QColor(40, 110, 200));
    QPainterPath arrow;
    arrow.moveTo(16, 18);
    arrow.lineTo(23, 18);
    arrow.lineTo(23, 14);
    arrow.lineTo(30, 21);
    arrow.lineTo(23, 28);
    arrow.lineTo(23, 24);
    arrow.lineTo(16, 24);
    arrow.closeSubpath();
    painter.drawPath(arrow);
}

void DrawCopy(QPainter& painter) {
    Page(painter, 3.5, 2.5, 16, 21);
    TextLines(painter, 6.5, 9, 9, 3);
    Page(painter, 12.5, 8.5, 16, 21);
    TextLines(painter, 15.5, 15, 9, 3);
}

void DrawSpreadsheet(QPainter& painter) {
    painter.fillRect(QRectF(3.5, 4.5, 25, 23), Qt::white);
    painter.fillRect(QRectF(3.5, 4.5, 25, 5), QColor(40, 150, 70));
    painter.drawRect(QRectF(3.5, 4.5, 25, 23));
    for (double y : {9.5, 15.5, 21.5}) painter.drawLine(QPointF(3.5, y), QPointF(28.5, y));
    for (double x : {11.5, 20.0}) painter.drawLine(QPointF(x, 9.5), QPointF(x, 27.5));
}

QIcon Drawn(void (*draw)(QPainter&)) {
    QPixmap pixmap(Size, Size);
    pixmap.fill(Qt::transparent);
    QPainter painter(&pixmap);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(QPen(QColor(50, 50, 60), 1));
    draw(painter);
    painter.end();
    return QIcon(pixmap);
}

}  // namespace

QIcon ToolbarPicture(const std::string& picture) {
    if (picture == "Print") return QIcon::fromTheme("document-print", Drawn(DrawPrinter));
    if (picture == "Export") return QIcon::fromTheme("document-save-as", Drawn(DrawExport));
    if (picture == "copy") return QIcon::fromTheme("edit-copy", Drawn(DrawCopy));
    return QIcon::fromTheme("x-office-spreadsheet", Drawn(DrawSpreadsheet));
}

}  // namespace quorvel
