#include "BuiltDatabase.h"

#include <fstream>
#include <memory>
#include <sstream>
#include <stdexcept>

#include "ShippedDatabase.h"

namespace quorvel::data::test {

std::filesystem::path SourcesDirectory() { return QUORVEL_DATA_SOURCES_DIR; }

std::vector<std::vector<std::string>> ReadListFile(const std::string& name) {
    std::ifstream in(std::string(QUORVEL_DATA_TESTS_DIR) + "/" + name);
    if (!in) throw std::runtime_error("cannot read " + name);
    std::vector<std::vector<std::string>> lines;
    for (std::string line; std::getline(in, line);) {
        if (line.empty() || line[0] == '#') continue;
        std::istringstream fields(line);
        lines.emplace_back();
        for (std::string field; std::getline(fields, field, '|');) {
            const auto first = field.find_first_not_of(' ');
            lines.back().push_back(
                first == std::string::npos ? "" : field.substr(first, field.find_last_not_of(' ') - first + 1));
        }
        if (line.back() == '|') lines.back().emplace_back();  // an empty last field
    }
    return lines;
}

const BuiltDatabase& BuiltDatabase::Instance() {
    static const BuiltDatabase database;
    return database;
}

BuiltDatabase::BuiltDatabase() : file_(directory_.Path() / "DoseAndRisk.mdb") {
    report_ = BuildShippedDatabase(SourcesDirectory(), file_);
    if (sqlite3_open_v2(file_.c_str(), &db_, SQLITE_OPEN_READONLY, nullptr) != SQLITE_OK)
        throw std::runtime_error("cannot open the built database");
}

BuiltDatabase::~BuiltDatabase() { sqlite3_close(db_); }

std::vector<std::optional<std::string>> BuiltDatabase::Texts(const std::string& sql) const {
    sqlite3_stmt* raw = nullptr;
    if (sqlite3_prepare_v2(db_, sql.c_str(), -1, &raw, nullptr) != SQLITE_OK)
        throw std::runtime_error(std::string(sqlite3_errmsg(db_)) + " in " + sql);
    std::unique_ptr<sqlite3_stmt, int (*)(sqlite3_stmt*)> statement(raw, sqlite3_finalize);
    std::vector<std::optional<std::string>> values;
    int code;
    while ((code = sqlite3_step(statement.get())) == SQLITE_ROW) {
        if (sqlite3_column_type(statement.get(), 0) == SQLITE_NULL)
            values.emplace_back();
        else
            values.emplace_back(reinterpret_cast<const char*>(sqlite3_column_text(statement.get(), 0)));
    }
    if (code != SQLITE_DONE) throw std::runtime_error(std::string(sqlite3_errmsg(db_)) + " in " + sql);
    return values;
}

std::optional<std::string> BuiltDatabase::Text(const std::string& sql) const {
    const auto values = Texts(sql);
    if (values.size() != 1)
        throw std::runtime_error(std::to_string(values.size()) + " rows instead of one from " + sql);
    return values.front();
}

std::optional<double> BuiltDatabase::Real(const std::string& sql) const {
    const auto value = Text(sql);
    return value ? std::optional<double>(std::stod(*value)) : std::nullopt;
}

long BuiltDatabase::Count(const std::string& sql) const { return std::stol(Text(sql).value()); }

std::vector<std::string> BuiltDatabase::FieldNames(const std::string& table) const {
    std::vector<std::string> names;
    for (const auto& name : Texts("SELECT name FROM pragma_table_info('" + table + "') ORDER BY cid"))
        names.push_back(name.value());
    return names;
}

}  // namespace quorvel::data::test
