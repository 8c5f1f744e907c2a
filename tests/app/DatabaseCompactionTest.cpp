#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>

#include "Database.h"
#include "DatabaseCompaction.h"
#include "DesktopFakes.h"
#include "FixtureDatabase.h"
#include "StartUpReaders.h"

namespace quorvel {
namespace {

namespace fs = std::filesystem;
using test::FixtureDatabase;
using test::ReadBytes;
using test::RecordingBusyPointer;
using test::RecordingStatus;
using test::TemporaryFolder;

const std::vector<std::string> AllStatusTexts = {"Creating temp file . . .", "Compacting Database . . .",
                                                 "DONE Compacting Database . . .", ""};

// Runs with the current directory in a folder of its own, as the program's would be.
class CompactionTest : public testing::Test {
protected:
    void SetUp() override {
        previous_ = fs::current_path();
        fs::current_path(workingFolder_.Path());
        fixture_.CreateStartUpTables();
        // Rows written and removed again leave free pages for the compaction to drop.
        fixture_.Execute("CREATE TABLE Filler (Text TEXT)");
        for (int i = 0; i < 200; ++i) fixture_.Execute("INSERT INTO Filler VALUES (printf('%.2000c', 'x'))");
        fixture_.Execute("DELETE FROM Filler");
    }
    void TearDown() override { fs::current_path(previous_); }

    fs::path previous_;
    TemporaryFolder workingFolder_;
    FixtureDatabase fixture_;
    RecordingStatus status_;
    RecordingBusyPointer busy_;
};

TEST_F(CompactionTest, TheCompactedDatabaseIsSmallerReadsAsBeforeAndNoTempFileIsLeft) {
    EXPECT_EQ(CompactionTempPath(fixture_.Path()), (fs::path(fixture_.Path()).parent_path() / "temp.001").string());
    std::ofstream(workingFolder_.Path() / "temp.001") << "left over from an earlier run";
    std::ofstream(CompactionTempPath(fixture_.Path())) << "left over beside the database";
    const auto before = fs::file_size(fixture_.Path());
    EXPECT_TRUE(CompactDatabase(fixture_.Path(), status_, busy_));
    EXPECT_LT(fs::file_size(fixture_.Path()), before);
    EXPECT_EQ(status_.Texts, AllStatusTexts);
    EXPECT_EQ(busy_.Shown, 1);
    EXPECT_EQ(busy_.Depth, 0);
    EXPECT_FALSE(fs::exists(CompactionTempPath(fixture_.Path())));
    EXPECT_FALSE(fs::exists(workingFolder_.Path() / "temp.001"));

    auto database = OpenDatabase(fixture_.Path());
    EXPECT_EQ(ReadAgeUnits(*database).AgeGroupNames,
              (std::vector<std::string>{"3 Months", "1 Year", "5 Years", "10 Years", "15 Years", "Adult"}));
    EXPECT_EQ(database->OpenTable("Nuke2").RecordCount(), 3);
}

class FailAt : public CompactionFaults {
public:
    explicit FailAt(CompactionStep step) : step_(step) {}
    void BeforeStep(CompactionStep step) override {
        if (step == step_) throw std::runtime_error("injected failure");
    }

private:
    CompactionStep step_;
};

TEST_F(CompactionTest, AFailureAtAnyStepLeavesTheDatabaseAsItWasAndNoCopyBehind) {
    for (const CompactionStep step :
         {CompactionStep::WriteCompactedCopy, CompactionStep::CheckCompactedCopy, CompactionStep::ReplaceDatabase}) {
        SCOPED_TRACE(static_cast<int>(step));
        const std::string before = ReadBytes(fixture_.Path());
        RecordingStatus status;
        FailAt faults(step);
        EXPECT_FALSE(CompactDatabase(fixture_.Path(), status, busy_, &faults));
        EXPECT_EQ(ReadBytes(fixture_.Path()), before);
        EXPECT_FALSE(fs::exists(CompactionTempPath(fixture_.Path())));
        EXPECT_EQ(status.Texts.back(), "");
        EXPECT_EQ(status.Texts[status.Texts.size() - 2], "DONE Compacting Database . . .");
        EXPECT_EQ(busy_.Depth, 0);
        auto database = OpenDatabase(fixture_.Path());
        EXPECT_EQ(ReadAgeUnits(*database).AgeGroupCount(), 6);
    }
}

TEST_F(CompactionTest, OnlySqliteDatabasesAreCompacted) {
    const fs::path access = workingFolder_.Path() / "DoseAndRisk.mdb";
    const std::string jet = std::string("\0\1\0\0Standard Jet DB\0", 20) + std::string(2000, '\0');
    std::ofstream(access, std::ios::binary) << jet;
    EXPECT_FALSE(IsCompactableDatabase(access.string()));
    EXPECT_FALSE(CompactDatabase(access.string(), status_, busy_));
    EXPECT_EQ(ReadBytes(access), jet);
    EXPECT_EQ(status_.Texts,
              (std::vector<std::string>{"Creating temp file . . .", "DONE Compacting Database . . .", ""}));

    const fs::path missing = workingFolder_.Path() / "missing.mdb";
    EXPECT_FALSE(CompactDatabase(missing.string(), status_, busy_));
    EXPECT_FALSE(fs::exists(missing));
}

}  // namespace
}  // namespace quorvel
