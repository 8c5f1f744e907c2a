// Making tables and adding records in database files named by path.

#include <algorithm>
#include <filesystem>

#include "DatabaseFormat.h"
#include "TalvorLibrary.h"

namespace quorvel {

namespace {

void CreateTextTable(SqliteDatabase& database, const std::string& tableName,
                     const std::vector<std::string>& fieldNames) {
    std::string sql = "CREATE TABLE " + QuoteIdentifier(tableName) + " (";
    for (std::size_t i = 0; i < fieldNames.size(); ++i)
        sql += (i == 0 ? "" : ", ") + QuoteIdentifier(fieldNames[i]) + " TEXT";
    database.Execute(sql + ")");
}

std::string InsertStatement(const std::string& tableName, const std::vector<std::string>& fieldNames) {
    std::string names;
    std::string marks;
    for (std::size_t i = 0; i < fieldNames.size(); ++i) {
        names += (i == 0 ? "" : ", ") + QuoteIdentifier(fieldNames[i]);
        marks += i == 0 ? "?" : ", ?";
    }
    return "INSERT INTO " + QuoteIdentifier(tableName) + " (" + names + ") VALUES (" + marks + ")";
}

// Access files are only read: the program has no writer for them.
bool RefusedAsAccessFile(const std::string& databasePath, UserPrompt& prompt) {
    if (DetectDatabaseFormat(databasePath) != DatabaseFormat::Access) return false;
    prompt.ShowMessage(AccessFileIsReadOnlyMessage(databasePath));
    return true;
}

}  // namespace

std::string AccessFileIsReadOnlyMessage(const std::string& databasePath) {
    return "The database " + databasePath +
           " is a Microsoft Access file, which this program reads but does not change.";
}

bool clsTalvorLibrary::CreateANewDatabaseWithANewTable(const std::string& databasePath, const std::string& tableName,
                                                       const std::vector<std::string>& fieldNames) {
    try {
        std::error_code ignored;  // a missing file is no error
        std::filesystem::remove(databasePath, ignored);
        SqliteDatabase database(databasePath, SqliteDatabase::Mode::Create);
        CreateTextTable(database, tableName, fieldNames);
        return true;
    } catch (const std::exception&) {
        return false;
    }
}

bool clsTalvorLibrary::AddATableToACurrentlyClosedDatabase(const std::string& databasePath,
                                                           const std::string& tableName,
                                                           const std::vector<std::string>& fieldNames,
                                                           UserPrompt& prompt) {
    try {
        if (RefusedAsAccessFile(databasePath, prompt)) return false;
        SqliteDatabase database(databasePath, SqliteDatabase::Mode::ReadWrite);
        CreateTextTable(database, tableName, fieldNames);
        return true;
    } catch (const std::exception&) {
        return false;
    }
}

bool clsTalvorLibrary::AddRecordsToAnExistingTableInAClosedDatabase(const std::string& databasePath,
                                                                    const std::string& tableName,
                                                                    const std::vector<std::string>& fieldNames,
                                                                    const Records& values, UserPrompt& prompt) {
    try {
        if (RefusedAsAccessFile(databasePath, prompt)) return false;
        SqliteDatabase database(databasePath, SqliteDatabase::Mode::ReadWrite);
        const Recordset shape = database.OpenQuery("SELECT * FROM " + QuoteIdentifier(tableName) + " LIMIT 0");
        if (shape.FieldCount() != static_cast<int>(fieldNames.size())) {
            prompt.ShowMessage(FieldCountMismatchMessage);
            return false;
        }
        const std::string insert = InsertStatement(tableName, fieldNames);
        database.Execute("BEGIN");
        try {
            for (const auto& record : values) {
                std::vector<QueryParameter> parameters(record.begin(), record.end());
                database.Execute(insert, parameters);  // a row of the wrong length fails here
            }
            database.Execute("COMMIT");
        } catch (...) {
            database.Execute("ROLLBACK");
            throw;
        }
        return true;
    } catch (const std::exception&) {
        return false;
    }
}

bool clsTalvorLibrary::ConvertMSFlexGridResultsToAccessDatabase(const FlexGrid& grid, const std::string& databasePath,
                                                                const std::string& tableName, bool headerRow,
                                                                int lastColumnsLeftOut, UserPrompt& prompt) {
    const int lastColumn = grid.Cols() - 1 - std::max(lastColumnsLeftOut, 0);
    std::vector<std::string> fieldNames;
    for (int col = 1; col <= lastColumn; ++col)
        fieldNames.push_back(headerRow && grid.Rows() > 0 ? grid.TextMatrix(0, col) : "Field " + std::to_string(col));
    Records values;
    for (int row = headerRow ? 1 : 0; row < grid.Rows(); ++row) {
        std::vector<std::string> record;
        for (int col = 1; col <= lastColumn; ++col) record.push_back(grid.TextMatrix(row, col));
        values.push_back(std::move(record));
    }
    try {
        if (RefusedAsAccessFile(databasePath, prompt)) return false;
        SqliteDatabase probe(databasePath, SqliteDatabase::Mode::ReadWrite);
    } catch (const std::exception&) {
        return false;
    }
    return AddATableToACurrentlyClosedDatabase(databasePath, tableName, fieldNames, prompt) &&
           AddRecordsToAnExistingTableInAClosedDatabase(databasePath, tableName, fieldNames, values, prompt);
}

}  // namespace quorvel
