// The same sources always give the same database file, byte for byte.
#include <fstream>
#include <gtest/gtest.h>

#include "BuiltDatabase.h"
#include "ShippedDatabase.h"

namespace quorvel::data {
namespace {

using quorvel::test::ReadBytes;

TEST(Determinism, TwoBuildsGiveIdenticalFiles) {
    quorvel::test::TemporaryFolder first, second;
    BuildShippedDatabase(test::SourcesDirectory(), first.Path() / "DoseAndRisk.mdb");
    BuildShippedDatabase(test::SourcesDirectory(), second.Path() / "DoseAndRisk.mdb");
    const std::string a = ReadBytes(first.Path() / "DoseAndRisk.mdb");
    const std::string b = ReadBytes(second.Path() / "DoseAndRisk.mdb");
    EXPECT_GT(a.size(), 100000u);
    EXPECT_TRUE(a == b) << "databases differ";
    // Written under a temporary name and renamed: nothing else is left beside it.
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(first.Path()), std::filesystem::directory_iterator()),
              1);
}

TEST(Determinism, RebuildingOverAnExistingFileReplacesIt) {
    quorvel::test::TemporaryFolder directory;
    const auto file = directory.Path() / "DoseAndRisk.mdb";
    std::ofstream(file) << "stale";
    BuildShippedDatabase(test::SourcesDirectory(), file);
    EXPECT_EQ(ReadBytes(file).substr(0, 15), "SQLite format 3");
}

}  // namespace
}  // namespace quorvel::data
