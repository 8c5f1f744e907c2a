// Names a user can type and database files a user can have: every one gives a table, the
// empty result or a clear message, never a crash, and nothing is written to the database.

#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>
#include <random>

#include "CoefficientDispatcher.h"
#include "FilePermissionsApply.h"
#include "FixtureDatabase.h"
#include "ViewerRun.h"

namespace quorvel {
namespace {

namespace fs = std::filesystem;
using test::ReadBytes;
using test::WriteBytes;

fs::path ShippedDatabase() { return fs::path(QUORVEL_APPLICATION_DIRECTORY) / "DoseAndRisk.mdb"; }

// Quotes, SQL fragments, wildcards, control characters, invalid UTF-8, very long names and
// near-misses of real names, drawn from a fixed seed so that a failure can be repeated.
std::vector<std::string> GeneratedNames(std::size_t count) {
    const std::vector<std::string> pieces = {"'",
                                             "''",
                                             "\"",
                                             "Co-60",
                                             "Cs-137",
                                             "cs-137 ",
                                             " Pu-239",
                                             "%",
                                             "_",
                                             "%60",
                                             "C_-60",
                                             "*",
                                             "?",
                                             "[",
                                             "]",
                                             "' OR '1'='1",
                                             "'); DROP TABLE Nuke2; --",
                                             ") Or (1=1",
                                             "; VACUUM;",
                                             "\\",
                                             "\t",
                                             "\r\n",
                                             std::string(1, '\0'),
                                             "\x01",
                                             "\x7f",
                                             "\xff",
                                             "\xc3\x28",
                                             "\xe2\x80\x93",
                                             "\xf0\x9f\x98\x80",
                                             "Nlet",
                                             "ID"};
    std::mt19937 random(20261206);
    std::vector<std::string> names;
    names.reserve(count);
    for (std::size_t i = 0; i < count; ++i) {
        std::string name;
        const int parts = 1 + static_cast<int>(random() % 4);
        for (int p = 0; p < parts; ++p) name += pieces[random() % pieces.size()];
        if (i % 100 == 7) name = std::string(10 * 1024, 'A') + name;
        names.push_back(std::move(name));
    }
    return names;
}

TEST(HostileInput, AThousandTypedNamesGiveTablesOrTheEmptyResultAndLeaveTheDatabaseAsItWas) {
    ASSERT_TRUE(fs::exists(ShippedDatabase()));
    test::TemporaryFolder folder;
    const fs::path database = folder.Path() / "DoseAndRisk.mdb";
    fs::copy_file(ShippedDatabase(), database);
    const std::string before = ReadBytes(database);

    NoBusyPointer pointer;
    int tables = 0;
    {
        DatabaseSession session(database.string());
        for (const std::string& name : GeneratedNames(1000))
            for (const TableKind& kind : AllTableKinds()) {
                FlexGrid grid;
                ASSERT_NO_THROW(DispatchCoefficientRequest(session, {name, kind}, grid, pointer)) << name.substr(0, 60);
                tables += grid.TextMatrix(1, 0) != "(None Available)";
            }
    }
    EXPECT_GT(tables, 0) << "plain real names among the generated ones find their tables";
    EXPECT_EQ(ReadBytes(database), before);
}

// The viewer on a file it must refuse: exit code 1, one line of message, the file as it was.
void ExpectRefused(const fs::path& database, const std::string& what) {
    SCOPED_TRACE(what);
    const bool existed = fs::exists(database);
    const bool file = existed && fs::is_regular_file(database);
    const std::string before = file ? ReadBytes(database) : "";
    test::ExpectOneLineFailure(test::RunViewer({"--database=" + database.string()}), ExitDatabaseError);
    EXPECT_EQ(fs::exists(database), existed);
    if (file) {
        EXPECT_EQ(ReadBytes(database), before);
    }
}

TEST(DamagedDatabase, EveryDamagedFileIsRefusedWithAMessageAndLeftAsItWas) {
    ASSERT_TRUE(fs::exists(ShippedDatabase()));
    const std::string shipped = ReadBytes(ShippedDatabase());
    test::TemporaryFolder folder;

    WriteBytes(folder.Path() / "empty.mdb", "");
    ExpectRefused(folder.Path() / "empty.mdb", "zero length");

    for (std::size_t length : {std::size_t{50}, std::size_t{100}, std::size_t{4096}, std::size_t{8192},
                               shipped.size() / 3, shipped.size() / 2, shipped.size() - 4096}) {
        const fs::path truncated = folder.Path() / ("truncated-" + std::to_string(length) + ".mdb");
        WriteBytes(truncated, shipped.substr(0, length));
        ExpectRefused(truncated, "truncated at " + std::to_string(length));
    }

    std::mt19937 random(7);
    std::string noise(64 * 1024, '\0');
    for (char& c : noise) c = static_cast<char>(random());
    WriteBytes(folder.Path() / "noise.mdb", noise);
    ExpectRefused(folder.Path() / "noise.mdb", "random bytes");

    std::string scrambled = shipped;
    for (std::size_t i = 100; i < scrambled.size(); i += 997) scrambled[i] = static_cast<char>(scrambled[i] ^ 0x5a);
    WriteBytes(folder.Path() / "scrambled.mdb", scrambled);
    const int scrambledCode = test::RunViewer({"--database=" + (folder.Path() / "scrambled.mdb").string()}).Code;
    EXPECT_TRUE(scrambledCode == ExitTable || scrambledCode == ExitDatabaseError) << "never a crash";

    fs::create_directory(folder.Path() / "folder.mdb");
    ExpectRefused(folder.Path() / "folder.mdb", "a directory");
    ExpectRefused(folder.Path() / "missing.mdb", "a missing file");

    test::FixtureDatabase withoutTables;
    withoutTables.Execute("CREATE TABLE Other (A)");
    ExpectRefused(withoutTables.Path(), "an SQLite file without the tables");
}

}  // namespace
}  // namespace quorvel
