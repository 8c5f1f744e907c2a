#pragma once
// clsTalvorLibrary: the general utility operations. The class holds no state; every
// operation works on its arguments only. Lists are 0-based vectors; record values are
// texts, a Null field giving the empty text. Operations that open a database catch their
// failures and answer false; the only messages are the ones named below.

#include <optional>
#include <string>
#include <vector>

#include "Database.h"
#include "DatabaseSearch.h"
#include "FileDialog.h"
#include "FlexGrid.h"
#include "FormPlacement.h"
#include "GridPrinting.h"
#include "SqliteDatabase.h"
#include "StatusBarText.h"
#include "UserPrompt.h"
#include "YesNoCancelPrompt.h"

namespace quorvel {

inline constexpr const char* FieldCountMismatchMessage =
    "The number of fields in the update information does not match the number of fields in the table.";
inline constexpr const char* CompareFieldsErrorMessage =
    "An error has occured while trying to compare the fields.  The error is ";
inline constexpr const char* ReplacePloverFileQuestion =
    "A Plover file with this name already exists.  Do you want to replace it?";

// What the writing operations say of a Microsoft Access file, which they do not change.
std::string AccessFileIsReadOnlyMessage(const std::string& databasePath);

// A field of a table in an open database.
struct FieldReference {
    Database& Db;
    std::string Table;
    std::string Field;
};

class clsTalvorLibrary {
public:
    using Records = std::vector<std::vector<std::string>>;  // [record][field]

    // --- Tables in closed databases (files named by path) ---

    // Replaces any file at the path with a new database holding one table of text fields.
    static bool CreateANewDatabaseWithANewTable(const std::string& databasePath, const std::string& tableName,
                                                const std::vector<std::string>& fieldNames);
    // Adds a table of text fields to an existing database. The writing operations refuse
    // an Access file with AccessFileIsReadOnlyMessage.
    static bool AddATableToACurrentlyClosedDatabase(const std::string& databasePath, const std::string& tableName,
                                                    const std::vector<std::string>& fieldNames, UserPrompt& prompt);
    // Adds one record per row of values, each value going to the field of the same
    // position in fieldNames; all records or none. A table whose field count differs from
    // the number of names gets FieldCountMismatchMessage.
    static bool AddRecordsToAnExistingTableInAClosedDatabase(const std::string& databasePath,
                                                             const std::string& tableName,
                                                             const std::vector<std::string>& fieldNames,
                                                             const Records& values, UserPrompt& prompt);
    // A new table of the grid's columns from 1 on, leaving out the last
    // lastColumnsLeftOut, with one record per data row. With headerRow the texts of row 0
    // name the fields and the records start at row 1; without it the fields are
    // "Field 1", "Field 2"... and every row is a record. The database must exist.
    static bool ConvertMSFlexGridResultsToAccessDatabase(const FlexGrid& grid, const std::string& databasePath,
                                                         const std::string& tableName, bool headerRow,
                                                         int lastColumnsLeftOut, UserPrompt& prompt);

    // --- Searching ---

    // Every field of every record of every table that is not a system table; the
    // progress goes to panel 1 of the status bar (which may be absent).
    static bool LookThroughAClosedDatabaseForARecord(const std::string& databasePath, const std::string& value,
                                                     const SearchSettings& settings, StatusBarText* statusBar,
                                                     std::vector<SearchMatch>& matches);
    // Looks through all records of one field of a recordset read from the named table,
    // from its first record; found tells whether any matched, and the matches are
    // appended. A system table is skipped (found false).
    static void DetermineIfTheValueIsPresentInTheField(const std::string& table, Recordset& records,
                                                       const std::string& field, const std::string& value,
                                                       const SearchSettings& settings, StatusBarText* statusBar,
                                                       bool& found, std::vector<SearchMatch>& matches);
    // The values of the first field (in stored order) that the second field does not hold
    // as a whole value. A failure is reported with CompareFieldsErrorMessage.
    static bool CompareTwoDatabaseFieldsAndIdentifyWhichElementsInTheFirstAreNotInTheSecond(
        const FieldReference& first, const FieldReference& second, StatusBarText* statusBar,
        std::vector<std::string>& missingValues, UserPrompt& prompt);

    // --- Reading and deleting records ---

    // tableOrQuery is a table or view name, or a text beginning with SELECT.
    static bool OpenAClosedDatabaseAndRetrieveAllTheElementsInAField(const std::string& databasePath,
                                                                     const std::string& tableOrQuery,
                                                                     const std::string& fieldName,
                                                                     std::vector<std::string>& values,
                                                                     StatusBarText* statusBar);
    static bool RetrieveAllTheElementsInAField(Database& database, const std::string& tableName,
                                               const std::string& fieldName, std::vector<std::string>& values);
    // Deletes the first record whose key equals keyValue. indexName names an index of
    // the table (its first column is the key) or "PrimaryKey" for the table's primary key.
    static bool QueryTableForASpecificRecordAndDeleteIt(SqliteDatabase& database, const std::string& tableName,
                                                        const std::string& indexName, const std::string& keyValue,
                                                        UserPrompt& prompt);
    // The wanted fields of every record whose field equals the value; true when at least
    // one record matched.
    static bool QueryTableForASpecificRecordAndReturnCertainFields(
        const std::string& databasePath, const std::string& tableName, const std::string& fieldName,
        const std::string& value, const std::vector<std::string>& wantedFields, Records& values);
    // All fields of every record whose field equals the value, and the field names.
    static bool QueryTableForASpecificRecordAndReturnAllFields(Database& database, const std::string& tableName,
                                                               const std::string& fieldName, const std::string& value,
                                                               Records& values, std::vector<std::string>& fieldNames);

    // --- Names ---

    // Tables in the order they were made, without the system tables ("MSys...",
    // "sqlite_...").
    static bool ScanClosedDatabaseAndReportTableNames(const std::string& databasePath,
                                                      std::vector<std::string>& tableNames);
    static bool ScanClosedDatabaseTableAndReportFieldNames(const std::string& databasePath,
                                                           const std::string& tableName,
                                                           std::vector<std::string>& fieldNames);
    static bool IsSystemTable(const std::string& tableName);

    // --- Grids ---

    // Field names in row 0, one row per record from the recordset's first; the fixed
    // columns and rows as requested, as far as the grid's size allows.
    static bool PlaceRecordSetIntoAMSFlexGrid(Recordset& records, FlexGrid& grid, int fixedCols, int fixedRows);
    // Element [i][j] goes to cell (i, j), or (j, i) when transposed; shorter rows leave
    // their last cells empty. A one-dimensional array is one column (one row transposed).
    static bool PlaceGeneralArrayElementsIntoAMSFlexGrid(const Records& elements, FlexGrid& grid, bool transpose,
                                                         int fixedRows, int fixedCols);
    static bool PlaceGeneralArrayElementsIntoAMSFlexGrid(const std::vector<std::string>& elements, FlexGrid& grid,
                                                         bool transpose, int fixedRows, int fixedCols);

    // --- Numbers ---

    // Mean and variance of a log-normal quantity to those of its natural logarithm, and back.
    static void LogDistributionToNormalDistributionTransformation(double mean, double variance, double& logMean,
                                                                  double& logVariance);
    static void NormalDistributionToLogDistributionTransformation(double& mean, double& variance, double logMean,
                                                                  double logVariance);
    // No value when the two do not compare (a NaN).
    template <typename T>
    static std::optional<T> Max(const T& a, const T& b) {
        if (a >= b) return a;
        if (b > a) return b;
        return std::nullopt;
    }
    template <typename T>
    static std::optional<T> Min(const T& a, const T& b) {
        if (a <= b) return a;
        if (b < a) return b;
        return std::nullopt;
    }
    // Three significant figures, half away from zero on the fourth.
    static void Round(double& value);
    // The distinct texts of source[first] to source[last] in order of first occurrence;
    // case counts.
    static std::vector<std::string> AcceptAnArrayAndExtractSubsetOfUniqueElements(
        const std::vector<std::string>& source, std::size_t first, std::size_t last);

    // --- Files and forms ---

    // fileKind "csv": a text file about to be read; "plv": a file about to be written.
    // Another kind leaves acceptable as it was.
    static void CheckTheFileName(const std::string& fileKind, const std::string& fileName, bool& acceptable,
                                 YesNoCancelPrompt& prompt);
    // Sets a panel's text (panels from 1) and repaints; nothing without a bar or panel.
    static void UpdateStatusBar(StatusBarText* statusBar, int panel, const std::string& text);
    // Asks for a file name; false, with chosenFileName untouched, when the user cancels
    // or the dialog fails. Never shows a message.
    static bool BrowseDialogBox(FileDialog& dialog, bool openMode, const std::string& initialFileName,
                                std::string& chosenFileName, const std::string& filter);
    static bool WriteTheContentOfMSFlexGridToAsciiFile(const FlexGrid& grid, const std::string& fileName,
                                                       UserPrompt& prompt);
    static FormPlacement CenterTheForm(const FormSize& screen, const FormSize& window);
    // Prints like the program's printing, in the printer's orientation as it stands, with
    // the header on every page and, in the data rows, column 0 bold and placed left and the
    // other columns plain and centred; the grid's cell fonts are not read.
    static void WriteGridResultsToPrinter(const FlexGrid& grid, PrinterSurface& printer, UserPrompt& prompt);
};

}  // namespace quorvel
