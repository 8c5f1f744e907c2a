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

// The frame the window manager draws around a window's inside (title bar, borders).
struct FrameMargins {
    double Left = 0;
    double Top = 0;
    double Right = 0;
    double Bottom = 0;
};

// user.ini keeps the outer geometry (frame included); the window is placed by its inside.
// The two are exact inverses, so that a restart puts the window back where it was.
WindowRect OuterGeometry(const WindowRect& inner, const FrameMargins& frame);
WindowRect InnerGeometry(const WindowRect& outer, const FrameMargins& frame);

// A stored state of 1 (minimized) counts as 2 (maximized); any state but 0 maximizes.
StoredPlacement PlacementFromSettings(const UserSettings& settings);

// The placement for the available screens (all in twips, outer geometry). A stored
// geometry that is no sensible window there counts as unreadable, and the window opens
// maximized as without user.ini: smaller than the window's minimum size, larger than all
// screens together, or no number at all. A sensible one whose title bar would not show is
// brought onto the nearest screen.
StoredPlacement SensiblePlacement(const UserSettings& settings, const std::vector<WindowRect>& screens,
                                  double minimumWidth, double minimumHeight);

// A window whose top edge (its title bar) shows on some screen stays; any other moves onto
// the screen nearest to it, at the same size, with its top-left corner inside that screen.
WindowRect BringOntoNearestScreen(const WindowRect& window, const std::vector<WindowRect>& screens);

// The units list entry (from 0) for a remembered 1-based position: that entry when the
// list has it, otherwise the first (also for 0, nothing remembered); -1 for an empty list.
int UnitListIndex(int savedPosition, int unitCount);

// The grid begins at the list's left edge, 5 % of the list's height below the list, and
// reaches the right edge of the window and the top of the status bar; never a negative size.
WindowRect CorrectTheGridShape(const WindowRect& list, double innerWidth, double innerHeight, double statusBarHeight);

// 1440 twips to the inch at the screen's logical resolution.
int TwipsToPixels(double twips, double dotsPerInch);
double PixelsToTwips(double pixels, double dotsPerInch);

}  // namespace quorvel
