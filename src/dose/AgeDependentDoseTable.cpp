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

// Reads the records of one query into tables, nuclide by nuclide.
class AgeDependentDoseReader {
public:
    AgeDependentDoseReader(const Recordset& records, const AgeGroups& ages, double unitFactor,
                           const ScanSelection& selection)
        : ages_(ages),
          unitFactor_(unitFactor),
          selection_(selection),
          nuclide_(records.FieldPosition("Nuclide")),
          age_(records.FieldPosition("Age")),
          nlet_(records.FieldPosition("Nlet")),
          source_(records.FindField("Source")) {
        auto descriptors = std::make_shared<std::vector<std::string>>();
        for (int i = 1; i <= CoefficientCount; ++i)
            descriptors->push_back(
                records.FieldName(AgeDependentDoseCoefs::CoefficientFieldPositions[static_cast<std::size_t>(i)]));
        descriptors_ = std::move(descriptors);
    }

    int NuclidePosition() const { return nuclide_; }

    // One nuclide's records as its table: a column for each age group of the list that
    // has records, the blocks of each column in ID order.
    CoefficientTable TableOf(const TableKind& kind, const std::vector<const Record*>& records) const {
        CoefficientTable table;
        table.Kind = kind;
        table.Nuclide = FieldAt(*records.front(), nuclide_).TextOrEmpty();
        table.ColumnKeys = ages_.AgeGroupNames;
        table.HasRecords = true;
        table.Cells.reserve(records.size() * (selection_.Descriptor ? 1 : CoefficientCount));
        std::vector<std::vector<const Record*>> byAge(ages_.AgeGroupDays.size());
        for (const Record* record : records) {
            const FieldValue& age = FieldAt(*record, age_);
            if (!age.IsNumeric()) continue;
            const auto found = std::find(ages_.AgeGroupDays.begin(), ages_.AgeGroupDays.end(), age.Number());
            if (found != ages_.AgeGroupDays.end())
                byAge[static_cast<std::size_t>(found - ages_.AgeGroupDays.begin())].push_back(record);
        }
        for (std::size_t age = 0; age < byAge.size(); ++age) {
            const std::vector<const Record*>& column = byAge[age];
            int block = 0;
            for (std::size_t first = 0; first < column.size(); ++block) {
                const int size =
                    BlockRecordCount(FieldAt(*column[first], nlet_), static_cast<int>(column.size() - first));
                // The second record of a two-record block is the high-LET part of the first.
                ReadBlock(*column[first], size == 2 ? column[first + 1] : nullptr, age, block, table);
                first += static_cast<std::size_t>(size);
            }
        }
        return table;
    }

private:
    void ReadBlock(const Record& lead, const Record* highLetPart, std::size_t age, int block,
                   CoefficientTable& table) const {
        const FieldValue& subtitle = FieldAt(lead, AgeDependentDoseCoefs::SubtitlePosition);
        const FieldValue none;
        const FieldValue& source = source_ < 0 ? none : FieldAt(lead, source_);
        // The first age group that has a block heads it; the grid shows that heading when it
        // is the first age group of the list.
        if (block >= static_cast<int>(table.Blocks.size())) {
            TableBlock heading;
            if (selection_.KeepsWholeTables()) {
                heading.Nuclide = FieldAt(lead, nuclide_).TextOrEmpty();
                heading.HeaderText = FieldAt(lead, AgeDependentDoseCoefs::HeaderTextPosition).TextOrEmpty();
                heading.Subtitle = subtitle.TextOrEmpty();
            }
            heading.RowLabels = descriptors_;
            heading.Headed = age == 0;
            table.Blocks.push_back(std::move(heading));
        }
        const bool highLet = IsHighLetType(FieldAt(lead, AgeDependentDoseCoefs::RadiationTypePosition).TextOrEmpty());
        for (int i = 1; i <= CoefficientCount; ++i) {
            const std::string& descriptor = (*descriptors_)[static_cast<std::size_t>(i - 1)];
            if (!SelectionKeeps(selection_.Descriptor, descriptor)) continue;
            const int position = AgeDependentDoseCoefs::CoefficientFieldPositions[static_cast<std::size_t>(i)];
            Coefficient cell;
            cell.Value = AgeDependentDoseValue(
                i, CoefficientCount, highLet, StoredDoseValue(FieldAt(lead, position)), highLetPart != nullptr,
                highLetPart ? StoredDoseValue(FieldAt(*highLetPart, position)) : std::nullopt, unitFactor_);
            cell.Nuclide = FieldAt(lead, nuclide_).TextOrEmpty();
            cell.Form = subtitle.TextOrEmpty();
            cell.Age = ages_.AgeGroupNames[age];
            cell.Descriptor = descriptor;
            cell.Text = cell.Value ? FormatScientific(*cell.Value) : std::string();
            cell.Source = source.TextOrEmpty();
            cell.Block = block;
            cell.BlockRow = i - 1;
            cell.ColumnKey = static_cast<int>(age);
            table.Cells.push_back(std::move(cell));
        }
    }

    const AgeGroups& ages_;
    double unitFactor_;
    const ScanSelection& selection_;
    int nuclide_, age_, nlet_, source_;
    std::shared_ptr<const std::vector<std::string>> descriptors_;  // of coefficients 1 to 25
};

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
    const AgeDependentDoseReader reader(records, ages, unitFactor, selection);
    const std::vector<NuclideRecords> nuclides = GroupByNuclide(records, reader.NuclidePosition());
    for (const NuclideRecords& nuclide : nuclides) sink(reader.TableOf(kind, nuclide.Records));
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
