#include "CoefficientCatalogue.h"

#include <algorithm>
#include <unordered_map>

#include "AgeDependentDoseCoefs.h"
#include "CaseFolding.h"
#include "CoefficientTables.h"
#include "ExternalCoefs.h"
#include "HalfLife.h"
#include "NumberText.h"

namespace quorvel {

namespace {

std::vector<NuclideInfo> NuclidesOf(const Recordset& records) {
    const int z = records.FieldPosition("Z");
    const int element = records.FieldPosition("Element");
    const int nuclide = records.FieldPosition("Nuclide");
    const int halfLife = records.FieldPosition("T1/2");
    std::vector<NuclideInfo> nuclides;
    nuclides.reserve(records.Records().size());
    for (const auto& record : records.Records()) {
        const auto text = [&](int position) {
            return TrimBlanks(record[static_cast<std::size_t>(position)].TextOrEmpty());
        };
        NuclideInfo info{text(z), text(element), text(nuclide), text(halfLife), std::nullopt, std::nullopt};
        if (const auto number = ReadNumber(info.Z); number && *number == static_cast<int>(*number))
            info.AtomicNumber = static_cast<int>(*number);
        info.HalfLifeSeconds = HalfLifeSeconds(info.HalfLife);
        nuclides.push_back(std::move(info));
    }
    return nuclides;
}

// A name as the closest names compare it: folded, without blanks and hyphens, and short
// enough that a comparison with every listed name costs nothing.
std::string NameKey(std::string_view name) {
    std::string key;
    for (const char c : FoldCase(name))
        if (c != '-' && c != ' ' && key.size() < 16) key += c;
    return key;
}

// The letters to insert, remove or replace to make one key of the other.
std::size_t EditDistance(const std::string& a, const std::string& b) {
    std::vector<std::size_t> row(b.size() + 1);
    for (std::size_t j = 0; j <= b.size(); ++j) row[j] = j;
    for (std::size_t i = 1; i <= a.size(); ++i) {
        std::size_t diagonal = row[0];
        row[0] = i;
        for (std::size_t j = 1; j <= b.size(); ++j) {
            const std::size_t above = row[j];
            row[j] = std::min({above + 1, row[j - 1] + 1, diagonal + (a[i - 1] == b[j - 1] ? 0 : 1)});
            diagonal = above;
        }
    }
    return row[b.size()];
}

void AddOnce(std::vector<std::string>& list, const std::string& value) {
    if (std::find(list.begin(), list.end(), value) == list.end()) list.push_back(value);
}

}  // namespace

ScanSelection SelectionOf(const Quantity& quantity) {
    ScanSelection selection;
    selection.Age = quantity.Age;
    selection.Descriptor = quantity.Descriptor;
    if (!quantity.Kind.IsDose()) {
        selection.Outcome = quantity.Outcome;
        if (quantity.Kind.PathwayCode == Pathway::Ingestion) selection.Intake = quantity.Intake;
    }
    return selection;
}

CoefficientCatalogue::CoefficientCatalogue(DatabaseSession& session)
    : session_(session), nuclides_(NuclidesOf(session.NuclideRecords())) {}

const NuclideInfo* CoefficientCatalogue::FindNuclide(std::string_view name) const {
    const std::string key = FoldCase(name);
    for (const auto& nuclide : nuclides_)
        if (FoldCase(nuclide.Nuclide) == key) return &nuclide;
    return nullptr;
}

std::string CoefficientCatalogue::NotListed(std::string_view name) const {
    constexpr std::size_t Named = 3;
    const std::string key = NameKey(name);
    std::vector<std::pair<std::size_t, const std::string*>> nearest;
    for (const auto& nuclide : nuclides_)
        nearest.emplace_back(EditDistance(key, NameKey(nuclide.Nuclide)), &nuclide.Nuclide);
    std::stable_sort(nearest.begin(), nearest.end(), [](const auto& a, const auto& b) { return a.first < b.first; });
    std::vector<std::string> closest;
    for (const auto& [distance, nuclide] : nearest) {
        if (closest.size() == Named || (distance > 0 && nearest.front().first == 0)) break;
        if (std::find(closest.begin(), closest.end(), *nuclide) == closest.end()) closest.push_back(*nuclide);
    }
    std::string text = "\"" + std::string(name) + "\" is not in the nuclide list";
    for (std::size_t i = 0; i < closest.size(); ++i) text += (i == 0 ? "; the closest: " : ", ") + closest[i];
    return text;
}

UnitChoice CoefficientCatalogue::UnitOf(const TableKind& kind, int unitPosition) const {
    return ChooseUnit(Units(), kind, unitPosition);
}

std::string CoefficientCatalogue::UnitLabel(const Quantity& quantity) {
    const TableKind& kind = quantity.Kind;
    // The age-dependent dose tables' first row is the uptake fraction (HoldsUptakeFraction).
    if (kind.IsDose() && !kind.IsExternal() && !quantity.Descriptor.empty()) {
        const auto descriptors = Choices(kind).Descriptors;
        if (!descriptors.empty() && descriptors.front() == quantity.Descriptor) return FractionUnit;
    }
    const std::string unit = UnitOf(kind, quantity.UnitPosition).Name;
    return progenyCutoff_ ? unit + " (" + ProgenyUnitLabel(*progenyCutoff_) + ")" : unit;
}

void CoefficientCatalogue::ReadCells(const TableKind& kind, double unitFactor, const ScanSelection& selection,
                                     const CoefficientSink& sink) {
    ReadCoefficientTables(SourceOf(session_), kind, unitFactor, selection, [&sink](CoefficientTable&& table) {
        for (Coefficient& cell : table.Cells) sink(std::move(cell));
    });
}

std::vector<Coefficient> CoefficientCatalogue::Cells(const TableKind& kind, int unitPosition,
                                                     const ScanSelection& selection) {
    std::vector<Coefficient> cells;
    if (!progenyCutoff_) {
        ReadCells(kind, UnitOf(kind, unitPosition).Factor, selection,
                  [&cells](Coefficient&& cell) { cells.push_back(std::move(cell)); });
        return cells;
    }
    for (ProgenyCell& sum : ProgenyCellsOf(kind, unitPosition, selection, *progenyCutoff_)) {
        Coefficient cell = std::move(sum.Parent);
        TakeProgenyValue(cell, sum.Value);
        cells.push_back(std::move(cell));
    }
    return cells;
}

std::vector<ProgenyCell> CoefficientCatalogue::ProgenyCellsOf(const TableKind& kind, int unitPosition,
                                                              const ScanSelection& selection, double cutoff) {
    const DecayData& decay = session_.Decay();
    // The members' cells come from the same pass: the reading takes them in beside the parents.
    ScanSelection scan = selection;
    for (const std::string& parent : selection.Nuclides)
        for (const ChainMember& member : ShortLivedProgeny(decay, parent, cutoff))
            scan.Nuclides.push_back(member.Nuclide);
    std::vector<Coefficient> cells;
    ReadCells(kind, UnitOf(kind, unitPosition).Factor, scan,
              [&cells](Coefficient&& cell) { cells.push_back(std::move(cell)); });
    return AddProgenyToCells(cells, selection.Nuclides, decay, cutoff, kind);
}

std::vector<CatalogueRow> CoefficientCatalogue::Rows(const Quantity& quantity) {
    std::vector<Coefficient> cells = Cells(quantity.Kind, quantity.UnitPosition, SelectionOf(quantity));
    std::unordered_map<std::string, std::vector<std::size_t>> byNuclide;
    for (std::size_t i = 0; i < cells.size(); ++i) byNuclide[FoldCase(cells[i].Nuclide)].push_back(i);
    std::vector<CatalogueRow> rows;
    rows.reserve(cells.size());
    for (const NuclideInfo& nuclide : nuclides_) {
        const auto found = byNuclide.find(FoldCase(nuclide.Nuclide));
        if (found == byNuclide.end()) continue;
        for (std::size_t i : found->second) {
            Coefficient& cell = cells[i];
            rows.push_back({nuclide, std::move(cell.Form), cell.Value, std::move(cell.Text), std::move(cell.Source)});
        }
        // A nuclide listed twice is shown once.
        byNuclide.erase(found);
    }
    return rows;
}

void CoefficientCatalogue::EachCell(const TableKind& kind, int unitPosition, const ScanSelection& selection,
                                    const CoefficientSink& sink) {
    if (!progenyCutoff_) return ReadCells(kind, UnitOf(kind, unitPosition).Factor, selection, sink);
    for (Coefficient& cell : Cells(kind, unitPosition, selection)) sink(std::move(cell));
}

QuantityChoices CoefficientCatalogue::Choices(const TableKind& kind) {
    QuantityChoices choices;
    if (kind.IsDose()) {
        // Every block shows the same descriptors: the table's field names.
        const Recordset fields = session_.Connection().OpenQuery("SELECT * FROM " + TableName(kind) + " WHERE 0;");
        if (kind.IsExternal()) {
            choices.Ages = {ExternalDoseAge};
            for (int i = 1; i < clsExternalCoefs::CoefficientCount; ++i)
                choices.Descriptors.push_back(fields.FieldName(i + 1));
            choices.Descriptors.emplace_back(clsExternalCoefs::ColonDoseDescriptor);
        } else {
            choices.Ages = Ages().AgeGroupNames;
            for (int i = 1; i <= AgeDependentDoseCoefs::CoefficientCount; ++i)
                choices.Descriptors.push_back(
                    fields.FieldName(AgeDependentDoseCoefs::CoefficientFieldPositions[static_cast<std::size_t>(i)]));
        }
        return choices;
    }
    // Cell by cell: a risk table's every cell at once would hold some hundred megabytes.
    ReadCells(kind, 1.0, {}, [&choices](Coefficient&& cell) {
        AddOnce(choices.Ages, cell.Age);
        if (!cell.Intake.empty()) AddOnce(choices.Intakes, cell.Intake);
        AddOnce(choices.Descriptors, cell.Descriptor);
    });
    return choices;
}

}  // namespace quorvel
