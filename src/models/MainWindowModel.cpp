#include "MainWindowModel.h"

#include <algorithm>
#include <cstdio>

#include "CaseFolding.h"
#include "DecayChain.h"
#include "EmptyResult.h"
#include "GridConventions.h"
#include "NuclideList.h"
#include "NumberText.h"
#include "ScientificFormat.h"
#include "TypeAhead.h"
#include "WindowPlacement.h"

namespace quorvel {

namespace {

// The text without the white space a user may type or paste around it.
std::string TrimSpace(const std::string& text) {
    constexpr const char* space = " \t\n\v\f\r";
    const auto first = text.find_first_not_of(space);
    if (first == std::string::npos) return {};
    return text.substr(first, text.find_last_not_of(space) - first + 1);
}

}  // namespace

MainWindowModel::MainWindowModel(BusyPointer& busy) : busy_(busy) {}

MainWindowModel::~MainWindowModel() = default;

void MainWindowModel::OpenDatabase(const std::string& path) {
    session_ = std::make_unique<DatabaseSession>(path);
    catalogue_ = std::make_unique<CoefficientCatalogue>(*session_);
}

int MainWindowModel::TypeAheadEntry(int selected, const std::string& text) const {
    return TypeAheadSelection(entries_, selected, text);
}

CoefficientRequest MainWindowModel::Request() const {
    return {options_.Nuclide, options_.Kind, options_.UnitIndex + 1};
}

UnitListState MainWindowModel::Units() const {
    UnitListState state;
    const int category = UnitCategory(options_.Kind);
    for (const UnitChoice& unit : UnitListOf(session_->Units(), options_.Kind.Type).Units(category))
        state.Names.push_back(unit.Name);
    const int count = static_cast<int>(state.Names.size());
    if (count > 0) state.Selected = UnitListIndex(SavedUnit(options_.Kind.Type, category), count);
    return state;
}

int MainWindowModel::SavedUnit(CoefficientType type, int category) const {
    return (type == CoefficientType::Dose ? savedDoseUnit_ : savedRiskUnit_)[static_cast<std::size_t>(category)];
}

int& MainWindowModel::SavedUnitOf(const TableKind& kind) {
    return (kind.IsDose() ? savedDoseUnit_ : savedRiskUnit_)[static_cast<std::size_t>(UnitCategory(kind))];
}

void MainWindowModel::RestoreUnits(const UserSettings& settings) {
    for (std::size_t category = 1; category <= 4; ++category) {
        savedDoseUnit_[category] = settings.SavedDoseUnit[category];
        savedRiskUnit_[category] = settings.SavedRiskUnit[category];
    }
}

void MainWindowModel::StoreUnits(UserSettings& settings) const {
    settings.SavedDoseUnit = savedDoseUnit_;
    settings.SavedRiskUnit = savedRiskUnit_;
}

std::optional<double> MainWindowModel::ProgenyCutoffSeconds() const {
    if (!options_.Progeny) return std::nullopt;
    const auto cutoff = ReadDurationSeconds(options_.ProgenyCutoff);
    if (!cutoff) throw ProgenyCutoffError(std::string("The +D half-life cutoff is not ") + DurationUnitsHelp() + ".");
    return cutoff;
}

bool MainWindowModel::Apply() {
    gridCurrent_ = false;
    // An empty units list leaves no unit to request in.
    if (options_.UnitIndex < 0) return false;
    const CoefficientRequest request = Request();
    // The table is built aside, so that a failure leaves the previous one on screen.
    FlexGrid result = grid_;
    std::optional<ShownTable> shown;
    try {
        const std::optional<double> cutoff = ProgenyCutoffSeconds();
        ChooseUnit(session_->Units(), request);
        SavedUnitOf(request.Kind) = request.UnitPosition;
        shown = DispatchCoefficientRequest(*session_, request, result, busy_, cutoff);
    } catch (const ProgenyCutoffError&) {
        throw;
    } catch (const std::exception& e) {
        throw LookupFailure(std::string("An error (") + e.what() +
                            ") occured while looking up the coefficients.  The table shown is the one before this "
                            "request.");
    }
    grid_ = std::move(result);
    shown_ = std::move(shown);
    chartDrawn_ = false;
    requestStatus_ = IsEmptyResultGrid(grid_) ? EmptyResultExplanation(request)
                     : shown_->Progeny        ? shown_->Progeny->Label + "; point at a value to see its terms."
                                              : std::string();
    gridCurrent_ = true;
    return true;
}

std::string MainWindowModel::EmptyResultExplanation(const CoefficientRequest& request) const {
    const std::string wanted = FoldCase(request.Nuclide);
    const bool listed = std::any_of(entries_.begin(), entries_.end(),
                                    [&](const std::string& entry) { return FoldCase(EntryNuclide(entry)) == wanted; });
    try {
        return ExplainEmptyResult(session_->Connection(), request, listed);
    } catch (const std::exception&) {
        return {};  // the table stands; only the explanation is missing
    }
}

std::vector<std::string> MainWindowModel::ShownTableName() const {
    if (!shown_) return {};
    const TableKind& kind = shown_->Request.Kind;
    // The nuclide as the list spells it; one the list lacks as it was typed.
    std::string nuclide = TrimSpace(shown_->Request.Nuclide);
    for (const std::string& entry : entries_)
        if (FoldCase(EntryNuclide(entry)) == FoldCase(nuclide)) nuclide = EntryNuclide(entry);
    return {nuclide, kind.IsExternal() ? GeometryCaption(kind.Geometry) : PathwayCaption(kind.PathwayCode),
            TypeCaption(kind.Type), shown_->ProgenyCutoffSeconds ? "+D" : ""};
}

int MainWindowModel::ShownCellIndex(int row, int col) const {
    if (!shown_ || row < 0 || col < 0 || row >= grid_.Rows() || col >= grid_.Cols()) return -1;
    return grid_.CellCoefficient(row, col);
}

std::string MainWindowModel::CellToolTip(int row, int col) const {
    const int index = ShownCellIndex(row, col);
    if (index < 0) return {};
    const Coefficient& cell = shown_->Table.Cells[static_cast<std::size_t>(index)];
    const std::string source = cell.Text.empty() ? std::string() : cell.Source;
    const std::string terms = ProgenyTermsOfCell(index);
    return terms.empty() ? source : terms + (source.empty() ? "" : "\n" + source);
}

std::string MainWindowModel::ProgenyTermsOfCell(int index) const {
    if (!shown_->Progeny) return {};
    const ProgenyCell& cell = shown_->Progeny->Cells[static_cast<std::size_t>(index)];
    if (!cell.Value) return {};
    std::string text = cell.Parent.Nuclide + ": " + cell.Parent.Text;
    for (const ProgenyTerm& term : cell.Terms) {
        char share[32];
        std::snprintf(share, sizeof share, "%.3g",
                      term.Value && *cell.Value != 0 ? 100 * term.Fraction * *term.Value / *cell.Value : 0.0);
        text += "\n+ " + term.Nuclide + ": " + FormatFraction(term.Fraction) + " x " +
                (term.Value ? FormatScientific(*term.Value) + " (" + share + " % of the sum)"
                            : std::string("missing: no value in this database"));
    }
    return text + "\n= " + FormatScientific(*cell.Value);
}

ChartChoices MainWindowModel::ChartChoicesOf(const std::string& pickedKind) const {
    ChartChoices choices;
    if (!shown_) return choices;
    const TableKind& kind = shown_->Request.Kind;
    choices.Kinds = ChartKindsOf(kind);
    // The kind picked for another table may not be one of this table's.
    const bool offered = std::find(choices.Kinds.begin(), choices.Kinds.end(), pickedKind) != choices.Kinds.end();
    choices.Kind = offered ? pickedKind : choices.Kinds.front();
    choices.DefaultDescriptor = kind.IsDose() ? "Effective" : "Total";
    choices.DefaultAge = kind.IsDose() ? "Adult" : "Lifetime";
    // A chart against age takes a row of the table; the others take an age.
    const bool byAge = choices.Kind == "by-age";
    const auto addOnce = [](std::vector<std::string>& list, const std::string& item) {
        if (std::find(list.begin(), list.end(), item) == list.end()) list.push_back(item);
    };
    for (const Coefficient& cell : shown_->Table.Cells) {
        if (byAge)
            addOnce(choices.Descriptors, cell.Descriptor);
        else
            addOnce(choices.Ages, cell.Age);
    }
    return choices;
}

ChartData MainWindowModel::ShownChart(const ChartChoice& choice) {
    // The grid's +D switch and cutoff, so that the chart shows the grid's numbers.
    catalogue_->IncludeProgeny(shown_->ProgenyCutoffSeconds);
    return NuclideChart(*catalogue_, shown_->Request, choice);
}

std::string MainWindowModel::ToolNuclide() const { return TrimSpace(options_.Nuclide); }

MixtureRow MainWindowModel::CalculatorRow() const {
    const TableKind& kind = options_.Kind;
    MixtureRow row;
    row.Nuclide = options_.Nuclide;
    if (kind.IsExternal()) {
        row.Pathway = kind.GeometryWord();
        row.Unit = kind.Geometry == ExternalGeometry::GroundPlane ? "Bq/m2" : "Bq/m3";
        row.TimeUnit = "h";
    } else {
        row.Pathway = PathwayWords()[static_cast<std::size_t>(CodeIndex(kind.PathwayCode))].first;
        row.Age = "Adult";
        row.Unit = "Bq";
    }
    return row;
}

}  // namespace quorvel
