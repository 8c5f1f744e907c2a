#include "WindowPlacement.h"

#include <algorithm>
#include <cmath>
#include <limits>

namespace quorvel {

namespace {

bool Overlaps(const WindowRect& a, const WindowRect& b) {
    return a.Left < b.Left + b.Width && b.Left < a.Left + a.Width && a.Top < b.Top + b.Height && b.Top < a.Top + a.Height;
}

// Distance between two rectangles (0 when they touch or overlap).
double Gap(const WindowRect& a, const WindowRect& b) {
    const double dx = std::max({0.0, b.Left - (a.Left + a.Width), a.Left - (b.Left + b.Width)});
    const double dy = std::max({0.0, b.Top - (a.Top + a.Height), a.Top - (b.Top + b.Height)});
    return std::hypot(dx, dy);
}

}  // namespace

StoredPlacement PlacementFromSettings(const UserSettings& settings) {
    StoredPlacement placement;
    placement.Maximized = settings.WindowState != 0;
    placement.Geometry = {settings.WindowLeft, settings.WindowTop, settings.WindowWidth, settings.WindowHeight};
    return placement;
}

WindowRect BringOntoNearestScreen(const WindowRect& window, const std::vector<WindowRect>& screens) {
    if (screens.empty()) return window;
    for (const auto& screen : screens)
        if (Overlaps(window, screen)) return window;
    const WindowRect* nearest = &screens.front();
    double best = std::numeric_limits<double>::max();
    for (const auto& screen : screens) {
        const double gap = Gap(window, screen);
        if (gap < best) {
            best = gap;
            nearest = &screen;
        }
    }
    WindowRect placed = window;
    const double right = std::max(nearest->Left, nearest->Left + nearest->Width - window.Width);
    const double bottom = std::max(nearest->Top, nearest->Top + nearest->Height - window.Height);
    placed.Left = std::clamp(window.Left, nearest->Left, right);
    placed.Top = std::clamp(window.Top, nearest->Top, bottom);
    return placed;
}

WindowRect CorrectTheGridShape(const WindowRect& list, double innerWidth, double innerHeight, double statusBarHeight) {
    WindowRect grid;
    grid.Left = list.Left;
    grid.Width = std::max(0.0, innerWidth - list.Left);
    grid.Top = list.Top + list.Height + 0.05 * list.Height;
    grid.Height = std::max(0.0, innerHeight - (grid.Top + statusBarHeight));
    return grid;
}

int TwipsToPixels(double twips, double dotsPerInch) { return static_cast<int>(std::lround(twips * dotsPerInch / 1440.0)); }

double PixelsToTwips(double pixels, double dotsPerInch) { return pixels * 1440.0 / dotsPerInch; }

}  // namespace quorvel
