// Filling a grid from a recordset or from an array of texts.

#include <algorithm>

#include "TalvorLibrary.h"

namespace quorvel {

namespace {

int Within(int requested, int available) { return std::clamp(requested, 0, available); }

}  // namespace

bool clsTalvorLibrary::PlaceRecordSetIntoAMSFlexGrid(Recordset& records, FlexGrid& grid, int fixedCols, int fixedRows) {
    try {
        grid.Clear();
        grid.SetFixedRows(0);
        grid.SetFixedCols(0);
        grid.SetRows(records.RecordCount() + 1);
        grid.SetCols(records.FieldCount());
        for (int field = 0; field < records.FieldCount(); ++field)
            grid.SetTextMatrix(0, field, records.FieldName(field));
        if (records.RecordCount() > 0) records.MoveFirst();
        for (int row = 1; !records.IsEOF(); ++row, records.MoveNext())
            for (int field = 0; field < records.FieldCount(); ++field)
                grid.SetTextMatrix(row, field, records.Field(field).TextOrEmpty());
        grid.SetFixedCols(Within(fixedCols, grid.Cols()));
        grid.SetFixedRows(Within(fixedRows, grid.Rows()));
        return true;
    } catch (const std::exception&) {
        return false;
    }
}

bool clsTalvorLibrary::PlaceGeneralArrayElementsIntoAMSFlexGrid(const Records& elements, FlexGrid& grid, bool transpose,
                                                                int fixedRows, int fixedCols) {
    try {
        const int first = static_cast<int>(elements.size());
        int second = 0;
        for (const auto& row : elements) second = std::max(second, static_cast<int>(row.size()));
        grid.Clear();
        grid.SetFixedRows(0);
        grid.SetFixedCols(0);
        grid.SetRows(transpose ? second : first);
        grid.SetCols(transpose ? first : second);
        grid.SetFixedRows(Within(fixedRows, grid.Rows()));
        grid.SetFixedCols(Within(fixedCols, grid.Cols()));
        for (int i = 0; i < first; ++i) {
            const auto& row = elements[static_cast<std::size_t>(i)];
            for (int j = 0; j < static_cast<int>(row.size()); ++j)
                grid.SetTextMatrix(transpose ? j : i, transpose ? i : j, row[static_cast<std::size_t>(j)]);
        }
        return true;
    } catch (const std::exception&) {
        return false;
    }
}

bool clsTalvorLibrary::PlaceGeneralArrayElementsIntoAMSFlexGrid(const std::vector<std::string>& elements,
                                                                FlexGrid& grid, bool transpose, int fixedRows,
                                                                int fixedCols) {
    Records column;
    for (const auto& element : elements) column.push_back({element});
    return PlaceGeneralArrayElementsIntoAMSFlexGrid(column, grid, transpose, fixedRows, fixedCols);
}

}  // namespace quorvel
