#include <gtest/gtest.h>

#include <cmath>

#include "FixtureDatabase.h"
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

TEST(StoredPlacement, TenRestartsThroughUserIniLeaveTheWindowWhereItWas) {
    test::TemporaryFolder folder;
    const std::string path = (folder.Path() / "user.ini").string();
    const FrameMargins openbox{1, 20, 1, 1};  // a title bar and thin borders
    const WindowRect placed{300, 200, 944, 560};  // the inside, pixels
    const double dpi = 96;
    WindowRect inside = placed;
    for (int start = 0; start < 10; ++start) {
        const WindowRect outer = OuterGeometry(inside, openbox);
        UserSettings stored;
        stored.WindowLeft = PixelsToTwips(outer.Left, dpi), stored.WindowTop = PixelsToTwips(outer.Top, dpi);
        stored.WindowWidth = PixelsToTwips(outer.Width, dpi), stored.WindowHeight = PixelsToTwips(outer.Height, dpi);
        ASSERT_TRUE(WriteUserSettings(path, stored));
        const auto read = ReadUserSettings(path);
        ASSERT_TRUE(read.has_value());
        const WindowRect twips = SensiblePlacement(*read, {{0, 0, 24000, 15000}}, 6000, 4000).Geometry;
        inside = InnerGeometry({double(TwipsToPixels(twips.Left, dpi)), double(TwipsToPixels(twips.Top, dpi)),
                                double(TwipsToPixels(twips.Width, dpi)), double(TwipsToPixels(twips.Height, dpi))},
                               openbox);
        ASSERT_EQ(inside, placed) << "after start " << start + 1;
    }
}

TEST(StoredPlacement, AGeometryThatIsNoSensibleWindowOpensMaximized) {
    const std::vector<WindowRect> screens = {{0, 0, 24000, 15000}, {24000, 0, 19200, 15360}};
    const auto placement = [&screens](double left, double top, double width, double height) {
        UserSettings settings;
        settings.WindowLeft = left, settings.WindowTop = top, settings.WindowWidth = width, settings.WindowHeight = height;
        return SensiblePlacement(settings, screens, 6000, 4000);
    };
    EXPECT_TRUE(placement(0, 0, 0, 0).Maximized) << "an empty or unreadable file";
    EXPECT_TRUE(placement(0, 0, 795, 1200).Maximized) << "below the minimum size";
    EXPECT_TRUE(placement(0, 0, 14160, 491505).Maximized) << "taller than every screen";
    EXPECT_TRUE(placement(0, 0, 50000, 8400).Maximized) << "wider than both screens together";
    EXPECT_TRUE(placement(std::nan(""), 0, 14160, 8400).Maximized);
    EXPECT_EQ(placement(1500, 900, 14160, 8400).Geometry, (WindowRect{1500, 900, 14160, 8400}));
    EXPECT_EQ(placement(20000, 0, 30000, 8400).Geometry, (WindowRect{20000, 0, 30000, 8400})) << "across both screens";
    EXPECT_EQ(placement(1500, -300, 14160, 8400).Geometry, (WindowRect{1500, 0, 14160, 8400})) << "title bar brought back";
}

TEST(UnitList, ARememberedPositionTheListLacksSelectsTheFirstUnit) {
    EXPECT_EQ(UnitListIndex(2, 3), 1);
    EXPECT_EQ(UnitListIndex(3, 3), 2);
    EXPECT_EQ(UnitListIndex(4, 3), 0);
    EXPECT_EQ(UnitListIndex(0, 3), 0);
    EXPECT_EQ(UnitListIndex(-7, 3), 0);
    EXPECT_EQ(UnitListIndex(1, 0), -1);
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

TEST(TypeAhead, TextThatBeginsNoNuclideClearsTheSelectionAndEmptyTextSelectsTheFirst) {
    EXPECT_EQ(TypeAheadSelection(Entries, 4, "xe"), -1);
    EXPECT_EQ(TypeAheadSelection(Entries, 4, "co-600"), -1) << "longer than any name";
    EXPECT_EQ(TypeAheadSelection(Entries, -1, ""), 0);
    EXPECT_EQ(TypeAheadSelection({}, -1, "h"), -1);
}

}  // namespace
}  // namespace quorvel
