#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

#include "FileSizeLimit.h"
#include "FixtureDatabase.h"
#include "UserSettings.h"

namespace quorvel {
namespace {

using test::TemporaryFolder;

std::string WriteFile(const TemporaryFolder& folder, const std::string& content) {
    const std::string path = (folder.Path() / "user.ini").string();
    std::ofstream(path, std::ios::binary) << content;
    return path;
}

TEST(UserSettingsFile, ReadsEachOfTheFourteenLinesWithBlanksAroundTheNumbers) {
    TemporaryFolder folder;
    const auto settings = ReadUserSettings(
        WriteFile(folder, " 0\r\n 6000 \r\n9000\r\n120.5\r\n-45\r\n1\r\n2\r\n3\r\n4\r\n 5\r\n6\r\n7\r\n8\r\n 9\r\n"));
    ASSERT_TRUE(settings.has_value());
    EXPECT_EQ(settings->WindowState, 0);
    EXPECT_EQ(settings->WindowHeight, 6000);
    EXPECT_EQ(settings->WindowWidth, 9000);
    EXPECT_EQ(settings->WindowLeft, 120.5);
    EXPECT_EQ(settings->WindowTop, -45);
    EXPECT_EQ(settings->SavedDoseUnit, (std::array<int, 5>{0, 1, 2, 3, 4}));
    EXPECT_EQ(settings->SavedRiskUnit, (std::array<int, 5>{0, 5, 6, 7, 8}));
    EXPECT_EQ(settings->CompactDatabase, 9) << "every line differs, so a line read from the wrong place shows";
}

TEST(UserSettingsFile, ValuesThatCannotBeReadStayZeroAndTheRestIsRead) {
    TemporaryFolder folder;
    // Lone LF line ends, words, an empty line and a file that stops after line 7.
    const auto settings = ReadUserSettings(WriteFile(folder, "2\nwide\n9000\n\n1e400\nthree\n2\n"));
    ASSERT_TRUE(settings.has_value());
    EXPECT_EQ(settings->WindowState, 2);
    EXPECT_EQ(settings->WindowHeight, 0);
    EXPECT_EQ(settings->WindowWidth, 9000);
    EXPECT_EQ(settings->WindowLeft, 0);
    EXPECT_EQ(settings->WindowTop, 0) << "beyond the range of a number";
    EXPECT_EQ(settings->SavedDoseUnit, (std::array<int, 5>{0, 0, 2, 0, 0}));
    EXPECT_EQ(settings->SavedRiskUnit, (std::array<int, 5>{}));
    EXPECT_EQ(settings->CompactDatabase, 0);
}

TEST(UserSettingsFile, WritesFourteenLinesEndedByCarriageReturnLineFeed) {
    TemporaryFolder folder;
    UserSettings settings;
    settings.WindowState = 2;
    settings.WindowHeight = 8400;
    settings.WindowWidth = 14160.25;
    settings.WindowLeft = -60;
    settings.WindowTop = 0;
    settings.SavedDoseUnit = {0, 3, 1, 0, 2};
    settings.SavedRiskUnit = {0, 2, 0, 0, 1};
    settings.CompactDatabase = 1;
    const std::string path = (folder.Path() / "user.ini").string();
    ASSERT_TRUE(WriteUserSettings(path, settings));
    EXPECT_EQ(test::ReadBytes(path), "2\r\n8400\r\n14160.25\r\n-60\r\n0\r\n3\r\n1\r\n0\r\n2\r\n2\r\n0\r\n0\r\n1\r\n1\r\n");
    EXPECT_EQ(ReadUserSettings(path), settings) << "what is written reads back the same";
}

TEST(UserSettingsFile, TheGeometryIsWrittenAsASingleAndAFolderIsNotAFile) {
    TemporaryFolder folder;
    UserSettings settings;
    settings.WindowHeight = 1.0 / 3.0;
    EXPECT_EQ(FormatUserSettings(settings).substr(0, 14), "0\r\n0.3333333\r\n");
    EXPECT_FALSE(WriteUserSettings(folder.Path().string(), settings));
    EXPECT_FALSE(WriteUserSettings((folder.Path() / "no-such-folder" / "user.ini").string(), settings));
}

TEST(UserSettingsFile, AWriteThatCannotFinishLeavesTheOldFileWhole) {
    TemporaryFolder folder;
    const std::string path = WriteFile(folder, "0\r\n1\r\n");
    UserSettings settings;
    settings.WindowWidth = 14160.25;
    {
        const test::FileSizeLimit fullDisk(8);
        EXPECT_FALSE(WriteUserSettings(path, settings));
    }
    EXPECT_EQ(test::ReadBytes(path), "0\r\n1\r\n");
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(folder.Path()), {}), 1);
}

}  // namespace
}  // namespace quorvel
