#include "UserIniLocation.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

#include "FilePermissionsApply.h"
#include "FixtureDatabase.h"

namespace quorvel {
namespace {

namespace fs = std::filesystem;
using test::TemporaryFolder;

// Answers as told and records the folders asked about.
struct FolderCheck {
    bool Writable = true;
    std::vector<std::string> Asked;
    FolderWritableCheck Check() {
        return [this](const std::string& folder) {
            Asked.push_back(folder);
            return Writable;
        };
    }
};

TEST(UserConfigFolderTest, FollowsXdgConfigHomeOrFallsBackToDotConfigInHome) {
    EXPECT_EQ(UserConfigFolder("/srv/config", "/home/ann"), "/srv/config/quorvel");
    EXPECT_EQ(UserConfigFolder(nullptr, "/home/ann"), "/home/ann/.config/quorvel");
    EXPECT_EQ(UserConfigFolder("", "/home/ann"), "/home/ann/.config/quorvel") << "empty counts as unset";
    EXPECT_EQ(UserConfigFolder("config", "/home/ann"), "/home/ann/.config/quorvel") << "a relative value is ignored";
    EXPECT_EQ(UserConfigFolder(nullptr, nullptr), "");
    EXPECT_EQ(UserConfigFolder(nullptr, "relative/home"), "");
    EXPECT_EQ(UserConfigFolder("/srv/config", nullptr), "/srv/config/quorvel");
}

TEST(ChooseUserIniPathTest, AWritableApplicationDirectoryKeepsUserIniBesideTheProgram) {
    TemporaryFolder config;
    FolderCheck check;
    EXPECT_EQ(ChooseUserIniPath("/opt/quorvel", check.Check(), (config.Path() / "quorvel").string()),
              "/opt/quorvel/user.ini");
    EXPECT_EQ(check.Asked, (std::vector<std::string>{"/opt/quorvel"}));
    EXPECT_FALSE(fs::exists(config.Path() / "quorvel")) << "the configuration folder is not made when unused";
}

TEST(ChooseUserIniPathTest, AReadOnlyApplicationDirectoryMovesUserIniToTheConfigurationFolderAndMakesIt) {
    TemporaryFolder home;
    const fs::path folder = home.Path() / ".config" / "quorvel";
    FolderCheck check;
    check.Writable = false;
    EXPECT_EQ(ChooseUserIniPath("/opt/quorvel", check.Check(), folder.string()), folder.string() + "/user.ini");
    EXPECT_TRUE(fs::is_directory(folder)) << "made with its parents";
    // A second time the folder is there already.
    EXPECT_EQ(ChooseUserIniPath("/opt/quorvel", check.Check(), folder.string()), folder.string() + "/user.ini");
}

TEST(CanCreateFileInTest, TriesAFileAndLeavesTheFolderAsItWas) {
    TemporaryFolder folder;
    EXPECT_TRUE(CanCreateFileIn(folder.Path().string()));
    EXPECT_TRUE(fs::is_empty(folder.Path())) << "the trial file is removed";
    EXPECT_FALSE(CanCreateFileIn((folder.Path() / "missing").string()));
    // Not even root can create files in /proc: a folder that is really not writable.
    EXPECT_FALSE(CanCreateFileIn("/proc"));
}

}  // namespace
}  // namespace quorvel
