// quorvel-cli --convert: the SQLite copy of an Access file, its refusals, and a request
// through the builders on a converted file. No Access file with coefficient tables exists to
// test with (and no Access writer to make one), so the builders are run on a converted file
// to which the coefficient tables of an SQLite fixture are added.

#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

#include "AccessTestFiles.h"
#include "CoefficientDispatcher.h"
#include "Database.h"
#include "FixtureDatabase.h"
#include "FlexGrid.h"
#include "GridText.h"
#include "SqliteDatabase.h"
#include "StartUpReaders.h"
#include "ViewerRun.h"

namespace quorvel {
namespace {

using test::AccessFixture;
using test::ReadBytes;
using test::RunViewer;

std::string TableText(Database& database, const std::string& table) {
    Recordset records = database.OpenTable(table);
    std::string text;
    for (int i = 0; i < records.FieldCount(); ++i) text += records.FieldName(i) + ",";
    for (; !records.IsEOF(); records.MoveNext()) {
        text += "\n";
        for (int i = 0; i < records.FieldCount(); ++i) text += test::ValueText(records.Field(i)) + ",";
    }
    return text;
}

TEST(ConvertAccessDatabase, TheSqliteCopyHoldsTheSameTablesAndValues) {
    test::TemporaryFolder folder;
    const std::string out = (folder.Path() / "fruit.sqlite").string();
    const test::ViewerRun result = RunViewer({"--convert", AccessFixture("fruit_V2000.mdb"), out});
    EXPECT_EQ(result.Code, ExitTable) << result.Err;
    EXPECT_EQ(result.Out, "Wrote 5 tables with 84 records to " + out + ".\n");
    EXPECT_EQ(result.Err, "");

    auto access = OpenDatabase(AccessFixture("fruit_V2000.mdb"));
    SqliteDatabase copy(out, SqliteDatabase::Mode::ReadOnly);
    for (const char* table : {"Fruit", "Fruit Salad", "Veggie Salad", "Muffin/Bread", "Dried"})
        EXPECT_EQ(TableText(copy, table), TableText(*access, table)) << table;
}

TEST(ConvertAccessDatabase, AnExistingTargetOrAFileThatIsNotAccessIsRefused) {
    test::TemporaryFolder folder;
    const std::string out = (folder.Path() / "out.sqlite").string();
    test::WriteBytes(out, "keep me");
    const test::ViewerRun existing = RunViewer({"--convert", AccessFixture("fruit_V2000.mdb"), out});
    EXPECT_EQ(existing.Code, ExitBadUsage);
    EXPECT_EQ(existing.Out, "");
    EXPECT_EQ(existing.Err, "quorvel-cli: --convert: " + out + " already exists; remove it first or name another file.\n");
    EXPECT_EQ(ReadBytes(out), "keep me");

    test::FixtureDatabase sqlite;
    sqlite.CreateStandardAgeUnits();
    const std::string target = (folder.Path() / "new.sqlite").string();
    const test::ViewerRun notAccess = RunViewer({"--convert", sqlite.Path(), target});
    EXPECT_EQ(notAccess.Code, ExitDatabaseError);
    EXPECT_EQ(notAccess.Err, "quorvel-cli: " + sqlite.Path() + " is not a Microsoft Access database.\n");
    EXPECT_FALSE(std::filesystem::exists(target));
}

}  // namespace
}  // namespace quorvel
