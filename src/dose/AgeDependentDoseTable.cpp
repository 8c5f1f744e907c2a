#include "AgeDependentDoseTable.h"

#include <cmath>

#include "DatabaseError.h"
#include "GridConventions.h"

namespace quorvel {

namespace {

// Takes the block that starts at the current record: Nlet records, or as many as remain.
BlockTable ReadBlock(Recordset& records) {
    const int size = BlockRecordCount(records.Field("Nlet"), records.RecordCount());
    BlockTable block;
    for (int position = 0; position < records.FieldCount(); ++position)
        block.FieldNames.push_back(records.FieldName(position));
    for (int j = 1; j <= size && !records.IsEOF(); ++j) {
        std::vector<FieldValue> fields;
        fields.reserve(static_cast<std::size_t>(records.FieldCount()));
        for (int position = 0; position < records.FieldCount(); ++position) fields.push_back(records.Field(position));
        block.Records.push_back(std::move(fields));
        records.MoveNext();
    }
    return block;
}

}  // namespace

int BlockRecordCount(const FieldValue& nlet, int remaining) {
    const double count = std::nearbyint(nlet.Number());
    if (count < 1) throw DatabaseError("Nlet is " + nlet.TextOrEmpty() + "; a block holds at least one record.");
    // A count beyond the records that remain takes what remains.
    return count > remaining ? remaining : static_cast<int>(count);
}

void ReportAgeDependentDoseCoefficients(const AgeDependentDoseTable& table, AgeDependentDoseCoefs& coefs,
                                        const std::string& nuclide, Database& database, FlexGrid& grid,
                                        double unitFactor, const std::string& unitLabel, const AgeGroups& ages,
                                        int descriptorColumns) {
    SetEmptyResultGrid(grid);
    if (table.LooksForNuclideFirst) {
        const Recordset any = database.OpenQuery(
            "SELECT * From " + table.TableName + " Where ((Nuclide = ? COLLATE NOCASE)) ORDER BY ID;", {nuclide});
        if (any.RecordCount() < 1) return;
    }
    grid.SetCols(ages.AgeGroupCount() + descriptorColumns);

    const std::string ageQuery =
        "SELECT * From " + table.TableName + " Where ((Nuclide = ? COLLATE NOCASE) And (Age = ?)) ORDER BY ID;";
    int valueColumn = 0;
    for (int i = 1; i <= ages.AgeGroupCount(); ++i) {
        const auto age = static_cast<std::size_t>(i - 1);
        Recordset records = database.OpenQuery(ageQuery, {nuclide, ages.AgeGroupDays[age]});
        if (records.RecordCount() < 1) continue;
        ++valueColumn;
        // Header and descriptors come only with the first age of the list.
        const bool first = i == 1;
        int blockStartRow = 0;
        records.MoveFirst();
        while (!records.IsEOF()) {
            const BlockTable block = ReadBlock(records);
            coefs.ReportCoefficientsInAnMSFlexGrid(block, ages.AgeGroupNames[age], first, first, grid, unitFactor,
                                                   unitLabel, blockStartRow, valueColumn, 0);
            blockStartRow += DoseBlockRows;
        }
    }
}

}  // namespace quorvel
