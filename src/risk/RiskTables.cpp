#include "DatabaseError.h"
#include "NuclideRecords.h"
#include "RiskCoefficientReports.h"
#include "RiskTableLayout.h"
#include "RiskValueRules.h"

namespace quorvel {

namespace {

constexpr const char* Modes[] = {"Submersion", "Ground Plane", "Soil Layer"};

// Where the fields of a risk table's records are; -1 for a field the table lacks.
struct Positions {
    int First;  // the first displayed field
    int Nuclide, Source, Intake, Form, F1;
};

TableBlock SectionHeading(const Record& lead, const Positions& at) {
    TableBlock block;
    block.Nuclide = FieldAt(lead, at.Nuclide).TextOrEmpty();
    if (at.Intake >= 0) block.Intake = FieldAt(lead, at.Intake).TextOrEmpty();
    if (at.Form >= 0) {
        if (const FieldValue& form = FieldAt(lead, at.Form); !form.IsNull()) block.FormLine = form.Text();
        block.F1 = FieldAt(lead, at.F1).TextOrEmpty();
    }
    return block;
}

// One nuclide's records as its table: sections of fifteen records in ID order.
CoefficientTable TableOf(const TableKind& kind, const std::vector<const Record*>& records, const Positions& at,
                         const std::vector<std::string>& headings, double unitFactor, const ScanSelection& selection) {
    CoefficientTable table;
    table.Kind = kind;
    table.Nuclide = FieldAt(*records.front(), at.Nuclide).TextOrEmpty();
    table.RowHeading = headings.front();
    table.ColumnKeys.assign(headings.begin() + 1, headings.end());
    table.HasRecords = true;
    table.Cells.reserve(records.size() * (RiskDisplayedColumns - 1));
    for (std::size_t first = 0; first < records.size(); first += RiskSectionRecords) {
        TableBlock block = SectionHeading(*records[first], at);
        const std::string form = at.Form < 0 ? std::string() : block.FormLine.value_or("f1 = " + block.F1);
        const std::size_t end = std::min(first + RiskSectionRecords, records.size());
        auto sites = std::make_shared<std::vector<std::string>>();
        for (std::size_t n = first; n < end; ++n) {
            const Record& record = *records[n];
            const std::string source = at.Source < 0 ? std::string() : FieldAt(record, at.Source).TextOrEmpty();
            std::string site = RiskCellOf(FieldAt(record, at.First + CancerSiteColumn), unitFactor).Text;
            sites->push_back(site);
            if (!SelectionKeeps(selection.Descriptor, site) || !SelectionKeeps(selection.Intake, block.Intake))
                continue;
            for (int j = 1; j < RiskDisplayedColumns; ++j) {
                const RiskOutcome outcome = RiskOutcomeOfColumn(j);
                const std::string& band = headings[static_cast<std::size_t>(j)];
                if (!SelectionKeeps(selection.Age, band) || (selection.Outcome && *selection.Outcome != outcome))
                    continue;
                RiskCell value = RiskCellOf(FieldAt(record, at.First + j), unitFactor);
                Coefficient cell;
                cell.Nuclide = FieldAt(record, at.Nuclide).TextOrEmpty();
                cell.Form = form;
                cell.Age = band;
                cell.Intake = block.Intake;
                cell.Descriptor = site;
                cell.Outcome = outcome;
                cell.Value = value.Value;
                cell.Text = std::move(value.Text);
                cell.Source = source;
                cell.Block = static_cast<int>(table.Blocks.size());
                cell.BlockRow = static_cast<int>(n - first);
                cell.ColumnKey = j - 1;
                table.Cells.push_back(std::move(cell));
            }
        }
        block.RowLabels = std::move(sites);
        table.Blocks.push_back(std::move(block));
    }
    return table;
}

void ReadRiskBatch(Database& database, const TableKind& kind, double unitFactor, const ScanSelection& selection,
                   const TableSink& sink) {
    const bool ingestion = kind.PathwayCode == Pathway::Ingestion;
    const bool external = kind.IsExternal();
    std::string condition;
    std::vector<QueryParameter> parameters;
    if (external) {
        condition = "(Mode = ? COLLATE NOCASE)";
        parameters.emplace_back(ExternalRiskMode(kind.Geometry));
    }
    const Recordset records =
        OpenTableRecords(database, RiskTableName(kind), condition, std::move(parameters), selection.Nuclides);
    Positions at{ingestion  ? IngestionRiskFirstPosition
                 : external ? ExternalRiskFirstPosition
                            : InhalationRiskFirstPosition,
                 records.FieldPosition("Nuclide"),
                 records.FindField("Source"),
                 ingestion ? records.FieldPosition("Intake") : -1,
                 external ? -1 : records.FieldPosition("Form"),
                 external ? -1 : records.FieldPosition("f_1")};
    std::vector<std::string> headings;
    for (int j = 0; j < RiskDisplayedColumns; ++j)
        headings.push_back(RiskColumnHeading(records.FieldName(at.First + j)));
    const std::vector<NuclideRecords> nuclides = GroupByNuclide(records, at.Nuclide);
    for (const NuclideRecords& nuclide : nuclides)
        sink(TableOf(kind, nuclide.Records, at, headings, unitFactor, selection));
    for (const std::string& name : NamesNotFound(selection.Nuclides, nuclides)) sink({.Kind = kind, .Nuclide = name});
}

}  // namespace

std::string ExternalRiskMode(ExternalGeometry geometry) { return Modes[static_cast<std::size_t>(geometry)]; }

std::string RiskTableName(const TableKind& kind) {
    switch (kind.PathwayCode) {
        case Pathway::Ingestion: return "FGR13INGRBS";
        case Pathway::Inhalation: return "FGR13INHRBS";
        case Pathway::External: break;
    }
    return "FGR13extRBS";
}

// A risk table holds thirty records of some forty fields for each nuclide: read whole, it
// would take tens of megabytes. Read a batch of nuclides at a time, in the table's order.
void ReadRiskTables(Database& database, const TableKind& kind, double unitFactor, const ScanSelection& selection,
                    const TableSink& sink) {
    if (!selection.Nuclides.empty()) return ReadRiskBatch(database, kind, unitFactor, selection, sink);
    constexpr std::size_t BatchNuclides = 64;
    // The names come from every mode of the external table: those without records of this
    // one give no table.
    const TableSink found = [&sink](CoefficientTable&& table) {
        if (table.HasRecords) sink(std::move(table));
    };
    ScanSelection batch = selection;
    for (std::string& nuclide : TableNuclides(database, RiskTableName(kind))) {
        batch.Nuclides.push_back(std::move(nuclide));
        if (batch.Nuclides.size() == BatchNuclides) {
            ReadRiskBatch(database, kind, unitFactor, batch, found);
            batch.Nuclides.clear();
        }
    }
    if (!batch.Nuclides.empty()) ReadRiskBatch(database, kind, unitFactor, batch, found);
}

}  // namespace quorvel
