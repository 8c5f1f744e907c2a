#include "DatabaseFormat.h"

#include <filesystem>
#include <fstream>
#include <string_view>

#include "CaseFolding.h"

namespace quorvel {

namespace {

constexpr std::string_view SqliteHeader{"SQLite format 3\0", 16};
constexpr std::string_view JetSignature{"\0\1\0\0Standard Jet DB", 19};
constexpr std::string_view AceSignature{"\0\1\0\0Standard ACE DB", 19};

}  // namespace

DatabaseFormat DetectDatabaseFormat(const std::string& path) {
    std::ifstream file(path, std::ios::binary);
    char bytes[JetSignature.size()] = {};
    file.read(bytes, sizeof bytes);
    const std::string_view start(bytes, static_cast<std::size_t>(file.gcount()));
    std::error_code error;
    if (start.empty() && std::filesystem::is_regular_file(path, error) && std::filesystem::file_size(path, error) == 0)
        return DatabaseFormat::Sqlite;
    if (start.starts_with(SqliteHeader)) return DatabaseFormat::Sqlite;
    if (start == JetSignature || start == AceSignature) return DatabaseFormat::Access;
    return DatabaseFormat::Unknown;
}

bool IsSystemTableName(const std::string& tableName) {
    return tableName.starts_with("MSys") || StartsFoldingCase(tableName, "sqlite_");
}

}  // namespace quorvel
