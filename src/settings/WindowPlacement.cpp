#include "WindowPlacement.h"

#include <algorithm>
#include <cmath>
#include <limits>

namespace quorvel {

namespace {

// Distance between two rectangles (0 when they touch or overlap).
double Gap(const WindowRect& a, const WindowRect& b) {
    const double dx = std::max({0.0, b.Left - (a.Left + a.Width), a.Left - (b.Left + b.Width)});
    const double dy = std::max({0.0, b.Top - (a.Top + a.Height), a.Top - (b.Top + b.Height)});
    return std::hypot(dx, dy);
}

bool TopEdgeShowsOn(const WindowRect& window, const WindowRect& screen) {
    return window.Top >= screen.Top && window.Top < screen.Top + screen.Height &&
           window.Left < screen.Left + screen.Width && screen.Left < window.Left + window.Width;
}

}  // namespace

WindowRect OuterGeometry(const WindowRect& inner, const FrameMargins& frame) {
    return {inner.Left - frame.Left, inner.Top - frame.Top, inner.Width + frame.Left + frame.Right,
            inner.Height + frame.Top + frame.Bottom};
}

WindowRect InnerGeometry(const WindowRect& outer, const FrameMargins& frame) {
    return {outer.Left + frame.Left, outer.Top + frame.Top, outer.Width - frame.Left - frame.Right,
            outer.Height - frame.Top - frame.Bottom};
}

StoredPlacement SensiblePlacement(const UserSettings& settings, const std::vector<WindowRect>& screens,
                                  double minimumWidth, double minimumHeight) {
    StoredPlacement placement = PlacementFromSettings(settings);
    if (placement.Maximized) return placement;
    const WindowRect& stored = placement.Geometry;
    bool sensible = std::isfinite(stored.Left) && std::isfinite(stored.Top) && std::isfinite(stored.Width) &&
                    std::isfinite(stored.Height) && stored.Width >= minimumWidth && stored.Height >= minimumHeight;
    if (sensible && !screens.empty()) {
        double left = screens.front().Left, top = screens.front().Top;
        double right = left, bottom = top;
        for (const auto& screen : screens) {
            left = std::min(left, screen.Left);
            top = std::min(top, screen.Top);
            right = std::max(right, screen.Left + screen.Width);
            bottom = std::max(bottom, screen.Top + screen.Height);
        }
        sensible = stored.Width <= right - left && stored.Height <= bottom - top;
    }
    if (!sensible) return {true, {}};
    placement.Geometry = BringOntoNearestScreen(stored, screens);
    return placement;
}

int UnitListIndex(int savedPosition, int unitCount) {
    if (unitCount <= 0) return -1;
    return savedPosition >= 1 && savedPosition <= unitCount ? savedPosition - 1 : 0;
}

StoredPlacement PlacementFromSettings(const UserSettings& settings) {
    StoredPlacement placement;
    placement.Maximized = settings.WindowState != 0;
    placement.Geometry = {settings.WindowLeft, settings.WindowTop, settings.WindowWidth, settings.WindowHeight};
    return placement;
}

WindowRect BringOntoNearestScreen(const WindowRect& window, const std::vector<WindowRect>& screens) {
    if (screens.empty()) return window;
    for (const auto& screen : screens)
        if (TopEdgeShowsOn(window, screen)) return window;
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

int TwipsToPixels(double twips, double dotsPerInch) {
    return static_cast<int>(std::lround(twips * dotsPerInch / 1440.0));
}

double PixelsToTwips(double pixels, double dotsPerInch) { return pixels * 1440.0 / dotsPerInch; }

}  // namespace quorvel
