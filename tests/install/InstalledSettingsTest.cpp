// Where user.ini goes, and the main window of an installed program, whose application
// directory is read-only.
#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <memory>
#include <string>
#include <vector>

#include "DesktopFakes.h"
#include "FixtureDatabase.h"
#include "UserIniLocation.h"
#include "frmPrimarySelectionForm.h"

namespace quorvel {
namespace {

namespace fs = std::filesystem;
using test::FixtureDatabase;
using test::RecordingDesktop;
using test::ReadBytes;
using test::TemporaryFolder;

class InstalledSettingsTest : public testing::Test {
protected:
    void SetUp() override {
        fixture_.CreateStartUpTables();
        ::setenv("XDG_CONFIG_HOME", config_.Path().c_str(), 1);
    }
    void TearDown() override { ::unsetenv("XDG_CONFIG_HOME"); }

    bool Start(bool applicationDirectoryWritable) {
        DesktopServices services = desktop_.Services(fixture_.Folder().string());
        const std::string applicationDirectory = fixture_.Folder().string();
        services.FolderWritable = [applicationDirectory, applicationDirectoryWritable](const std::string& folder) {
            return folder == applicationDirectory ? applicationDirectoryWritable : CanCreateFileIn(folder);
        };
        form_ = std::make_unique<frmPrimarySelectionForm>(services);
        return form_->Load();
    }
    fs::path BesideProgram() const { return fixture_.Folder() / "user.ini"; }
    fs::path InConfig() const { return config_.Path() / "quorvel" / "user.ini"; }

    FixtureDatabase fixture_;
    TemporaryFolder config_;
    RecordingDesktop desktop_;
    std::unique_ptr<frmPrimarySelectionForm> form_;
};

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

TEST_F(InstalledSettingsTest, AReadOnlyApplicationDirectoryKeepsTheSettingsInTheConfigurationFolder) {
    ASSERT_TRUE(Start(false));
    EXPECT_TRUE(form_->isMaximized()) << "first run: no settings yet";
    form_->close();
    EXPECT_FALSE(fs::exists(BesideProgram()));
    EXPECT_EQ(ReadBytes(InConfig()).substr(0, 3), "2\r\n") << "maximized";

    // The next start reads what the last one wrote there.
    std::ofstream(InConfig(), std::ios::binary) << "0\r\n8100\r\n11700\r\n1440\r\n720\r\n0\r\n0\r\n0\r\n0\r\n0\r\n0\r\n0\r\n0\r\n1\r\n";
    form_.reset();
    ASSERT_TRUE(Start(false));
    EXPECT_FALSE(form_->isMaximized());
    EXPECT_TRUE(form_->findChild<QCheckBox*>("chkCompactDatabase")->isChecked());
    form_->findChild<QCheckBox*>("chkCompactDatabase")->setChecked(false);
    form_->close();
    // The first request (ingestion risk) remembered its unit; the check box is off now.
    EXPECT_EQ(ReadBytes(InConfig()), "0\r\n8100\r\n11700\r\n1440\r\n720\r\n0\r\n0\r\n0\r\n0\r\n1\r\n0\r\n0\r\n0\r\n0\r\n");
    EXPECT_TRUE(desktop_.Prompt.Messages.empty() && desktop_.Prompt.Questions.empty());
}

TEST_F(InstalledSettingsTest, CompactingInAReadOnlyFolderSaysItCannotAndLeavesTheDatabase) {
    ASSERT_TRUE(Start(false));
    const std::string before = ReadBytes(fixture_.Path());
    form_->findChild<QAction*>("Tools_CompactDatabase")->trigger();
    EXPECT_EQ(form_->StatusText(),
              "Cannot compact the database: its folder " + fixture_.Folder().string() + " is read-only.");
    EXPECT_EQ(ReadBytes(fixture_.Path()), before);
    EXPECT_FALSE(fs::exists(fixture_.Folder() / "temp.001"));
    EXPECT_TRUE(desktop_.Prompt.Messages.empty() && desktop_.Prompt.Questions.empty());
}

}  // namespace
}  // namespace quorvel
