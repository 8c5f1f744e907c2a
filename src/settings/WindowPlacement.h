#pragma once
// Where the main window goes: the placement stored in user.ini, a stored geometry that
// lies off every screen brought back, and the grid's place below the nuclide list.

#include <vector>

#include "UserSettings.h"

namespace quorvel {

struct WindowRect {
    double Left = 0;
    double Top = 0;
    double Width = 0;
    double Height = 0;
    friend bool operator==(const WindowRect&, const WindowRect&) = default;
};

struct StoredPlacement {
    bool Maximized = false;
    WindowRect Geometry;  // twips; used only when not maximized
};

// A stored state of 1 (minimized) counts as 2 (maximized); any state but 0 maximizes.
StoredPlacement PlacementFromSettings(const UserSettings& settings);

// A window that overlaps no screen moves onto the screen nearest to it, at the same size,
// with its top-left corner inside that screen; a window that shows on some screen stays.
WindowRect BringOntoNearestScreen(const WindowRect& window, const std::vector<WindowRect>& screens);

// The grid begins at the list's left edge, 5 % of the list's height below the list, and
// reaches the right edge of the window and the top of the status bar; never a negative size.
WindowRect CorrectTheGridShape(const WindowRect& list, double innerWidth, double innerHeight, double statusBarHeight);

// 1440 twips to the inch at the screen's logical resolution.
int TwipsToPixels(double twips, double dotsPerInch);
double PixelsToTwips(double pixels, double dotsPerInch);

}  // namespace quorvel
