// Reading the values of a field, the records that hold a value, and deleting by key.

#include <cctype>

#include "CaseFolding.h"
#include "DatabaseError.h"
#include "TalvorLibrary.h"

namespace quorvel {

namespace {

bool IsSelectText(const std::string& text) {
    std::string start;
    for (char c : text) {
        if (std::isspace(static_cast<unsigned char>(c)) && start.empty()) continue;
        if (!std::isalpha(static_cast<unsigned char>(c))) break;
        start += c;
    }
    return SameFoldingCase(start, "select");
}

Recordset OpenTableOrQuery(Database& database, const std::string& tableOrQuery) {
    return IsSelectText(tableOrQuery) ? database.OpenQuery(tableOrQuery) : database.OpenTable(tableOrQuery);
}

// The one-record query, the value bound rather than pasted into the text.
Recordset OpenMatchingRecords(Database& database, const std::string& tableName, const std::string& fieldName,
                              const std::string& value) {
    return database.OpenQuery(
        "SELECT * FROM " + QuoteIdentifier(tableName) + " WHERE " + QuoteIdentifier(fieldName) + " = ?", {value});
}

// The column an index of the table orders by first; "PrimaryKey" is the primary key.
std::string KeyColumn(Database& database, const std::string& tableName, const std::string& indexName) {
    if (indexName == "PrimaryKey") {
        Recordset columns = database.OpenQuery("SELECT name FROM pragma_table_info(?) WHERE pk = 1", {tableName});
        if (columns.RecordCount() == 1) return columns.Field(0).Text();
        // A table without a declared key is keyed by its row id, as SQLite keys it.
        if (columns.RecordCount() == 0) return "_rowid_";
        throw DatabaseError("The primary key of " + tableName + " has more than one field.");
    }
    Recordset index = database.OpenQuery(
        "SELECT 1 FROM sqlite_master WHERE type = 'index' AND name = ? AND tbl_name = ?", {indexName, tableName});
    if (index.RecordCount() == 0) throw DatabaseError(indexName + " is not an index of " + tableName + ".");
    Recordset columns = database.OpenQuery("SELECT name FROM pragma_index_info(?) ORDER BY seqno", {indexName});
    if (columns.RecordCount() == 0 || columns.Field(0).IsNull())
        throw DatabaseError(indexName + " is not an index on fields.");
    return columns.Field(0).Text();
}

}  // namespace

bool clsTalvorLibrary::OpenAClosedDatabaseAndRetrieveAllTheElementsInAField(const std::string& databasePath,
                                                                            const std::string& tableOrQuery,
                                                                            const std::string& fieldName,
                                                                            std::vector<std::string>& values,
                                                                            StatusBarText* statusBar) {
    try {
        UpdateStatusBar(statusBar, 1, "Opening Database");
        auto database = OpenDatabase(databasePath);
        Recordset records = OpenTableOrQuery(*database, tableOrQuery);
        const int position = records.FieldPosition(fieldName);
        const std::string total = std::to_string(records.RecordCount());
        values.clear();
        for (; !records.IsEOF(); records.MoveNext()) {
            values.push_back(records.Field(position).TextOrEmpty());
            UpdateStatusBar(statusBar, 1, std::to_string(values.size()) + " records of " + total + ".");
        }
        UpdateStatusBar(statusBar, 1, "Finished.");
        return true;
    } catch (const std::exception&) {
        return false;
    }
}

bool clsTalvorLibrary::RetrieveAllTheElementsInAField(Database& database, const std::string& tableName,
                                                      const std::string& fieldName, std::vector<std::string>& values) {
    try {
        Recordset records = database.OpenTable(tableName);
        const int position = records.FieldPosition(fieldName);
        std::vector<std::string> read;
        for (; !records.IsEOF(); records.MoveNext()) read.push_back(records.Field(position).TextOrEmpty());
        values = std::move(read);
        return true;
    } catch (const std::exception&) {
        return false;
    }
}

bool clsTalvorLibrary::QueryTableForASpecificRecordAndDeleteIt(SqliteDatabase& database, const std::string& tableName,
                                                               const std::string& indexName,
                                                               const std::string& keyValue, UserPrompt& prompt) {
    try {
        const std::string key = QuoteIdentifier(KeyColumn(database, tableName, indexName));
        const std::string table = QuoteIdentifier(tableName);
        Recordset found = database.OpenQuery(
            "SELECT _rowid_ FROM " + table + " WHERE " + key + " = ? ORDER BY _rowid_ LIMIT 1", {keyValue});
        if (found.RecordCount() == 0) {
            prompt.ShowMessage(keyValue + " not found in primary key field " + indexName + ".");
            return false;
        }
        database.Execute("DELETE FROM " + table + " WHERE _rowid_ = ?",
                         {static_cast<std::int64_t>(found.Field(0).Number())});
        return true;
    } catch (const std::exception&) {
        return false;
    }
}

bool clsTalvorLibrary::QueryTableForASpecificRecordAndReturnCertainFields(
    const std::string& databasePath, const std::string& tableName, const std::string& fieldName,
    const std::string& value, const std::vector<std::string>& wantedFields, Records& values) {
    try {
        auto database = OpenDatabase(databasePath);
        Recordset records = OpenMatchingRecords(*database, tableName, fieldName, value);
        std::vector<int> positions;
        for (const auto& name : wantedFields) positions.push_back(records.FieldPosition(name));
        Records read;
        for (; !records.IsEOF(); records.MoveNext()) {
            std::vector<std::string> record;
            for (int position : positions) record.push_back(records.Field(position).TextOrEmpty());
            read.push_back(std::move(record));
        }
        values = std::move(read);
        return !values.empty();
    } catch (const std::exception&) {
        return false;
    }
}

bool clsTalvorLibrary::QueryTableForASpecificRecordAndReturnAllFields(Database& database, const std::string& tableName,
                                                                      const std::string& fieldName,
                                                                      const std::string& value, Records& values,
                                                                      std::vector<std::string>& fieldNames) {
    try {
        Recordset records = OpenMatchingRecords(database, tableName, fieldName, value);
        std::vector<std::string> names;
        for (int field = 0; field < records.FieldCount(); ++field) names.push_back(records.FieldName(field));
        Records read;
        for (; !records.IsEOF(); records.MoveNext()) {
            std::vector<std::string> record;
            for (int field = 0; field < records.FieldCount(); ++field)
                record.push_back(records.Field(field).TextOrEmpty());
            read.push_back(std::move(record));
        }
        values = std::move(read);
        fieldNames = std::move(names);
        return true;
    } catch (const std::exception&) {
        return false;
    }
}

}  // namespace quorvel
