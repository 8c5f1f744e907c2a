#include "DatabaseError.h"
#include "DoseCoefficientReports.h"
#include "ExternalCoefs.h"
#include "GridConventions.h"

namespace quorvel {

namespace {

struct ExternalGeometry {
    const char* TableName;
    const char* TitleName;
};

constexpr ExternalGeometry ExternalGeometries[] = {
    {"F12TIII1", "Submersion"},
    {"F12TIII3", "Ground Plane"},
    {"F12TIII7", "Soil Layer"},
};

const ExternalGeometry& GeometryAt(int geometry) {
    if (geometry < 0 || geometry > 2)
        throw DatabaseError("There is no external geometry " + std::to_string(geometry) + ".");
    return ExternalGeometries[geometry];
}

}  // namespace

std::string ExternalDoseTableName(int geometry) { return GeometryAt(geometry).TableName; }

void ReportExternalDoseCoefficients(const std::string& nuclide, Database& database, FlexGrid& grid, int geometry,
                                    double unitFactor, const std::string& unitLabel, int descriptorColumns) {
    const ExternalGeometry& chosen = GeometryAt(geometry);
    Recordset records = database.OpenQuery(
        std::string("SELECT * From ") + chosen.TableName + " Where Nuclide = ? COLLATE NOCASE  ORDER BY ID;",
        {nuclide});
    SetEmptyResultGrid(grid);
    if (records.RecordCount() < 1) return;

    // Only the record with the lowest ID is shown.
    records.MoveFirst();
    BlockTable record;
    record.Records.emplace_back();
    for (int position = 0; position < records.FieldCount(); ++position) {
        record.FieldNames.push_back(records.FieldName(position));
        record.Records.front().push_back(records.Field(position));
    }

    clsExternalCoefs coefs;
    coefs.ReportCoefficientsInAnMSFlexGrid(record, grid, true, true, unitFactor, unitLabel, 0, 0, chosen.TitleName,
                                           "h_T");
    for (int c = 1; c < grid.Cols(); ++c) grid.SetColAlignment(c, AlignLeftCentre);
    grid.SetCols(grid.Cols() + descriptorColumns);
}

}  // namespace quorvel
