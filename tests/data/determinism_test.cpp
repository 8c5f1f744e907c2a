// The same sources always give the same database file, byte for byte.
#include "built_database.hpp"
#include "shipped_database.hpp"

#include <gtest/gtest.h>

#include <fstream>
#include <iterator>

namespace quorvel::data {
namespace {

std::string bytesOf(const std::filesystem::path& file)
{
    std::ifstream in(file, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

TEST(Determinism, TwoBuildsGiveIdenticalFiles)
{
    test::TemporaryDirectory first, second;
    buildShippedDatabase(test::sourcesDirectory(), first.path() / "DoseAndRisk.mdb");
    buildShippedDatabase(test::sourcesDirectory(), second.path() / "DoseAndRisk.mdb");
    const std::string a = bytesOf(first.path() / "DoseAndRisk.mdb");
    const std::string b = bytesOf(second.path() / "DoseAndRisk.mdb");
    EXPECT_GT(a.size(), 100000u);
    EXPECT_TRUE(a == b) << "databases differ";
    // Written under a temporary name and renamed: nothing else is left beside it.
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(first.path()), std::filesystem::directory_iterator()), 1);
}

TEST(Determinism, RebuildingOverAnExistingFileReplacesIt)
{
    test::TemporaryDirectory directory;
    const auto file = directory.path() / "DoseAndRisk.mdb";
    std::ofstream(file) << "stale";
    buildShippedDatabase(test::sourcesDirectory(), file);
    EXPECT_EQ(bytesOf(file).substr(0, 15), "SQLite format 3");
}

}  // namespace
}  // namespace quorvel::data
