// The names of the tables of a database file and of a table's fields.

#include "DatabaseFormat.h"
#include "TalvorLibrary.h"

namespace quorvel {

bool clsTalvorLibrary::IsSystemTable(const std::string& tableName) { return IsSystemTableName(tableName); }

bool clsTalvorLibrary::ScanClosedDatabaseAndReportTableNames(const std::string& databasePath,
                                                             std::vector<std::string>& tableNames) {
    try {
        auto database = OpenDatabase(databasePath);
        Recordset tables = database->OpenQuery("SELECT name FROM sqlite_master WHERE type = 'table' ORDER BY rowid");
        std::vector<std::string> names;
        for (; !tables.IsEOF(); tables.MoveNext()) {
            std::string name = tables.Field(0).Text();
            if (!IsSystemTable(name)) names.push_back(std::move(name));
        }
        tableNames = std::move(names);
        return true;
    } catch (const std::exception&) {
        return false;
    }
}

bool clsTalvorLibrary::ScanClosedDatabaseTableAndReportFieldNames(const std::string& databasePath,
                                                                  const std::string& tableName,
                                                                  std::vector<std::string>& fieldNames) {
    try {
        auto database = OpenDatabase(databasePath);
        Recordset shape = database->OpenQuery("SELECT * FROM " + QuoteIdentifier(tableName) + " LIMIT 0");
        std::vector<std::string> names;
        for (int field = 0; field < shape.FieldCount(); ++field) names.push_back(shape.FieldName(field));
        fieldNames = std::move(names);
        return true;
    } catch (const std::exception&) {
        return false;
    }
}

}  // namespace quorvel
