#pragma once
// The database as the build makes it from data/sources, built once per test program into a
// temporary directory, and read back with the SQLite C API.
#include <filesystem>
#include <optional>
#include <sqlite3.h>
#include <string>
#include <vector>

#include "FixtureDatabase.h"
#include "QualityReport.h"

namespace quorvel::data::test {

std::filesystem::path SourcesDirectory();

// The lines of a list file under tests/data ('#' starts a comment line), each split at '|'
// into trimmed fields.
std::vector<std::vector<std::string>> ReadListFile(const std::string& name);

class BuiltDatabase {
public:
    static const BuiltDatabase& Instance();

    const QualityReport& Report() const { return report_; }
    const std::filesystem::path& File() const { return file_; }

    // The first column of every row the query returns, as text (Null as nullopt).
    std::vector<std::optional<std::string>> Texts(const std::string& sql) const;
    std::optional<std::string> Text(const std::string& sql) const;
    std::optional<double> Real(const std::string& sql) const;
    long Count(const std::string& sql) const;
    std::vector<std::string> FieldNames(const std::string& table) const;

    ~BuiltDatabase();

private:
    BuiltDatabase();
    quorvel::test::TemporaryFolder directory_;
    std::filesystem::path file_;
    QualityReport report_;
    sqlite3* db_ = nullptr;
};

}  // namespace quorvel::data::test
