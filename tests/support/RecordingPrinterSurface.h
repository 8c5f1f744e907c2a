#pragma once
// A printer surface that records every call, and keeps the pages of the document as a
// printer would send them: a page starts with its first drawing, so a page break right
// before the end adds no page, and a cancel throws away what the document held so far.
// Texts measure 10 units per character and point of size, and 24 units per point high.

#include <initializer_list>
#include <sstream>
#include <string>
#include <vector>

#include "PrinterSurface.h"

namespace quorvel::test {

struct PrintedText {
    std::string Text;
    double X = 0;
    double Y = 0;
    bool Bold = false;
    float Size = 0;
};

struct DrawnLine {
    double X1 = 0;
    double Y1 = 0;
    double X2 = 0;
    double Y2 = 0;
};

struct RecordedPage {
    std::vector<PrintedText> Texts;
    std::vector<DrawnLine> Lines;
};

class RecordingPrinterSurface : public PrinterSurface {
public:
    std::vector<std::string> Log;                          // every call, in order
    std::vector<RecordedPage> Pages;                       // the document as it stands
    std::vector<std::vector<RecordedPage>> SentDocuments;  // each ended document
    int KilledDocuments = 0;

    void SetOrientation(int paperStyle) override { Log.push_back("orientation " + std::to_string(paperStyle)); }
    void SetScale(double left, double top, double width, double height) override {
        left_ = left;
        top_ = top;
        width_ = width;
        height_ = height;
        Log.push_back("scale " + Numbers({left, top, width, height}));
    }
    double ScaleLeft() const override { return left_; }
    double ScaleTop() const override { return top_; }
    double ScaleWidth() const override { return width_; }
    double ScaleHeight() const override { return height_; }
    void SetFontBold(bool bold) override { bold_ = bold; }
    void SetFontItalic(bool /*italic*/) override {}
    void SetFontSize(float points) override { size_ = points; }
    double TextWidth(const std::string& text) const override { return static_cast<double>(text.size()) * size_ * 10; }
    double TextHeight(const std::string& /*text*/) const override { return size_ * 24.0; }
    void SetCurrentPosition(double x, double y) override {
        x_ = x;
        y_ = y;
    }
    void PrintText(const std::string& text) override {
        Page().Texts.push_back({text, x_, y_, bold_, size_});
        Log.push_back("text " + text + " at " + Numbers({x_, y_}));
    }
    void DrawLine(double x1, double y1, double x2, double y2, RgbColour colour) override {
        Page().Lines.push_back({x1, y1, x2, y2});
        Log.push_back("line " + Numbers({x1, y1, x2, y2}) + " colour " +
                      Numbers({double(colour.Red), double(colour.Green), double(colour.Blue)}));
    }
    void NewPage() override {
        pageBreakPending_ = true;
        Log.push_back("new page");
    }
    void EndDoc() override {
        SentDocuments.push_back(Pages);
        Pages.clear();
        pageBreakPending_ = false;
        Log.push_back("end document");
    }
    void KillDoc() override {
        ++KilledDocuments;
        Pages.clear();
        pageBreakPending_ = false;
        Log.push_back("cancel document");
    }

private:
    RecordedPage& Page() {
        if (Pages.empty() || pageBreakPending_) Pages.emplace_back();
        pageBreakPending_ = false;
        return Pages.back();
    }
    static std::string Numbers(std::initializer_list<double> values) {
        std::ostringstream out;
        for (const double value : values) out << (out.tellp() > 0 ? " " : "") << value;
        return out.str();
    }

    double left_ = 0;
    double top_ = 0;
    double width_ = 1;
    double height_ = 1;
    bool bold_ = false;
    float size_ = 8.25F;
    double x_ = 0;
    double y_ = 0;
    bool pageBreakPending_ = false;
};

}  // namespace quorvel::test
