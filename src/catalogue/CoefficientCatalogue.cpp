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

UnitChoice CoefficientCatalogue::UnitOf(const TableKind& kind, int unitPosition) const {
    return ChooseUnit(Units(), kind, unitPosition);
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
