// Looking for a value in the fields of a database.

#include "DatabaseSearch.h"

#include "CaseFolding.h"
#include "TalvorLibrary.h"

namespace quorvel {

namespace {

void ShowStatus(StatusBarText* statusBar, const std::string& text) {
    clsTalvorLibrary::UpdateStatusBar(statusBar, 1, text);
}

}  // namespace

bool MatchesSearch(const std::string& fieldText, const std::string& value, const SearchSettings& settings) {
    const std::string text = settings.IgnoreCase ? FoldCase(fieldText) : fieldText;
    const std::string sought = settings.IgnoreCase ? FoldCase(value) : value;
    switch (settings.Mode) {
        case SearchMode::Beginning: return text.starts_with(sought);
        case SearchMode::End: return text.ends_with(sought);
        case SearchMode::WholeValue: break;
    }
    return text == sought;
}

void clsTalvorLibrary::DetermineIfTheValueIsPresentInTheField(const std::string& table, Recordset& records,
                                                              const std::string& field, const std::string& value,
                                                              const SearchSettings& settings, StatusBarText* statusBar,
                                                              bool& found, std::vector<SearchMatch>& matches) {
    found = false;
    if (IsSystemTable(table)) return;
    const int position = records.FieldPosition(field);
    if (records.RecordCount() == 0) return;
    records.MoveFirst();
    for (int record = 1; !records.IsEOF(); ++record, records.MoveNext()) {
        ShowStatus(statusBar, "Record: " + std::to_string(record));
        const FieldValue& fieldValue = records.Field(position);
        if (fieldValue.IsNull()) continue;  // Null holds no value, not even an empty one
        const std::string text = fieldValue.Text();
        if (!MatchesSearch(text, value, settings)) continue;
        found = true;
        matches.push_back({table, records.FieldName(position), record, text});
    }
}

bool clsTalvorLibrary::LookThroughAClosedDatabaseForARecord(const std::string& databasePath, const std::string& value,
                                                            const SearchSettings& settings, StatusBarText* statusBar,
                                                            std::vector<SearchMatch>& matches) {
    try {
        std::vector<std::string> tables;
        if (!ScanClosedDatabaseAndReportTableNames(databasePath, tables)) return false;
        auto database = OpenDatabase(databasePath);
        for (const auto& table : tables) {
            ShowStatus(statusBar, "Table:  " + table);
            Recordset records = database->OpenTable(table);
            for (int field = 0; field < records.FieldCount(); ++field) {
                ShowStatus(statusBar, "Field:  " + records.FieldName(field));
                bool found = false;
                DetermineIfTheValueIsPresentInTheField(table, records, records.FieldName(field), value, settings,
                                                       statusBar, found, matches);
                ShowStatus(statusBar, "Records Finished.");
            }
            ShowStatus(statusBar, "Fields Finished.");
        }
        ShowStatus(statusBar, "Tables Finished.");
        return true;
    } catch (const std::exception&) {
        return false;
    }
}

bool clsTalvorLibrary::CompareTwoDatabaseFieldsAndIdentifyWhichElementsInTheFirstAreNotInTheSecond(
    const FieldReference& first, const FieldReference& second, StatusBarText* statusBar,
    std::vector<std::string>& missingValues, UserPrompt& prompt) {
    try {
        Recordset firstRecords = first.Db.OpenTable(first.Table);
        const int position = firstRecords.FieldPosition(first.Field);
        Recordset secondRecords = second.Db.OpenTable(second.Table);
        const int count = firstRecords.RecordCount();
        for (int record = 1; !firstRecords.IsEOF(); ++record, firstRecords.MoveNext()) {
            ShowStatus(statusBar,
                       "Checking record " + std::to_string(record) + " out of " + std::to_string(count) + ".");
            const std::string value = firstRecords.Field(position).TextOrEmpty();
            bool found = false;
            std::vector<SearchMatch> matches;
            DetermineIfTheValueIsPresentInTheField(second.Table, secondRecords, second.Field, value, {}, statusBar,
                                                   found, matches);
            if (!found) missingValues.push_back(value);
        }
        ShowStatus(statusBar, "Finished.");
        return true;
    } catch (const std::exception& e) {
        prompt.ShowMessage(CompareFieldsErrorMessage + std::string(e.what()));
        return false;
    }
}

}  // namespace quorvel
