#include <gtest/gtest.h>

#include "TypeAhead.h"
#include "WindowPlacement.h"

namespace quorvel {
namespace {

TEST(StoredPlacement, AMinimizedOrMaximizedStateMaximizesAndZeroIsNormal) {
    UserSettings settings;
    settings.WindowLeft = 100, settings.WindowTop = 200, settings.WindowWidth = 3000, settings.WindowHeight = 4000;
    settings.WindowState = 1;
    EXPECT_TRUE(PlacementFromSettings(settings).Maximized);
    settings.WindowState = 2;
    EXPECT_TRUE(PlacementFromSettings(settings).Maximized);
    settings.WindowState = 7;
    EXPECT_TRUE(PlacementFromSettings(settings).Maximized);
    settings.WindowState = 0;
    const StoredPlacement normal = PlacementFromSettings(settings);
    EXPECT_FALSE(normal.Maximized);
    EXPECT_EQ(normal.Geometry, (WindowRect{100, 200, 3000, 4000}));
}

TEST(NearestScreen, AWindowShowingOnAScreenStaysWhereItIs) {
    const std::vector<WindowRect> screens = {{0, 0, 1600, 1000}, {1600, 0, 1280, 1024}};
    EXPECT_EQ(BringOntoNearestScreen({1500, 900, 800, 600}, screens), (WindowRect{1500, 900, 800, 600}));
    EXPECT_EQ(BringOntoNearestScreen({2000, 100, 800, 600}, screens), (WindowRect{2000, 100, 800, 600}));
}

TEST(NearestScreen, AWindowOffEveryScreenComesOntoTheNearestOne) {
    const std::vector<WindowRect> screens = {{0, 0, 1600, 1000}, {1600, 0, 1280, 1024}};
    // Far right of the second screen: moved in so that it ends at that screen's right edge.
    EXPECT_EQ(BringOntoNearestScreen({5000, 100, 800, 600}, screens), (WindowRect{2080, 100, 800, 600}));
    // Above and left of the first screen.
    EXPECT_EQ(BringOntoNearestScreen({-3000, -2000, 800, 600}, screens), (WindowRect{0, 0, 800, 600}));
    // Below both, nearer to the taller second screen, and larger than it: its top-left
    // corner goes to that screen's.
    EXPECT_EQ(BringOntoNearestScreen({100, 5000, 3000, 2000}, screens), (WindowRect{1600, 0, 3000, 2000}));
    EXPECT_EQ(BringOntoNearestScreen({5000, 100, 800, 600}, {}), (WindowRect{5000, 100, 800, 600}));
}

TEST(GridShape, TheGridFillsTheWindowBelowTheListAndNeverHasANegativeSize) {
    const WindowRect list{255, 1515, 6120, 960};
    EXPECT_EQ(CorrectTheGridShape(list, 14000, 8000, 300), (WindowRect{255, 2523, 13745, 5177}));
    EXPECT_EQ(CorrectTheGridShape(list, 20000, 8000, 300).Width, 19745) << "wider window, wider grid";
    EXPECT_EQ(CorrectTheGridShape(list, 100, 1000, 300), (WindowRect{255, 2523, 0, 0}));
}

TEST(Twips, FourteenHundredFortyTwipsMakeAnInch) {
    EXPECT_EQ(TwipsToPixels(1440, 96), 96);
    EXPECT_EQ(TwipsToPixels(6120, 96), 408);
    EXPECT_EQ(TwipsToPixels(6120, 144), 612);
    EXPECT_EQ(PixelsToTwips(96, 96), 1440);
}

const std::vector<std::string> Entries = {
    "  1   Hydrogen        H-3         12.35 y      I/E ", "  6   Carbon          C-11        20.39 m      I/E ",
    "  6   Carbon          C-14        5700 y       I/E ", " 27   Cobalt          Co-57       271.7 d      I/E ",
    " 27   Cobalt          Co-60       5.271 y      I/E ", " 55   Cesium          Cs-137      30.0 y       I/E "};

TEST(TypeAhead, ATypedPrefixSelectsTheFirstNuclideBeginningWithItInEitherCase) {
    EXPECT_EQ(TypeAheadSelection(Entries, 0, "c"), 1);
    EXPECT_EQ(TypeAheadSelection(Entries, 1, "co"), 3);
    EXPECT_EQ(TypeAheadSelection(Entries, 3, "co-6"), 4);
    EXPECT_EQ(TypeAheadSelection(Entries, 4, "CS-137"), 5);
}

TEST(TypeAhead, TheSelectedEntryStaysWhenItIsTheTypedNuclide) {
    // C-14 is selected and typed in full: the first "C" entry (C-11) does not take over.
    EXPECT_EQ(TypeAheadSelection(Entries, 2, "c-14"), 2);
}

TEST(TypeAhead, TextThatBeginsNoNuclideClearsTheSelectionAndEmptyTextSelectsTheFirst) {
    EXPECT_EQ(TypeAheadSelection(Entries, 4, "xe"), -1);
    EXPECT_EQ(TypeAheadSelection(Entries, 4, "co-600"), -1) << "longer than any name";
    EXPECT_EQ(TypeAheadSelection(Entries, -1, ""), 0);
    EXPECT_EQ(TypeAheadSelection({}, -1, "h"), -1);
}

}  // namespace
}  // namespace quorvel
