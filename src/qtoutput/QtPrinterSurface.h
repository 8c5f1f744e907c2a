#pragma once
// The printer surface on a QPrinter (a printer chosen in Page Setup, or a PDF file). The
// document starts with the first drawing, so a run that draws nothing sends nothing, and
// a page break takes effect only when something is drawn after it. Fonts are the desktop's
// sans-serif family in the requested point size.

#include <QFont>
#include <QPainter>

#include "PrinterSurface.h"

class QPrinter;

namespace quorvel {

class QtPrinterSurface : public PrinterSurface {
public:
    explicit QtPrinterSurface(QPrinter& printer);
    ~QtPrinterSurface() override;
    QtPrinterSurface(const QtPrinterSurface&) = delete;
    QtPrinterSurface& operator=(const QtPrinterSurface&) = delete;

    void SetOrientation(int paperStyle) override;
    void SetScale(double left, double top, double width, double height) override;
    double ScaleLeft() const override { return left_; }
    double ScaleTop() const override { return top_; }
    double ScaleWidth() const override { return width_; }
    double ScaleHeight() const override { return height_; }
    void SetFontBold(bool bold) override;
    void SetFontItalic(bool italic) override;
    void SetFontSize(float points) override;
    double TextWidth(const std::string& text) const override;
    double TextHeight(const std::string& text) const override;
    void SetCurrentPosition(double x, double y) override;
    void PrintText(const std::string& text) override;
    void DrawLine(double x1, double y1, double x2, double y2, RgbColour colour) override;
    void NewPage() override;
    void EndDoc() override;
    void KillDoc() override;

    // Whether the last document was ended with something on it (false after a cancel or
    // when nothing was drawn).
    bool DocumentPrinted() const { return printed_; }

private:
    // Starts the document, or the page after a pending break, before any drawing.
    void PrepareToDraw();
    QPointF ToDevice(double x, double y) const;

    QPrinter& printer_;
    QPainter painter_;
    QFont font_;
    double left_ = 0;
    double top_ = 0;
    double width_ = 1;
    double height_ = 1;
    double currentX_ = 0;
    double currentY_ = 0;
    bool pageBreakPending_ = false;
    bool printed_ = false;
};

}  // namespace quorvel
