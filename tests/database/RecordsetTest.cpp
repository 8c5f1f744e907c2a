#include <gtest/gtest.h>

#include <fstream>

#include "Database.h"
#include "DatabaseError.h"
#include "FixtureDatabase.h"

namespace quorvel {
namespace {

using test::FixtureDatabase;

Recordset TwoRecords() {
    return Recordset({"Nuclide", "Value"}, {{FieldValue("Co-60"), FieldValue(1.5)}, {FieldValue("Cs-137"), FieldValue()}});
}

TEST(Recordset, MovesFromTheFirstRecordToTheEnd) {
    Recordset records = TwoRecords();
    EXPECT_FALSE(records.IsEOF());
    EXPECT_EQ(records.Field("Nuclide").Text(), "Co-60");
    records.MoveNext();
    EXPECT_EQ(records.Field(0).Text(), "Cs-137");
    EXPECT_TRUE(records.Field("value").IsNull()) << "field names compare without regard to case";
    records.MoveNext();
    EXPECT_TRUE(records.IsEOF());
    EXPECT_THROW(records.Field(0), DatabaseError);
    EXPECT_THROW(records.MoveNext(), DatabaseError);
    records.MoveLast();
    EXPECT_EQ(records.Field(0).Text(), "Cs-137");
    records.MoveFirst();
    EXPECT_EQ(records.Field(0).Text(), "Co-60");
}

TEST(SqliteDatabase, QueriesBindTheirParameters) {
    FixtureDatabase fixture;
    fixture.Execute("CREATE TABLE T (Nuclide TEXT, ID INTEGER)");
    fixture.Insert("T", {"O'Brien-1", std::int64_t{3}});
    fixture.Insert("T", {"Co-60", std::int64_t{1}});
    fixture.Insert("T", {"x' OR '1'='1", std::int64_t{2}});

    auto database = OpenDatabase(fixture.Path());
    Recordset quoted = database->OpenQuery("SELECT * FROM T WHERE Nuclide = ? ORDER BY ID", {std::string("O'Brien-1")});
    ASSERT_EQ(quoted.RecordCount(), 1);
    EXPECT_EQ(quoted.Field("ID").Text(), "3");

    Recordset injected = database->OpenQuery("SELECT * FROM T WHERE Nuclide = ?", {std::string("' OR '1'='1")});
    EXPECT_EQ(injected.RecordCount(), 0);
    EXPECT_THROW(database->OpenQuery("SELECT * FROM T WHERE Nuclide = ?", {}), DatabaseError);
}

TEST(SqliteDatabase, NamesWithBlanksAndSlashesAreReadAsTables) {
    FixtureDatabase fixture;
    fixture.Execute(R"(CREATE TABLE "Age Units" ("T1/2" TEXT))");
    fixture.Insert("Age Units", {"30 y"});
    auto database = OpenDatabase(fixture.Path());
    EXPECT_EQ(database->OpenTable("Age Units").Field("T1/2").Text(), "30 y");
    EXPECT_THROW(database->OpenTable("No Such Table"), DatabaseError);
}

TEST(OpenDatabase, MissingDamagedAndForeignFilesFailWithoutBeingChanged) {
    test::TemporaryFolder folder;
    const auto missing = folder.Path() / "missing.mdb";
    EXPECT_THROW(OpenDatabase(missing.string()), DatabaseError);
    EXPECT_FALSE(std::filesystem::exists(missing)) << "opening must never create the file";

    EXPECT_THROW(OpenDatabase(folder.Path().string()), DatabaseError) << "a folder";

    const auto garbage = folder.Path() / "garbage.mdb";
    {
        std::ofstream out(garbage, std::ios::binary);
        for (int i = 0; i < 4096; ++i) out.put(static_cast<char>((i * 7919) % 251));
    }
    const auto size = std::filesystem::file_size(garbage);
    try {
        OpenDatabase(garbage.string());
        FAIL() << "random bytes opened as a database";
    } catch (const DatabaseError& e) {
        EXPECT_NE(std::string(e.what()).find(garbage.string()), std::string::npos) << "the message names the file";
    }
    EXPECT_EQ(std::filesystem::file_size(garbage), size);
}

}  // namespace
}  // namespace quorvel
