#include "DoseCoefficientReports.h"
#include "DoseValueRules.h"
#include "ExternalCoefs.h"
#include "GridConventions.h"
#include "NuclideRecords.h"
#include "ScientificFormat.h"
#include "TableLayout.h"

namespace quorvel {

namespace {

struct ExternalDoseTable {
    const char* TableName;
    const char* TitleName;
};

constexpr ExternalDoseTable ExternalDoseTables[] = {
    {"F12TIII1", "Submersion"},
    {"F12TIII3", "Ground Plane"},
    {"F12TIII7", "Soil Layer"},
};

const ExternalDoseTable& TableOf(ExternalGeometry geometry) {
    return ExternalDoseTables[static_cast<std::size_t>(geometry)];
}

// The table of the record with the lowest ID: the only one shown.
CoefficientTable TableOfRecord(const TableKind& kind, const Recordset& records, const Record& record, double unitFactor,
                               const ScanSelection& selection) {
    constexpr int count = clsExternalCoefs::CoefficientCount;
    const int sourcePosition = records.FindField("Source");
    CoefficientTable table;
    table.Kind = kind;
    table.Nuclide = FieldAt(record, records.FieldPosition("Nuclide")).TextOrEmpty();
    table.ColumnKeys = {ExternalDoseAge};
    table.HasRecords = true;
    TableBlock block;
    block.Nuclide = table.Nuclide;
    block.HeaderText = FieldAt(record, clsExternalCoefs::HeaderTextPosition).TextOrEmpty();
    table.Cells.reserve(count);
    std::vector<std::optional<double>> stored(count);
    auto descriptors = std::make_shared<std::vector<std::string>>();
    for (int i = 1; i < count; ++i) {
        descriptors->push_back(records.FieldName(i + 1));
        stored[static_cast<std::size_t>(i - 1)] = StoredDoseValue(FieldAt(record, i + 1));
    }
    descriptors->emplace_back(clsExternalCoefs::ColonDoseDescriptor);
    block.RowLabels = descriptors;
    // Positions 10 and 11 are coefficients 9 and 10.
    stored[count - 1] = ColonDose(stored[clsExternalCoefs::UpperLargeIntestinePosition - 2],
                                  stored[clsExternalCoefs::LowerLargeIntestinePosition - 2]);
    for (int i = 0; i < count; ++i) {
        const auto c = static_cast<std::size_t>(i);
        if (!SelectionKeeps(selection.Descriptor, (*descriptors)[c])) continue;
        Coefficient cell;
        cell.Nuclide = table.Nuclide;
        cell.Age = ExternalDoseAge;
        cell.Descriptor = (*descriptors)[c];
        cell.Value = InUnit(stored[c], unitFactor);
        cell.Text = cell.Value ? FormatScientific(*cell.Value) : std::string();
        cell.Source = sourcePosition < 0 ? std::string() : FieldAt(record, sourcePosition).TextOrEmpty();
        cell.BlockRow = i;
        table.Cells.push_back(std::move(cell));
    }
    table.Blocks.push_back(std::move(block));
    return table;
}

}  // namespace

std::string DoseTableName(const TableKind& kind) {
    switch (kind.PathwayCode) {
        case Pathway::Ingestion: return "Fgr13ingGDB";
        case Pathway::Inhalation: return "Fgr13inhHDB";
        case Pathway::External: break;
    }
    return TableOf(kind.Geometry).TableName;
}

void ReadExternalDoseTables(Database& database, const TableKind& kind, double unitFactor,
                            const ScanSelection& selection, const TableSink& sink) {
    if (!SelectionKeeps(selection.Age, ExternalDoseAge)) return;
    const Recordset records = OpenTableRecords(database, DoseTableName(kind), "", {}, selection.Nuclides);
    const std::vector<NuclideRecords> nuclides = GroupByNuclide(records, records.FieldPosition("Nuclide"));
    for (const NuclideRecords& nuclide : nuclides)
        sink(TableOfRecord(kind, records, *nuclide.Records.front(), unitFactor, selection));
    for (const std::string& name : NamesNotFound(selection.Nuclides, nuclides))
        sink({.Kind = kind, .Nuclide = name, .ColumnKeys = {ExternalDoseAge}});
}

void ReportExternalDoseCoefficients(const CoefficientTable& table, FlexGrid& grid) {
    SetEmptyResultGrid(grid);
    if (table.Empty()) return;
    clsExternalCoefs coefs;
    coefs.ReportCoefficientsInAnMSFlexGrid(
        table,
        TitleWithNote(std::string(TableOf(table.Kind.Geometry).TitleName) + " Dose Coefficients", table.TitleNote),
        grid);
    for (int c = 1; c < grid.Cols(); ++c) grid.SetColAlignment(c, AlignLeftCentre);
    // And one column more, empty, as every dose table has.
    grid.SetCols(grid.Cols() + 1);
}

}  // namespace quorvel
