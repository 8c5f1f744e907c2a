// Access files: read through OpenDatabase (tables, fields, records and values of every
// fixture, format detection, damaged files) and converted by quorvel-cli --convert to an
// SQLite copy.

#include <filesystem>
#include <gtest/gtest.h>
#include <string>
#include <vector>

#include "AccessDateText.h"
#include "AccessReader.h"
#include "Database.h"
#include "DatabaseError.h"
#include "DatabaseFormat.h"
#include "FixtureDatabase.h"
#include "SqliteDatabase.h"
#include "StartUpReaders.h"
#include "ViewerRun.h"

namespace quorvel {
namespace {

using test::ReadBytes;
using test::RunViewer;
using test::WriteBytes;

std::string AccessFixture(const std::string& name) { return std::string(QUORVEL_ACCESS_FIXTURES) + "/" + name; }

std::vector<std::string> UserTables(Database& database) {
    Recordset names = database.OpenQuery("SELECT name FROM sqlite_master WHERE type = 'table' ORDER BY rowid");
    std::vector<std::string> tables;
    for (; !names.IsEOF(); names.MoveNext()) tables.push_back(names.Field(0).Text());
    return tables;
}

std::vector<std::string> FieldNames(const Recordset& records) {
    std::vector<std::string> names;
    for (int i = 0; i < records.FieldCount(); ++i) names.push_back(records.FieldName(i));
    return names;
}

// A record as "'text'|12|0.5|<Null>": texts in quotes, so that types show.
std::string RecordText(const Recordset& records) {
    std::string text;
    for (int i = 0; i < records.FieldCount(); ++i) {
        const FieldValue& value = records.Field(i);
        text += (i > 0 ? "|" : "") + (value.IsNull()   ? "<Null>"
                                      : value.IsText() ? "'" + value.Text() + "'"
                                                       : value.Text());
    }
    return text;
}

// The field names, then a line per record.
std::string TableText(Database& database, const std::string& table) {
    Recordset records = database.OpenTable(table);
    std::string text;
    for (const auto& name : FieldNames(records)) text += name + ",";
    for (; !records.IsEOF(); records.MoveNext()) text += "\n" + RecordText(records);
    return text;
}

TEST(DatabaseFormat, IsToldByContentNotByName) {
    test::TemporaryFolder folder;
    EXPECT_EQ(DetectDatabaseFormat(AccessFixture("data_V1997_test.mdb")), DatabaseFormat::Access);
    EXPECT_EQ(DetectDatabaseFormat(AccessFixture("data_V2010_numeric.accdb")), DatabaseFormat::Access);

    test::FixtureDatabase sqlite;
    sqlite.CreateStandardAgeUnits();
    EXPECT_EQ(DetectDatabaseFormat(sqlite.Path()), DatabaseFormat::Sqlite) << "named DoseAndRisk.mdb, holds SQLite";

    WriteBytes(folder.Path() / "empty.mdb", "");
    EXPECT_EQ(DetectDatabaseFormat((folder.Path() / "empty.mdb").string()), DatabaseFormat::Sqlite);
    WriteBytes(folder.Path() / "text.mdb", "Standard Jet DB, but not at the start");
    EXPECT_EQ(DetectDatabaseFormat((folder.Path() / "text.mdb").string()), DatabaseFormat::Unknown);
    EXPECT_EQ(DetectDatabaseFormat((folder.Path() / "missing.mdb").string()), DatabaseFormat::Unknown);
    EXPECT_EQ(DetectDatabaseFormat(folder.Path().string()), DatabaseFormat::Unknown);
}

// Found by fuzzing (the sanitizer run reports the leak): a table whose column definitions
// cannot be read is an error, and its definition is freed.
TEST(AccessDatabase, DamagedColumnDefinitionsAreAnErrorWithoutALeak) {
    EXPECT_THROW(ReadAccessDatabase(AccessFixture("../access-damaged/damaged-column-definitions.mdb")), DatabaseError);
}

TEST(AccessDatabase, Jet3TablesFieldsAndValuesOfEveryType) {
    auto database = OpenDatabase(AccessFixture("data_V1997_test.mdb"));
    EXPECT_EQ(UserTables(*database), (std::vector<std::string>{"Table1", "Table2", "Table3", "Table4"}));
    Recordset table1 = database->OpenTable("Table1");
    EXPECT_EQ(FieldNames(table1), (std::vector<std::string>{"A", "B", "C", "D", "E", "F", "G", "H", "I"}));
    ASSERT_EQ(table1.RecordCount(), 2);
    // Text, text, byte, integer, long, double, date, currency, Yes/No.
    EXPECT_EQ(RecordText(table1), "'a'|'b'|0|0|0|0|'12/12/1981'|0|'False'");
    table1.MoveNext();
    EXPECT_EQ(RecordText(table1), "'abcdefg'|'hijklmnop'|2|222|333333333|444.555|'9/21/1974'|3.5|'True'");
    EXPECT_FALSE(table1.Field("C").IsText());
    EXPECT_DOUBLE_EQ(table1.Field("H").Number(), 3.5);

    EXPECT_EQ(database->OpenTable("Table2").FieldCount(), 89);
}

TEST(AccessDatabase, Jet4TablesInStoredOrderWithNullsApartFromZero) {
    auto database = OpenDatabase(AccessFixture("fruit_V2000.mdb"));
    EXPECT_EQ(UserTables(*database),
              (std::vector<std::string>{"Fruit", "Fruit Salad", "Veggie Salad", "Muffin/Bread", "Dried"}));
    Recordset fruit = database->OpenTable("Fruit");
    EXPECT_EQ(FieldNames(fruit), (std::vector<std::string>{"Fruit", "Fiber", "Fat", "Protien", "Sugar", "Vit A",
                                                           "Vit C", "Vit B1", "Vit B2", "Vit B6", "Vit E"}));
    EXPECT_EQ(fruit.RecordCount(), 37);
    EXPECT_EQ(RecordText(fruit), "'Apple'|2|0|0|12|2|15|0|0|0|0");
    for (int i = 0; i < 10; ++i) fruit.MoveNext();
    EXPECT_EQ(fruit.Field("Vit B6").Text(), "0");
    EXPECT_TRUE(fruit.Field("Vit E").IsNull()) << RecordText(fruit);
    Recordset veggies = database->OpenTable("Veggie Salad");
    std::string order;
    for (; !veggies.IsEOF(); veggies.MoveNext()) order += veggies.Field(0).Text() + ";";
    EXPECT_EQ(order, "Avocado;Carrots;Pepper, Red Bell;Tomato;");

    // The same SQL as on SQLite, with texts compared without regard to case as the engine does.
    Recordset apple = database->OpenQuery("SELECT * FROM Fruit WHERE Fruit = ?", {std::string("aPPLE")});
    ASSERT_EQ(apple.RecordCount(), 1);
    EXPECT_EQ(apple.Field("Sugar").Text(), "12");
}

TEST(AccessDatabase, ReadingLeavesEveryFileByteForByteAsItWas) {
    for (const auto& entry : std::filesystem::directory_iterator(QUORVEL_ACCESS_FIXTURES)) {
        if (entry.path().extension() == ".md") continue;
        const std::string before = ReadBytes(entry.path().string());
        const auto modified = std::filesystem::last_write_time(entry.path());
        auto database = OpenDatabase(entry.path().string());
        EXPECT_EQ(ReadBytes(entry.path().string()), before) << entry.path();
        EXPECT_EQ(std::filesystem::last_write_time(entry.path()), modified) << entry.path();
    }
}

TEST(AccessDatabase, TruncatedAndDamagedFilesAreClearErrors) {
    test::TemporaryFolder folder;
    const std::string fruit = ReadBytes(AccessFixture("fruit_V2000.mdb"));
    const auto expectFailure = [&](const std::string& bytes, const std::string& cause) {
        const auto path = (folder.Path() / "damaged.mdb").string();
        WriteBytes(path, bytes);
        try {
            ReadAccessDatabase(path);
            ADD_FAILURE() << "read without error: " << cause;
        } catch (const DatabaseError& e) {
            EXPECT_EQ(std::string(e.what()), "Cannot open the database " + path + ": " + cause);
        }
    };
    expectFailure(fruit.substr(0, 10000), "the file is truncated");
    expectFailure(fruit.substr(0, 32768), "its table catalog is incomplete");
    expectFailure(fruit.substr(0, 204800), "only 0 of the 4 records of Veggie Salad could be read");
    std::string zeroed = fruit;
    std::fill(zeroed.begin() + 53 * 4096, zeroed.begin() + 54 * 4096, '\0');
    expectFailure(zeroed, "the definition of the table Muffin/Bread is damaged");

    // Every page cut off or overwritten: an error or a whole reading, never a crash or a hang.
    for (std::size_t page = 1; page < fruit.size() / 4096; ++page) {
        std::string damaged = fruit;
        for (std::size_t i = page * 4096; i < (page + 1) * 4096; ++i) damaged[i] = static_cast<char>(i * 7919 % 251);
        for (const std::string& bytes : {fruit.substr(0, page * 4096), damaged}) {
            const auto path = (folder.Path() / "sweep.mdb").string();
            WriteBytes(path, bytes);
            try {
                ReadAccessDatabase(path);
            } catch (const DatabaseError& e) {
                EXPECT_NE(std::string(e.what()).find(path), std::string::npos);
            }
        }
    }
}

TEST(FormatAccessDate, GeneralDateWithUsSettings) {
    EXPECT_EQ(FormatAccessDate(0), "12:00:00 AM");
    EXPECT_EQ(FormatAccessDate(29932), "12/12/1981");
    EXPECT_EQ(FormatAccessDate(38061.5451388889), "3/15/2004 1:05:00 PM");
    EXPECT_EQ(FormatAccessDate(0.75), "6:00:00 PM");
    EXPECT_EQ(FormatAccessDate(-1.25), "12/29/1899 6:00:00 AM");
    EXPECT_EQ(FormatAccessDate(36526.999999), "1/2/2000");
    EXPECT_EQ(FormatAccessDate(2958465), "12/31/9999");
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
    EXPECT_EQ(existing.Err,
              "quorvel-cli: --convert: " + out + " already exists; remove it first or name another file.\n");
    EXPECT_EQ(ReadBytes(out), "keep me");

    test::FixtureDatabase sqlite;
    sqlite.CreateStandardAgeUnits();
    const std::string target = (folder.Path() / "new.sqlite").string();
    // An SQLite file, as the shipped database is, is no Access file: the message says which it is.
    const test::ViewerRun notAccess = RunViewer({"--convert", sqlite.Path(), target});
    EXPECT_EQ(notAccess.Code, ExitBadUsage);
    EXPECT_TRUE(notAccess.Err.starts_with("quorvel-cli: --convert: " + sqlite.Path() + " is an SQLite database"))
        << notAccess.Err;
    EXPECT_FALSE(std::filesystem::exists(target));
}

}  // namespace
}  // namespace quorvel
