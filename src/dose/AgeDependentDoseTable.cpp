#include "AgeDependentDoseTable.h"

#include <algorithm>
#include <cmath>

#include "DatabaseError.h"
#include "DoseCoefficientReports.h"
#include "DoseValueRules.h"
#include "GridConventions.h"
#include "NuclideRecords.h"
#include "ScientificFormat.h"
#include "TableLayout.h"

namespace quorvel {

namespace {

constexpr int CoefficientCount = AgeDependentDoseCoefs::CoefficientCount;

// Where the fields of the table's records are.
struct Positions {
    int Nuclide, Age, Nlet, Source;
    std::vector<std::string> Descriptors;  // of coefficients 1 to 25, from 0
};

bool Keeps(const std::optional<std::string>& wanted, const std::string& value) { return !wanted || *wanted == value; }

// The block of the age that starts at `first`, as cells; first moves past it.
void ReadBlock(const std::vector<const Record*>& records, std::size_t& first, const Positions& at, std::size_t age,
               int block, double unitFactor, const AgeGroups& ages, const ScanSelection& selection,
               CoefficientTable& table) {
    const int size = BlockRecordCount(FieldAt(*records[first], at.Nlet), static_cast<int>(records.size() - first));
    const Record& lead = *records[first];
    // The second record of a two-record block is the high-LET part of the first.
    const Record* highLetPart = size == 2 ? records[first + 1] : nullptr;
    first += static_cast<std::size_t>(size);
    const std::string subtitle = FieldAt(lead, AgeDependentDoseCoefs::SubtitlePosition).TextOrEmpty();
    if (block >= static_cast<int>(table.Blocks.size())) {
        TableBlock heading;
        heading.Nuclide = FieldAt(lead, at.Nuclide).TextOrEmpty();
        heading.HeaderText = FieldAt(lead, AgeDependentDoseCoefs::HeaderTextPosition).TextOrEmpty();
        heading.Subtitle = subtitle;
        heading.RowLabels = at.Descriptors;
        heading.Headed = age == 0;
        heading.SourceNote = PublicationNamedIn(subtitle);
        if (heading.SourceNote.empty() && at.Source >= 0)
            AddSourceFile(heading.SourceNote, FieldAt(lead, at.Source).TextOrEmpty());
        table.Blocks.push_back(std::move(heading));
    }
    const bool highLet = IsHighLetType(FieldAt(lead, AgeDependentDoseCoefs::RadiationTypePosition).TextOrEmpty());
    for (int i = 1; i <= CoefficientCount; ++i) {
        const auto c = static_cast<std::size_t>(i);
        if (!Keeps(selection.Descriptor, at.Descriptors[c - 1])) continue;
        const int position = AgeDependentDoseCoefs::CoefficientFieldPositions[c];
        Coefficient cell;
        cell.Value = AgeDependentDoseValue(
            i, CoefficientCount, highLet, StoredDoseValue(FieldAt(lead, position)), highLetPart != nullptr,
            highLetPart ? StoredDoseValue(FieldAt(*highLetPart, position)) : std::nullopt, unitFactor);
        cell.Nuclide = FieldAt(lead, at.Nuclide).TextOrEmpty();
        cell.Form = subtitle;
        cell.Age = ages.AgeGroupNames[age];
        cell.Descriptor = at.Descriptors[c - 1];
        cell.Text = cell.Value ? FormatScientific(*cell.Value) : std::string();
        cell.Source = at.Source < 0 ? std::string() : FieldAt(lead, at.Source).TextOrEmpty();
        cell.Block = block;
        cell.BlockRow = i - 1;
        cell.ColumnKey = static_cast<int>(age);
        table.Cells.push_back(std::move(cell));
    }
}

}  // namespace

int BlockRecordCount(const FieldValue& nlet, int remaining) {
    const double count = std::nearbyint(nlet.Number());
    if (count < 1) throw DatabaseError("Nlet is " + nlet.TextOrEmpty() + "; a block holds at least one record.");
    // A count beyond the records that remain takes what remains.
    return count > remaining ? remaining : static_cast<int>(count);
}

void ReadAgeDependentDoseTables(Database& database, const TableKind& kind, const AgeGroups& ages, double unitFactor,
                                const ScanSelection& selection, const TableSink& sink) {
    std::string condition;
    std::vector<QueryParameter> parameters;
    if (selection.Age) {
        const auto age = std::find(ages.AgeGroupNames.begin(), ages.AgeGroupNames.end(), *selection.Age);
        if (age == ages.AgeGroupNames.end()) return;
        condition = "(Age = ?)";
        parameters.emplace_back(ages.AgeGroupDays[static_cast<std::size_t>(age - ages.AgeGroupNames.begin())]);
    }
    const Recordset records =
        OpenTableRecords(database, DoseTableName(kind), condition, std::move(parameters), selection.Nuclides);
    Positions at{records.FieldPosition("Nuclide"),
                 records.FieldPosition("Age"),
                 records.FieldPosition("Nlet"),
                 records.FindField("Source"),
                 {}};
    for (int i = 1; i <= CoefficientCount; ++i)
        at.Descriptors.push_back(
            records.FieldName(AgeDependentDoseCoefs::CoefficientFieldPositions[static_cast<std::size_t>(i)]));

    const std::vector<NuclideRecords> nuclides = GroupByNuclide(records, at.Nuclide);
    for (const NuclideRecords& nuclide : nuclides) {
        CoefficientTable table;
        table.Kind = kind;
        table.Nuclide = FieldAt(*nuclide.Records.front(), at.Nuclide).TextOrEmpty();
        table.ColumnKeys = ages.AgeGroupNames;
        table.HasRecords = true;
        table.Cells.reserve(nuclide.Records.size() * CoefficientCount);
        // The records of each age group in ID order; a value column for each group that has some.
        std::vector<std::vector<const Record*>> byAge(ages.AgeGroupDays.size());
        for (const Record* record : nuclide.Records) {
            const FieldValue& age = FieldAt(*record, at.Age);
            if (!age.IsNumeric()) continue;
            const auto found = std::find(ages.AgeGroupDays.begin(), ages.AgeGroupDays.end(), age.Number());
            if (found != ages.AgeGroupDays.end())
                byAge[static_cast<std::size_t>(found - ages.AgeGroupDays.begin())].push_back(record);
        }
        for (std::size_t age = 0; age < byAge.size(); ++age) {
            int block = 0;
            for (std::size_t first = 0; first < byAge[age].size(); ++block)
                ReadBlock(byAge[age], first, at, age, block, unitFactor, ages, selection, table);
        }
        sink(std::move(table));
    }
    for (const std::string& name : NamesNotFound(selection.Nuclides, nuclides))
        sink({.Kind = kind, .Nuclide = name, .ColumnKeys = ages.AgeGroupNames});
}

void ReportAgeDependentDoseCoefficients(AgeDependentDoseCoefs& coefs, const CoefficientTable& table, FlexGrid& grid,
                                        bool emptyWithoutRecords) {
    SetEmptyResultGrid(grid);
    if (emptyWithoutRecords && !table.HasRecords) return;
    // A descriptor column and one column per age group of the list.
    grid.SetCols(static_cast<int>(table.ColumnKeys.size()) + 1);

    // The cells of each block, by column key, in row order.
    std::vector<std::vector<std::vector<const Coefficient*>>> byKey(table.ColumnKeys.size());
    for (const Coefficient& cell : table.Cells) {
        auto& blocks = byKey[static_cast<std::size_t>(cell.ColumnKey)];
        if (cell.Block >= static_cast<int>(blocks.size())) blocks.resize(static_cast<std::size_t>(cell.Block) + 1);
        blocks[static_cast<std::size_t>(cell.Block)].push_back(&cell);
    }
    int valueColumn = 0;
    for (const auto& blocks : byKey) {
        if (blocks.empty()) continue;
        ++valueColumn;
        for (std::size_t block = 0; block < blocks.size(); ++block)
            coefs.ReportCoefficientsInAnMSFlexGrid(table, static_cast<int>(block), blocks[block], grid,
                                                   static_cast<int>(block) * DoseBlockRows, valueColumn);
    }
    for (std::size_t block = 0; block < table.Blocks.size(); ++block) {
        const int start = static_cast<int>(block) * DoseBlockRows;
        RecordBlockRows(grid, table.Blocks[block].Headed ? start : start + DoseBlockHeadRows, start + DoseBlockHeadRows,
                        static_cast<int>(block), RowRole::Heading);
        RecordBlockRows(grid, start + DoseBlockHeadRows + 1, start + DoseBlockHeadRows + CoefficientCount,
                        static_cast<int>(block), RowRole::Data);
    }
    RecordBlockSources(grid, table);
}

}  // namespace quorvel
