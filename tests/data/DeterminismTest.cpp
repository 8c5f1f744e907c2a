// The same sources always give the same database file, byte for byte.
#include <fstream>
#include <gtest/gtest.h>
#include <iterator>

#include "BuiltDatabase.h"
#include "ShippedDatabase.h"

namespace quorvel::data {
namespace {

std::string BytesOf(const std::filesystem::path& file) {
    std::ifstream in(file, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

TEST(Determinism, TwoBuildsGiveIdenticalFiles) {
    test::TemporaryDirectory first, second;
    BuildShippedDatabase(test::SourcesDirectory(), first.Path() / "DoseAndRisk.mdb");
    BuildShippedDatabase(test::SourcesDirectory(), second.Path() / "DoseAndRisk.mdb");
    const std::string a = BytesOf(first.Path() / "DoseAndRisk.mdb");
    const std::string b = BytesOf(second.Path() / "DoseAndRisk.mdb");
    EXPECT_GT(a.size(), 100000u);
    EXPECT_TRUE(a == b) << "databases differ";
    // Written under a temporary name and renamed: nothing else is left beside it.
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(first.Path()), std::filesystem::directory_iterator()),
              1);
}

TEST(Determinism, RebuildingOverAnExistingFileReplacesIt) {
    test::TemporaryDirectory directory;
    const auto file = directory.Path() / "DoseAndRisk.mdb";
    std::ofstream(file) << "stale";
    BuildShippedDatabase(test::SourcesDirectory(), file);
    EXPECT_EQ(BytesOf(file).substr(0, 15), "SQLite format 3");
}

}  // namespace
}  // namespace quorvel::data
