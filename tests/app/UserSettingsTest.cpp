// user.ini: reading, writing and where it goes; the window placement it stores and the
// unit and nuclide choices the main window makes from it; how the window shares its room;
// the system report.
#include <algorithm>
#include <cmath>
#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>
#include <ostream>
#include <sstream>

#include "FileSizeLimit.h"
#include "FixtureDatabase.h"
#include "MainWindowLayout.h"
#include "SystemReport.h"
#include "TypeAhead.h"
#include "UserIniLocation.h"
#include "UserSettings.h"
#include "WindowPlacement.h"

namespace quorvel {

// A failure shows the settings as the file would hold them.
void PrintTo(const UserSettings& settings, std::ostream* out) { *out << FormatUserSettings(settings); }

namespace {

using test::TemporaryFolder;

std::string WriteFile(const TemporaryFolder& folder, const std::string& content) {
    const std::string path = (folder.Path() / "user.ini").string();
    std::ofstream(path, std::ios::binary) << content;
    return path;
}

// Every line differs, so a line read from the wrong place shows.
TEST(UserSettingsFile, ReadsEachOfTheFourteenLinesWithBlanksAroundTheNumbers) {
    TemporaryFolder folder;
    const auto settings = ReadUserSettings(
        WriteFile(folder, " 0\r\n 6000 \r\n9000\r\n120.5\r\n-45\r\n1\r\n2\r\n3\r\n4\r\n 5\r\n6\r\n7\r\n8\r\n 9\r\n"));
    EXPECT_EQ(settings, (UserSettings{0, 6000, 9000, 120.5, -45, {0, 1, 2, 3, 4}, {0, 5, 6, 7, 8}, 9}));
}

// Lone LF line ends, words, an empty line, a number beyond range and a file that stops
// after line 7.
TEST(UserSettingsFile, ValuesThatCannotBeReadStayZeroAndTheRestIsRead) {
    TemporaryFolder folder;
    const auto settings = ReadUserSettings(WriteFile(folder, "2\nwide\n9000\n\n1e400\nthree\n2\n"));
    EXPECT_EQ(settings, (UserSettings{2, 0, 9000, 0, 0, {0, 0, 2, 0, 0}, {}, 0}));
}

TEST(UserSettingsFile, WritesFourteenLinesEndedByCarriageReturnLineFeed) {
    TemporaryFolder folder;
    UserSettings settings{2, 8400, 14160.25, -60, 0, {0, 3, 1, 0, 2}, {0, 2, 0, 0, 1}, 1};
    const std::string path = (folder.Path() / "user.ini").string();
    ASSERT_TRUE(WriteUserSettings(path, settings));
    EXPECT_EQ(test::ReadBytes(path),
              "2\r\n8400\r\n14160.25\r\n-60\r\n0\r\n3\r\n1\r\n0\r\n2\r\n2\r\n0\r\n0\r\n1\r\n1\r\n");
    EXPECT_EQ(ReadUserSettings(path), settings) << "what is written reads back the same";
    {
        const test::FileSizeLimit fullDisk(8);  // the file's replacement is the text export's test
        EXPECT_FALSE(WriteUserSettings(path, UserSettings{}));
    }
    EXPECT_EQ(ReadUserSettings(path), settings) << "a write that cannot finish leaves the old file whole";

    settings.WindowState = 0;
    settings.WindowHeight = 1.0 / 3.0;
    EXPECT_EQ(FormatUserSettings(settings).substr(0, 14), "0\r\n0.3333333\r\n") << "as a single";
    EXPECT_FALSE(WriteUserSettings(folder.Path().string(), settings));
    EXPECT_FALSE(WriteUserSettings((folder.Path() / "no-such-folder" / "user.ini").string(), settings));
}

TEST(UserIniLocation, TheConfigurationFolderFollowsXdgConfigHomeOrElseHome) {
    EXPECT_EQ(UserConfigFolder("/srv/config", "/home/ann"), "/srv/config/quorvel");
    EXPECT_EQ(UserConfigFolder(nullptr, "/home/ann"), "/home/ann/.config/quorvel");
    EXPECT_EQ(UserConfigFolder("", "/home/ann"), "/home/ann/.config/quorvel") << "empty counts as unset";
    EXPECT_EQ(UserConfigFolder("config", "/home/ann"), "/home/ann/.config/quorvel") << "a relative value is ignored";
    EXPECT_EQ(UserConfigFolder(nullptr, nullptr), "");
    EXPECT_EQ(UserConfigFolder(nullptr, "relative/home"), "");
    EXPECT_EQ(UserConfigFolder("/srv/config", nullptr), "/srv/config/quorvel");
}

TEST(UserIniLocation, BesideAWritableProgramElseInTheConfigurationFolderMadeWhenNeeded) {
    TemporaryFolder home;
    const std::filesystem::path config = home.Path() / ".config" / "quorvel";
    std::vector<std::string> asked;
    bool writable = true;
    const FolderWritableCheck check = [&](const std::string& folder) {
        asked.push_back(folder);
        return writable;
    };
    EXPECT_EQ(ChooseUserIniPath("/opt/quorvel", check, config.string()), "/opt/quorvel/user.ini");
    EXPECT_EQ(asked, (std::vector<std::string>{"/opt/quorvel"}));
    EXPECT_FALSE(std::filesystem::exists(config)) << "not made when unused";
    writable = false;
    for (int start = 0; start < 2; ++start)  // the second time the folder is there already
        EXPECT_EQ(ChooseUserIniPath("/opt/quorvel", check, config.string()), (config / "user.ini").string());

    EXPECT_TRUE(CanCreateFileIn(config.string()));
    EXPECT_TRUE(std::filesystem::is_empty(config)) << "the trial file is removed";
    EXPECT_FALSE(CanCreateFileIn((home.Path() / "missing").string()));
    EXPECT_FALSE(CanCreateFileIn("/proc")) << "not even root can create a file there";
}

TEST(StoredPlacement, AMinimizedOrMaximizedStateMaximizesAndZeroIsNormal) {
    UserSettings settings{0, 4000, 3000, 100, 200};
    for (const int state : {1, 2, 7}) {
        settings.WindowState = state;
        EXPECT_TRUE(PlacementFromSettings(settings).Maximized) << state;
    }
    settings.WindowState = 0;
    EXPECT_FALSE(PlacementFromSettings(settings).Maximized);
    EXPECT_EQ(PlacementFromSettings(settings).Geometry, (WindowRect{100, 200, 3000, 4000}));
}

TEST(StoredPlacement, TenRestartsThroughUserIniLeaveTheWindowWhereItWas) {
    test::TemporaryFolder folder;
    const std::string path = (folder.Path() / "user.ini").string();
    const FrameMargins openbox{1, 20, 1, 1};      // a title bar and thin borders
    const WindowRect placed{300, 200, 944, 560};  // the inside, pixels
    const double dpi = 96;
    WindowRect inside = placed;
    for (int start = 0; start < 10; ++start) {
        const WindowRect outer = OuterGeometry(inside, openbox);
        const UserSettings stored{0, PixelsToTwips(outer.Height, dpi), PixelsToTwips(outer.Width, dpi),
                                  PixelsToTwips(outer.Left, dpi), PixelsToTwips(outer.Top, dpi)};
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
        return SensiblePlacement(UserSettings{0, height, width, left, top}, screens, 6000, 4000);
    };
    EXPECT_TRUE(placement(0, 0, 0, 0).Maximized) << "an empty or unreadable file";
    EXPECT_TRUE(placement(0, 0, 795, 1200).Maximized) << "below the minimum size";
    EXPECT_TRUE(placement(0, 0, 14160, 491505).Maximized) << "taller than every screen";
    EXPECT_TRUE(placement(0, 0, 50000, 8400).Maximized) << "wider than both screens together";
    EXPECT_TRUE(placement(std::nan(""), 0, 14160, 8400).Maximized);
    EXPECT_EQ(placement(1500, 900, 14160, 8400).Geometry, (WindowRect{1500, 900, 14160, 8400}));
    EXPECT_EQ(placement(20000, 0, 30000, 8400).Geometry, (WindowRect{20000, 0, 30000, 8400})) << "across both screens";
    EXPECT_EQ(placement(1500, -300, 14160, 8400).Geometry, (WindowRect{1500, 0, 14160, 8400}))
        << "title bar brought back";
}

TEST(UnitList, ARememberedPositionTheListLacksSelectsTheFirstUnit) {
    EXPECT_EQ(UnitListIndex(2, 3), 1);
    EXPECT_EQ(UnitListIndex(3, 3), 2);
    EXPECT_EQ(UnitListIndex(4, 3), 0);
    EXPECT_EQ(UnitListIndex(0, 3), 0);
    EXPECT_EQ(UnitListIndex(-7, 3), 0);
    EXPECT_EQ(UnitListIndex(1, 0), -1);
}

// A maximized window on a screen of that size, its parts as the window measures them under
// openbox (title bar, menu bar, toolbar and status bar take 99 pixels of the height).
MainWindowSizes OnScreen(int width, int height) {
    return {.Width = width,
            .Height = height - 99,
            .SelectionWidth = 727,
            .SelectionHeight = 84,
            .SelectionLeastHeight = 164,
            .ListRowHeight = 14,
            .TableWidth = 937,
            .GridRowHeight = 17,
            .GridFrame = 20,
            .ChartWidth = 430,
            .ChartHeight = 350,
            .DockFrame = 25};
}

TEST(MainWindowLayout, TheGridKeepsFifteenRowsTheListEightAndTheChartShowsWholeOrNotAtAll) {
    // 1280x934: a chart below would leave the grid a row short.
    const std::vector<std::pair<int, int>> screens = {{1600, 1000}, {1250, 820}, {1024, 700},
                                                      {1280, 1024}, {1280, 934}, {800, 600}};
    for (const auto& [width, height] : screens) {
        const MainWindowSizes sizes = OnScreen(width, height);
        const MainWindowLayout layout = PlaceMainWindowParts(sizes);
        SCOPED_TRACE(std::to_string(width) + "x" + std::to_string(height));
        const int below = layout.Chart == ChartPlace::Below ? layout.ChartSize + sizes.DockFrame : 0;
        EXPECT_GE((sizes.Height - layout.SelectionHeight - below - sizes.GridFrame) / sizes.GridRowHeight, 15);
        EXPECT_GE(layout.SelectionHeight, sizes.SelectionHeight + layout.ListRows * sizes.ListRowHeight);
        EXPECT_TRUE(height < 1000 || layout.ListRows >= 8) << layout.ListRows;
        const int chartWidth = layout.Chart == ChartPlace::Beside ? layout.ChartSize : sizes.Width;
        const int chartHeight = layout.Chart == ChartPlace::Below ? layout.ChartSize : sizes.Height;
        EXPECT_TRUE(layout.Chart == ChartPlace::Hidden ||
                    (chartWidth >= sizes.ChartWidth && chartHeight >= sizes.ChartHeight));
        EXPECT_TRUE(layout.Chart != ChartPlace::Beside ||
                    sizes.Width - chartWidth - sizes.DockFrame >= sizes.TableWidth)
            << "the table whole beside the chart";
    }
    EXPECT_EQ(PlaceMainWindowParts(OnScreen(1600, 1000)).Chart, ChartPlace::Beside);
    EXPECT_EQ(PlaceMainWindowParts(OnScreen(1280, 1024)).Chart, ChartPlace::Below) << "too narrow beside";
    EXPECT_EQ(PlaceMainWindowParts(OnScreen(1250, 820)).Chart, ChartPlace::Hidden);
    EXPECT_EQ(PlaceMainWindowParts(OnScreen(1024, 700)).Chart, ChartPlace::Hidden);
}

// The tables made here with their records; the kind told by the file; a missing file says so.
TEST(SystemReport, NamesTheDatabaseItsKindItsTablesRecordsAndTheSettingsFile) {
    test::FixtureDatabase fixture;
    fixture.Execute("CREATE TABLE \"Two Rows\" (A TEXT)");
    fixture.Execute("CREATE TABLE None (A TEXT)");
    for (int i = 0; i < 2; ++i) fixture.Insert("Two Rows", {std::string("x")});
    const auto lines = [](const SystemReportFacts& facts) {
        std::vector<std::string> found;
        std::istringstream in(SystemReport(facts));
        for (std::string line; std::getline(in, line);) found.push_back(line);
        return found;
    };
    const auto has = [](const std::vector<std::string>& found, const std::string& line) {
        return std::find(found.begin(), found.end(), line) != found.end();
    };
    auto report = lines({"Quorvel Version 9", "6.9", fixture.Path(), "/home/u/.config/quorvel/user.ini"});
    for (const std::string& line : std::vector<std::string>{
             "Program: Quorvel Version 9", "Qt: 6.9", "Database: " + fixture.Path(), "Database kind: SQLite",
             "  Two Rows: 2", "  None: 0", "Settings file: /home/u/.config/quorvel/user.ini"})
        EXPECT_TRUE(has(report, line)) << line;

    report = lines({"", "", QUORVEL_ACCESS_FIXTURES "/fruit_V2000.mdb", ""});
    EXPECT_TRUE(has(report, "Database kind: Microsoft Access (read with mdbtools)"));
    report = lines({"", "", (fixture.Folder() / "missing.mdb").string(), ""});
    EXPECT_TRUE(std::any_of(report.begin(), report.end(), [](const std::string& line) {
        return line.starts_with("Tables: the database cannot be read") && line.find("missing.mdb") != std::string::npos;
    }));
    EXPECT_TRUE(report.back().starts_with("Settings file:")) << "the rest stands";
}

const std::vector<std::string> Entries = {
    "  1   Hydrogen        H-3         12.35 y      I/E ", "  6   Carbon          C-11        20.39 m      I/E ",
    "  6   Carbon          C-14        5700 y       I/E ", " 27   Cobalt          Co-57       271.7 d      I/E ",
    " 27   Cobalt          Co-60       5.271 y      I/E ", " 55   Cesium          Cs-137      30.0 y       I/E "};

// A prefix in either case selects the first nuclide it begins; one that begins none, none.
TEST(TypeAhead, ATypedPrefixSelectsTheFirstNuclideBeginningWithIt) {
    EXPECT_EQ(TypeAheadSelection(Entries, 0, "c"), 1);
    EXPECT_EQ(TypeAheadSelection(Entries, 1, "co"), 3);
    EXPECT_EQ(TypeAheadSelection(Entries, 3, "co-6"), 4);
    EXPECT_EQ(TypeAheadSelection(Entries, 4, "CS-137"), 5);
    EXPECT_EQ(TypeAheadSelection(Entries, 4, "xe"), -1);
    EXPECT_EQ(TypeAheadSelection(Entries, 4, "co-600"), -1) << "longer than any name";
    EXPECT_EQ(TypeAheadSelection(Entries, -1, ""), 0);
    EXPECT_EQ(TypeAheadSelection({}, -1, "h"), -1);
}

}  // namespace
}  // namespace quorvel
