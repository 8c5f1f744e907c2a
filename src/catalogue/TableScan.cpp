#include "TableScan.h"

#include <algorithm>
#include <cctype>
#include <unordered_map>

#include "AgeDependentDoseCoefs.h"
#include "AgeDependentDoseTable.h"
#include "DatabaseError.h"
#include "DoseCoefficientReports.h"
#include "DoseValueRules.h"
#include "ExternalCoefs.h"
#include "RiskCoefficientReports.h"
#include "RiskTableLayout.h"
#include "ScientificFormat.h"

namespace quorvel {

namespace {

using Record = std::vector<FieldValue>;

// The records of each nuclide, in ID order; nuclides in the order of their first record.
struct NuclideRecords {
    std::string Key;
    std::vector<const Record*> Records;
};

std::vector<NuclideRecords> GroupByNuclide(const Recordset& records, int nuclidePosition) {
    std::vector<NuclideRecords> groups;
    std::unordered_map<std::string, std::size_t> index;
    for (const Record& record : records.Records()) {
        std::string key = FoldCase(record[static_cast<std::size_t>(nuclidePosition)].TextOrEmpty());
        auto [it, added] = index.emplace(key, groups.size());
        if (added) groups.push_back({std::move(key), {}});
        groups[it->second].Records.push_back(&record);
    }
    return groups;
}

const FieldValue& At(const Record& record, int position) {
    if (position < 0 || position >= static_cast<int>(record.size()))
        throw DatabaseError("Item not found in this collection (field " + std::to_string(position) + ").");
    return record[static_cast<std::size_t>(position)];
}

std::string SourceOf(const Record& record, int sourcePosition) {
    return sourcePosition < 0 ? std::string() : At(record, sourcePosition).TextOrEmpty();
}

std::string TextOf(const std::optional<double>& value) { return value ? FormatScientific(*value) : std::string(); }

bool Keeps(const std::optional<std::string>& wanted, const std::string& value) { return !wanted || *wanted == value; }

// The query of the whole table, or of the nuclides and age the selection names.
Recordset OpenTableRecords(Database& database, const std::string& table, std::string condition,
                           std::vector<QueryParameter> parameters, const ScanSelection& selection) {
    if (!selection.Nuclides.empty()) {
        std::string list;
        for (const auto& nuclide : selection.Nuclides) {
            list += list.empty() ? "?" : ", ?";
            parameters.emplace_back(nuclide);
        }
        condition += std::string(condition.empty() ? "" : " AND ") + "(Nuclide COLLATE NOCASE IN (" + list + "))";
    }
    return database.OpenQuery(
        "SELECT * FROM " + table + (condition.empty() ? "" : " WHERE " + condition) + " ORDER BY ID;", parameters);
}

void ScanAgeDependentDose(Database& database, const TableKind& kind, double unitFactor, const AgeGroups& ages,
                          const ScanSelection& selection, const CoefficientSink& sink) {
    std::string condition;
    std::vector<QueryParameter> parameters;
    if (selection.Age) {
        const auto age = std::find(ages.AgeGroupNames.begin(), ages.AgeGroupNames.end(), *selection.Age);
        if (age == ages.AgeGroupNames.end()) return;
        condition = "(Age = ?)";
        parameters.emplace_back(ages.AgeGroupDays[static_cast<std::size_t>(age - ages.AgeGroupNames.begin())]);
    }
    const Recordset records =
        OpenTableRecords(database, kind.Request(1).TableName(), condition, std::move(parameters), selection);
    const int agePosition = records.FieldPosition("Age");
    const int nletPosition = records.FieldPosition("Nlet");
    const int sourcePosition = records.FindField("Source");
    constexpr int count = AgeDependentDoseCoefs::CoefficientCount;
    std::vector<std::string> descriptors(count + 1);
    for (int i = 1; i <= count; ++i)
        descriptors[static_cast<std::size_t>(i)] =
            records.FieldName(AgeDependentDoseCoefs::CoefficientFieldPositions[static_cast<std::size_t>(i)]);

    const int nuclidePosition = records.FieldPosition("Nuclide");
    for (const NuclideRecords& nuclide : GroupByNuclide(records, nuclidePosition)) {
        // The records of each age group; a value column for each group that has some.
        std::vector<std::vector<const Record*>> byAge(ages.AgeGroupDays.size());
        for (const Record* record : nuclide.Records) {
            const FieldValue& age = At(*record, agePosition);
            if (!age.IsNumeric()) continue;
            const auto found = std::find(ages.AgeGroupDays.begin(), ages.AgeGroupDays.end(), age.Number());
            if (found != ages.AgeGroupDays.end())
                byAge[static_cast<std::size_t>(found - ages.AgeGroupDays.begin())].push_back(record);
        }
        int column = 0;
        for (std::size_t a = 0; a < byAge.size(); ++a) {
            const auto& ageRecords = byAge[a];
            if (ageRecords.empty()) continue;
            ++column;
            int blockStartRow = 0;
            for (std::size_t first = 0; first < ageRecords.size(); blockStartRow += DoseBlockRows) {
                const int remaining = static_cast<int>(ageRecords.size() - first);
                const int size = BlockRecordCount(At(*ageRecords[first], nletPosition), remaining);
                const Record& lead = *ageRecords[first];
                const Record* highLetPart = size == 2 ? ageRecords[first + 1] : nullptr;
                first += static_cast<std::size_t>(size);
                const bool highLet =
                    IsHighLetType(At(lead, AgeDependentDoseCoefs::RadiationTypePosition).TextOrEmpty());
                for (int i = 1; i <= count; ++i) {
                    const auto c = static_cast<std::size_t>(i);
                    if (!Keeps(selection.Descriptor, descriptors[c])) continue;
                    const int position = AgeDependentDoseCoefs::CoefficientFieldPositions[c];
                    const auto value = AgeDependentDoseValue(
                        i, count, highLet, StoredDoseValue(At(lead, position)), highLetPart != nullptr,
                        highLetPart ? StoredDoseValue(At(*highLetPart, position)) : std::nullopt, unitFactor);
                    Coefficient cell;
                    cell.Nuclide = At(lead, nuclidePosition).TextOrEmpty();
                    cell.Form = At(lead, AgeDependentDoseCoefs::SubtitlePosition).TextOrEmpty();
                    cell.Age = ages.AgeGroupNames[a];
                    cell.Descriptor = descriptors[c];
                    cell.Value = value;
                    cell.Text = TextOf(value);
                    cell.Source = SourceOf(lead, sourcePosition);
                    cell.Row = blockStartRow + DoseBlockHeadRows + i;
                    cell.Column = selection.Age ? -1 : column;
                    sink(std::move(cell));
                }
            }
        }
    }
}

void ScanExternalDose(Database& database, const TableKind& kind, double unitFactor, const ScanSelection& selection,
                      const CoefficientSink& sink) {
    if (!Keeps(selection.Age, ExternalDoseAge)) return;
    const Recordset records = OpenTableRecords(database, ExternalDoseTableName(kind.Geometry), "", {}, selection);
    const int sourcePosition = records.FindField("Source");
    constexpr int count = clsExternalCoefs::CoefficientCount;
    const int nuclidePosition = records.FieldPosition("Nuclide");
    for (const NuclideRecords& nuclide : GroupByNuclide(records, nuclidePosition)) {
        // Only the record with the lowest ID is shown.
        const Record& record = *nuclide.Records.front();
        std::vector<std::optional<double>> stored(count + 1);
        for (int i = 1; i < count; ++i) stored[static_cast<std::size_t>(i)] = StoredDoseValue(At(record, i + 1));
        stored[count] = ColonDose(stored[clsExternalCoefs::UpperLargeIntestinePosition - 1],
                                  stored[clsExternalCoefs::LowerLargeIntestinePosition - 1]);
        for (int i = 1; i <= count; ++i) {
            std::string descriptor = i < count ? records.FieldName(i + 1) : clsExternalCoefs::ColonDoseDescriptor;
            if (!Keeps(selection.Descriptor, descriptor)) continue;
            Coefficient cell;
            cell.Nuclide = At(record, nuclidePosition).TextOrEmpty();
            cell.Age = ExternalDoseAge;
            cell.Descriptor = std::move(descriptor);
            cell.Value = InUnit(stored[static_cast<std::size_t>(i)], unitFactor);
            cell.Text = TextOf(cell.Value);
            cell.Source = SourceOf(record, sourcePosition);
            cell.Row = clsExternalCoefs::HeadRows + i;
            cell.Column = 1;
            sink(std::move(cell));
        }
    }
}

void ScanRisk(Database& database, const TableKind& kind, double unitFactor, const ScanSelection& selection,
              const CoefficientSink& sink) {
    const bool ingestion = kind.PathwayCode == IngestionPathway;
    const bool external = kind.IsExternal();
    const int firstPosition = ingestion  ? IngestionRiskFirstPosition
                              : external ? ExternalRiskFirstPosition
                                         : InhalationRiskFirstPosition;
    std::string condition;
    std::vector<QueryParameter> parameters;
    if (external) {
        condition = "(Mode = ? COLLATE NOCASE)";
        parameters.emplace_back(ExternalRiskMode(kind.Geometry));
    }
    const Recordset records =
        OpenTableRecords(database, kind.Request(1).TableName(), condition, std::move(parameters), selection);
    const int sourcePosition = records.FindField("Source");
    const int intakePosition = ingestion ? records.FieldPosition("Intake") : -1;
    const int formPosition = external ? -1 : records.FieldPosition("Form");
    const int f1Position = external ? -1 : records.FieldPosition("f_1");
    std::vector<std::string> bands(RiskDisplayedColumns);
    for (int j = 1; j < RiskDisplayedColumns; ++j)
        bands[static_cast<std::size_t>(j)] = RiskColumnHeading(records.FieldName(firstPosition + j));

    const int nuclidePosition = records.FieldPosition("Nuclide");
    for (const NuclideRecords& nuclide : GroupByNuclide(records, nuclidePosition)) {
        int r = external ? 0 : InternalRiskTitleRows;
        for (std::size_t first = 0; first < nuclide.Records.size(); first += RiskSectionRecords) {
            const Record& lead = *nuclide.Records[first];
            std::string intake = ingestion ? At(lead, intakePosition).TextOrEmpty() : std::string();
            std::string form;
            int valueRow = r + ExternalRiskHeadRows;
            if (!external) {
                const FieldValue& stored = At(lead, formPosition);
                form = stored.IsNull() ? "f1 = " + At(lead, f1Position).TextOrEmpty() : stored.Text();
                valueRow = r + (stored.IsNull() ? 0 : 1) + InternalRiskSectionHeadRows;
            }
            const std::size_t end = std::min(first + RiskSectionRecords, nuclide.Records.size());
            for (std::size_t n = first; n < end; ++n, ++valueRow) {
                const Record& record = *nuclide.Records[n];
                std::string site = RiskCellOf(At(record, firstPosition + CancerSiteColumn), unitFactor).Text;
                if (!Keeps(selection.Descriptor, site) || !Keeps(selection.Intake, intake)) continue;
                for (int j = 1; j < RiskDisplayedColumns; ++j) {
                    const int outcome = RiskOutcomeOfColumn(j);
                    const std::string& band = bands[static_cast<std::size_t>(j)];
                    if (!Keeps(selection.Age, band) || (selection.Outcome && *selection.Outcome != outcome)) continue;
                    RiskCell value = RiskCellOf(At(record, firstPosition + j), unitFactor);
                    Coefficient cell;
                    cell.Nuclide = At(record, nuclidePosition).TextOrEmpty();
                    cell.Form = form;
                    cell.Age = band;
                    cell.Intake = intake;
                    cell.Descriptor = site;
                    cell.Outcome = outcome;
                    cell.Value = value.Value;
                    cell.Text = std::move(value.Text);
                    cell.Source = SourceOf(record, sourcePosition);
                    cell.Row = valueRow;
                    cell.Column = j;
                    sink(std::move(cell));
                }
            }
            r = valueRow - 1 + RiskSectionGap;
        }
    }
}

}  // namespace

std::string FoldCase(std::string_view text) {
    std::string key(text);
    for (char& c : key) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    return key;
}

ScanSelection SelectionOf(const Quantity& quantity) {
    ScanSelection selection;
    selection.Age = quantity.Age;
    selection.Descriptor = quantity.Descriptor;
    if (!quantity.Kind.IsDose()) {
        selection.Outcome = quantity.Outcome;
        if (quantity.Kind.PathwayCode == IngestionPathway) selection.Intake = quantity.Intake;
    }
    return selection;
}

// A risk table holds thirty records of some forty fields for each nuclide: read whole, it
// would take tens of megabytes. Read a batch of nuclides at a time, in the table's order.
void ScanRiskInBatches(Database& database, const TableKind& kind, double unitFactor, const ScanSelection& selection,
                       const CoefficientSink& sink) {
    if (!selection.Nuclides.empty()) return ScanRisk(database, kind, unitFactor, selection, sink);
    constexpr std::size_t BatchNuclides = 64;
    const Recordset names = database.OpenQuery("SELECT Nuclide FROM " + kind.Request(1).TableName() +
                                               " GROUP BY Nuclide COLLATE NOCASE ORDER BY MIN(ID);");
    ScanSelection batch = selection;
    for (const Record& name : names.Records()) {
        batch.Nuclides.push_back(At(name, 0).TextOrEmpty());
        if (batch.Nuclides.size() == BatchNuclides) {
            ScanRisk(database, kind, unitFactor, batch, sink);
            batch.Nuclides.clear();
        }
    }
    if (!batch.Nuclides.empty()) ScanRisk(database, kind, unitFactor, batch, sink);
}

void ScanTable(Database& database, const TableKind& kind, double unitFactor, const AgeGroups& ages,
               const ScanSelection& selection, const CoefficientSink& sink) {
    if (!kind.IsDose())
        ScanRiskInBatches(database, kind, unitFactor, selection, sink);
    else if (kind.IsExternal())
        ScanExternalDose(database, kind, unitFactor, selection, sink);
    else
        ScanAgeDependentDose(database, kind, unitFactor, ages, selection, sink);
}

std::vector<Coefficient> ScanTable(Database& database, const TableKind& kind, double unitFactor, const AgeGroups& ages,
                                   const ScanSelection& selection) {
    std::vector<Coefficient> cells;
    ScanTable(database, kind, unitFactor, ages, selection,
              [&](Coefficient&& cell) { cells.push_back(std::move(cell)); });
    return cells;
}

}  // namespace quorvel
