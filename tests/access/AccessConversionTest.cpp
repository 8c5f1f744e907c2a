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
using test::ReadFileBytes;
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
    EXPECT_EQ(TableText(copy, "Veggie Salad"), "fruit,\n'Avocado',\n'Carrots',\n'Pepper, Red Bell',\n'Tomato',");

    const std::string jet3 = (folder.Path() / "jet3.sqlite").string();
    EXPECT_EQ(RunViewer({"--convert", AccessFixture("data_V1997_test.mdb"), jet3}).Code, ExitTable);
    EXPECT_EQ(TableText(*OpenDatabase(jet3), "Table1"),
              "A,B,C,D,E,F,G,H,I,\n'a','b',0,0,0,0,'12/12/1981',0,'False',\n"
              "'abcdefg','hijklmnop',2,222,333333333,444.555,'9/21/1974',3.5,'True',");
}

TEST(ConvertAccessDatabase, AnExistingTargetOrAFileThatIsNotAccessIsRefused) {
    test::TemporaryFolder folder;
    const std::string out = (folder.Path() / "out.sqlite").string();
    test::WriteFileBytes(out, "keep me");
    const test::ViewerRun existing = RunViewer({"--convert", AccessFixture("fruit_V2000.mdb"), out});
    EXPECT_EQ(existing.Code, ExitBadUsage);
    EXPECT_EQ(existing.Out, "");
    EXPECT_EQ(existing.Err, "quorvel-cli: --convert: " + out + " already exists; remove it first or name another file.\n");
    EXPECT_EQ(ReadFileBytes(out), "keep me");

    test::FixtureDatabase sqlite;
    sqlite.CreateStandardAgeUnits();
    const std::string target = (folder.Path() / "new.sqlite").string();
    const test::ViewerRun notAccess = RunViewer({"--convert", sqlite.Path(), target});
    EXPECT_EQ(notAccess.Code, ExitDatabaseError);
    EXPECT_EQ(notAccess.Err, "quorvel-cli: " + sqlite.Path() + " is not a Microsoft Access database.\n");
    EXPECT_FALSE(std::filesystem::exists(target));
}

TEST(ConvertAccessDatabase, TheBuildersAnswerOnAConvertedFileAsOnTheShippedLayout) {
    test::FixtureDatabase fixture;
    fixture.CreateStartUpTables();
    for (std::int64_t id = 1; id <= 6; ++id) {
        test::DoseRecord record;
        record.Nuclide = "Co-60";
        record.Header = "Co-60, Ingestion";
        record.Subtitle = "f1 = 0.1";
        record.Age = std::vector<double>{100, 365, 1825, 3650, 5475, 7300}[static_cast<std::size_t>(id - 1)];
        record.Coefficients = {{1, 1.5e-9 * static_cast<double>(id)}, {25, 3.4e-9}};
        record.Id = id;
        fixture.AddDoseRecord("Fgr13ingGDB", record);
    }
    test::TemporaryFolder folder;
    const std::string converted = (folder.Path() / "converted.sqlite").string();
    ASSERT_EQ(RunViewer({"--convert", AccessFixture("fruit_V2000.mdb"), converted}).Code, ExitTable);
    {
        SqliteDatabase writable(converted, SqliteDatabase::Mode::ReadWrite);
        writable.Execute("ATTACH DATABASE ? AS fixture", {fixture.Path()});
        Recordset tables = writable.OpenQuery("SELECT name, sql FROM fixture.sqlite_master WHERE type = 'table'");
        for (; !tables.IsEOF(); tables.MoveNext()) {
            writable.Execute(tables.Field(1).Text());
            writable.Execute("INSERT INTO main." + QuoteIdentifier(tables.Field(0).Text()) + " SELECT * FROM fixture." +
                             QuoteIdentifier(tables.Field(0).Text()));
        }
    }
    const auto buildIngestion = [](const std::string& path) {
        const AgeGroups ages = ReadAgeUnits(*OpenDatabase(path));
        FlexGrid grid;
        NoBusyPointer pointer;
        DispatchCoefficientRequest(path, {"Co-60", DoseCoefficients, IngestionPathway, SubmersionGeometry, 1}, grid,
                                   {1, "Sv/Bq"}, ages, 1, pointer);
        return FormatGridAsCommaSeparatedText(grid);
    };
    const std::string expected = buildIngestion(fixture.Path());
    EXPECT_NE(expected.find("1.50E-09"), std::string::npos) << expected;
    EXPECT_EQ(buildIngestion(converted), expected);
    EXPECT_EQ(OpenDatabase(converted)->OpenTable("Fruit").RecordCount(), 37) << "the Access tables are still there";
}

}  // namespace
}  // namespace quorvel
