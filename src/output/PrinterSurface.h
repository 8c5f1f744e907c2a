#pragma once
// The printer as printing draws on it: a page with a user coordinate system, a font of
// bold, italic and size (points, not scaled with the coordinates), text measuring and
// drawing at a current position, straight lines, and the document's page breaks, end and
// cancel. The desktop draws on a real printer or a PDF file; the tests record the calls.

#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "FlexGrid.h"

namespace quorvel {

// Paper styles: the printer orientation values.
inline constexpr int PortraitPaperStyle = 1;
inline constexpr int LandscapePaperStyle = 2;

// The papers printing offers, with their names as Page Setup lists them (the command
// line's --paper takes them in any case).
enum class PaperSize { Letter, A4, Legal };
inline const std::vector<std::pair<std::string, PaperSize>>& PaperSizeNames() {
    static const std::vector<std::pair<std::string, PaperSize>> names{
        {"Letter", PaperSize::Letter}, {"A4", PaperSize::A4}, {"Legal", PaperSize::Legal}};
    return names;
}

// What a printout is printed on: the paper style and the paper; without a paper, the one
// the user's locale uses.
struct PageSetup {
    int PaperStyle = LandscapePaperStyle;
    std::optional<PaperSize> Paper;
};

class PrinterSurface {
public:
    virtual ~PrinterSurface() = default;

    // PortraitPaperStyle or LandscapePaperStyle.
    virtual void SetOrientation(int paperStyle) = 0;

    // The user coordinate system: the page's printable area spans x from left to
    // left + width and y from top to top + height (the axes scale independently).
    virtual void SetScale(double left, double top, double width, double height) = 0;
    virtual double ScaleLeft() const = 0;
    virtual double ScaleTop() const = 0;
    virtual double ScaleWidth() const = 0;
    virtual double ScaleHeight() const = 0;

    virtual void SetFontBold(bool bold) = 0;
    virtual void SetFontItalic(bool italic) = 0;
    virtual void SetFontSize(float points) = 0;

    // Size of a text in the current font, in user coordinates.
    virtual double TextWidth(const std::string& text) const = 0;
    virtual double TextHeight(const std::string& text) const = 0;

    // The text's top left corner goes to the current position.
    virtual void SetCurrentPosition(double x, double y) = 0;
    virtual void PrintText(const std::string& text) = 0;
    virtual void DrawLine(double x1, double y1, double x2, double y2, RgbColour colour) = 0;

    // A page break; ending the document right after one adds no blank page.
    virtual void NewPage() = 0;
    // Sends the document to the printer.
    virtual void EndDoc() = 0;
    // Discards what was sent of the document so far; later output starts a new one.
    virtual void KillDoc() = 0;
};

}  // namespace quorvel
