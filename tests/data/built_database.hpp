#pragma once
// The database as the build makes it from data/sources, built once per test program into a
// temporary directory, and read back with the SQLite C API.
#include "quality_report.hpp"

#include <sqlite3.h>

#include <filesystem>
#include <optional>
#include <string>
#include <vector>

namespace quorvel::data::test {

std::filesystem::path sourcesDirectory();

// A fresh temporary directory, removed with the object.
class TemporaryDirectory {
public:
    TemporaryDirectory();
    ~TemporaryDirectory();
    TemporaryDirectory(const TemporaryDirectory&) = delete;
    TemporaryDirectory& operator=(const TemporaryDirectory&) = delete;
    const std::filesystem::path& path() const { return path_; }

private:
    std::filesystem::path path_;
};

class BuiltDatabase {
public:
    static const BuiltDatabase& instance();

    const QualityReport& report() const { return report_; }
    const std::filesystem::path& file() const { return file_; }

    // The first column of every row the query returns, as text (Null as nullopt).
    std::vector<std::optional<std::string>> texts(const std::string& sql) const;
    std::optional<std::string> text(const std::string& sql) const;
    std::optional<double> real(const std::string& sql) const;
    long count(const std::string& sql) const;
    std::vector<std::string> fieldNames(const std::string& table) const;
    std::vector<std::string> fieldTypes(const std::string& table) const;

    ~BuiltDatabase();

private:
    BuiltDatabase();
    TemporaryDirectory directory_;
    std::filesystem::path file_;
    QualityReport report_;
    sqlite3* db_ = nullptr;
};

}  // namespace quorvel::data::test
