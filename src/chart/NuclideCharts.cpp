#include "NuclideCharts.h"

#include <algorithm>
#include <cctype>
#include <map>

#include "CaseFolding.h"
#include "ChoiceMatch.h"
#include "DefaultQuantity.h"
#include "NumberText.h"
#include "ProgenyCells.h"

namespace quorvel {

namespace {

constexpr const char* NoneAvailable = "(None Available)";
constexpr const char* ByAgeChart = "by-age";
constexpr const char* OrgansChart = "organs";
constexpr const char* SitesChart = "sites";

std::string Listed(const std::vector<std::string>& choices) {
    std::string text;
    for (const auto& choice : choices) text += (text.empty() ? "" : "; ") + choice;
    return text;
}

// The choice the text names (MatchChoice's rules); the fallback when nothing was given.
std::string Pick(const std::vector<std::string>& choices, const std::string& given, const std::string& what,
                 const std::string& fallback) {
    if (given.empty()) return fallback;
    const auto matches = MatchChoice(choices, given);
    if (matches.size() == 1) return matches.front();
    if (matches.empty())
        throw ChartChoiceError("chart " + what + " \"" + given + "\" is none of: " + Listed(choices) + ".");
    throw ChartChoiceError("chart " + what + " \"" + given + "\" could be any of: " + Listed(matches) + ".");
}

void AddOnce(std::vector<std::string>& list, const std::string& item) {
    if (std::find(list.begin(), list.end(), item) == list.end()) list.push_back(item);
}

bool StartsWithFolded(const std::string& text, std::string_view start) { return FoldCase(text).starts_with(start); }

// The rows drawn apart: the effective doses among the organs, the total among the sites.
bool IsMarked(const TableKind& kind, const std::string& descriptor) {
    return kind.IsDose() ? StartsWithFolded(descriptor, "effective") : FoldCase(descriptor) == "total";
}

std::string Capitalised(std::string words) {
    bool start = true;
    for (char& c : words) {
        if (start && c >= 'a' && c <= 'z') c = static_cast<char>(c - 'a' + 'A');
        start = c == ' ';
    }
    return words;
}

std::string TableTitle(const TableKind& kind) {
    if (kind.IsDose() && kind.IsExternal()) return GeometryCaption(kind.Geometry) + " Dose Coefficients";
    std::string title = Capitalised(kind.Name()) + " Coefficients";
    if (kind.IsExternal()) title += " (" + GeometryCaption(kind.Geometry) + ")";
    return title;
}

// Series keyed by what tells them apart, in the order the table first shows them. Two
// sections alike in form, intake and outcome (an f1 apart, say) give a cell of a category
// twice: the second starts a series of its own rather than overwrite the first.
class SeriesBuilder {
public:
    explicit SeriesBuilder(std::size_t categories) : categories_(categories) {}

    void Set(const std::string& key, const std::string& name, std::size_t category, std::optional<double> value) {
        std::vector<std::size_t>& keyed = index_[key];
        auto free = std::find_if(keyed.begin(), keyed.end(), [&](std::size_t s) { return !filled_[s][category]; });
        if (free == keyed.end()) {
            series_.push_back({name, std::vector<std::optional<double>>(categories_)});
            filled_.emplace_back(categories_, false);
            free = keyed.insert(keyed.end(), series_.size() - 1);
        }
        series_[*free].Values[category] = value;
        filled_[*free][category] = true;
    }

    std::vector<ChartSeries> Take() {
        // Two forms of the same name stay two series.
        std::map<std::string, int> seen;
        for (ChartSeries& series : series_) {
            const int count = ++seen[series.Name];
            if (count > 1) series.Name += " (" + std::to_string(count) + ")";
        }
        return std::move(series_);
    }

private:
    std::size_t categories_;
    std::map<std::string, std::vector<std::size_t>> index_;
    std::vector<ChartSeries> series_;
    std::vector<std::vector<bool>> filled_;
};

// Leaves out the categories that no series has a value for: the rows the table keeps
// empty for this nuclide (the external tables' untabulated ones) draw nothing.
void DropEmptyCategories(ChartData& chart) {
    for (std::size_t c = chart.Categories.size(); c-- > 0;) {
        const bool empty = std::none_of(chart.Series.begin(), chart.Series.end(),
                                        [&](const ChartSeries& series) { return series.Values[c].has_value(); });
        if (!empty) continue;
        chart.Categories.erase(chart.Categories.begin() + static_cast<std::ptrdiff_t>(c));
        for (ChartSeries& series : chart.Series)
            series.Values.erase(series.Values.begin() + static_cast<std::ptrdiff_t>(c));
    }
}

std::size_t PositionOf(const std::vector<std::string>& list, const std::string& item) {
    return static_cast<std::size_t>(std::find(list.begin(), list.end(), item) - list.begin());
}

// What one nuclide's cells offer.
struct NuclideCells {
    TableKind Kind;
    std::vector<Coefficient> Cells;
    std::vector<std::string> Ages;         // in the table's order
    std::vector<std::string> Descriptors;  // the uptake fraction left out
    std::size_t Forms = 0;
};

NuclideCells CellsOf(CoefficientCatalogue& catalogue, const TableKind& kind, const CoefficientRequest& request) {
    NuclideCells result{kind, {}, {}, {}, 0};
    ScanSelection selection;
    selection.Nuclides = {request.Nuclide};
    result.Cells = catalogue.Cells(kind, request.UnitPosition, selection);
    std::vector<std::string> forms;
    for (const Coefficient& cell : result.Cells) {
        AddOnce(result.Ages, cell.Age);
        // The uptake fraction is no coefficient in the chart's unit: no chart draws it.
        if (!HoldsUptakeFraction(kind, cell)) AddOnce(result.Descriptors, cell.Descriptor);
        AddOnce(forms, cell.Form);
    }
    result.Forms = forms.size();
    return result;
}

// A dose series is one block of the table; a risk series one section's mortality or morbidity.
std::string SeriesKey(const TableKind& kind, const Coefficient& cell) {
    if (kind.IsDose()) return cell.Form + '\n' + std::to_string(cell.Block);
    return cell.Form + '\n' + cell.Intake + '\n' + std::to_string(CodeIndex(cell.Outcome));
}

std::string SeriesName(const NuclideCells& cells, const Coefficient& cell) {
    if (cells.Kind.IsDose()) {
        const std::string form = ShortForm(cell.Form);
        return form.empty() ? "Coefficient" : form;
    }
    std::string name = cells.Forms > 1 ? ShortForm(cell.Form) + ", " : std::string();
    if (!cell.Intake.empty()) name += cell.Intake + ", ";
    return name + (cell.Outcome == RiskOutcome::Morbidity ? "Morbidity" : "Mortality");
}

bool IsLifetimeBand(const std::string& band) { return StartsWithFolded(band, "lifetime"); }

// One row of the table against the age groups (dose) or the bands of age at intake (risk).
void FillByAge(ChartData& chart, const NuclideCells& cells, const AgeGroups& ages, const ChartChoice& choice) {
    const TableKind& kind = cells.Kind;
    const std::string descriptor =
        Pick(cells.Descriptors, choice.Descriptor, "descriptor", DefaultDescriptor(kind, cells.Descriptors));
    if (kind.IsDose()) {
        chart.Categories = ages.AgeGroupNames;
    } else {
        // The lifetime band is no age at intake: it stays in the sites chart.
        for (const auto& band : cells.Ages)
            if (!IsLifetimeBand(band)) chart.Categories.push_back(band);
        if (chart.Categories.empty()) chart.Categories = cells.Ages;
    }
    chart.CategoryTitle = kind.IsDose() ? "Age group" : "Age at intake";
    chart.Shape = ChartShape::Lines;
    chart.Title += ": " + descriptor;
    SeriesBuilder series(chart.Categories.size());
    for (const Coefficient& cell : cells.Cells) {
        if (cell.Descriptor != descriptor) continue;
        const std::size_t category = PositionOf(chart.Categories, cell.Age);
        if (category < chart.Categories.size())
            series.Set(SeriesKey(kind, cell), SeriesName(cells, cell), category, cell.Value);
    }
    chart.Series = series.Take();
}

// Every organ (dose) or cancer site (risk) of the table at one age.
void FillAtAge(ChartData& chart, const NuclideCells& cells, const ChartChoice& choice) {
    const TableKind& kind = cells.Kind;
    const std::string age =
        Pick(cells.Ages, choice.Age, kind.IsDose() ? "age" : "age band", DefaultAge(kind, cells.Ages));
    chart.Categories = cells.Descriptors;
    chart.CategoryTitle = kind.IsDose() ? "Organ" : "Cancer site";
    chart.Shape = ChartShape::HorizontalBars;
    chart.Title += kind.IsDose() ? (kind.IsExternal() ? ": organs" : ": organs, " + age) : ": cancer sites, " + age;
    SeriesBuilder series(chart.Categories.size());
    for (const Coefficient& cell : cells.Cells) {
        if (cell.Age != age) continue;
        const std::size_t category = PositionOf(chart.Categories, cell.Descriptor);
        if (category < chart.Categories.size())
            series.Set(SeriesKey(kind, cell), SeriesName(cells, cell), category, cell.Value);
    }
    chart.Series = series.Take();
    DropEmptyCategories(chart);
    for (const auto& category : chart.Categories)
        if (IsMarked(kind, category)) chart.MarkedCategories.push_back(category);
}

}  // namespace

std::vector<std::string> ChartKindsOf(const TableKind& kind) {
    if (!kind.IsDose()) return {ByAgeChart, SitesChart};
    if (kind.IsExternal()) return {OrgansChart};
    return {ByAgeChart, OrgansChart};
}

ChartData NuclideChart(CoefficientCatalogue& catalogue, const CoefficientRequest& request, const ChartChoice& choice) {
    const TableKind& kind = request.Kind;
    const auto kinds = ChartKindsOf(kind);
    const std::string chartKind = Pick(kinds, choice.Kind, "kind", kinds.front());
    const UnitChoice unit = catalogue.UnitOf(kind, request.UnitPosition);

    ChartData chart;
    // A chart says whose it is: of a name the list lacks there is none.
    const NuclideInfo* listed = catalogue.FindNuclide(request.Nuclide);
    if (!listed) throw ChartChoiceError(catalogue.NotListed(request.Nuclide) + ".");
    const auto cutoff = catalogue.ProgenyCutoff();
    chart.Title = listed->Nuclide + (cutoff ? "+D" : "") + ", " + TableTitle(kind);
    chart.ValueTitle = std::string(kind.IsDose() ? "Dose coefficient" : "Risk coefficient") + " (" + unit.Name +
                       (cutoff ? "; " + ProgenyUnitLabel(*cutoff) : "") + ")";
    chart.Logarithmic = true;

    const NuclideCells cells = CellsOf(catalogue, kind, request);
    if (cells.Descriptors.empty()) {
        chart.EmptyText = NoneAvailable;
        return chart;
    }
    if (chartKind == ByAgeChart)
        FillByAge(chart, cells, catalogue.Ages(), choice);
    else
        FillAtAge(chart, cells, choice);
    if (!chart.HasValues()) chart.EmptyText = NoneAvailable;
    return chart;
}

std::string QuantityChartTitle(const Quantity& quantity, bool withDescriptor) {
    std::string title = quantity.Kind.Name();
    if (!title.empty()) title[0] = static_cast<char>(std::toupper(static_cast<unsigned char>(title[0])));
    const std::string outcome = quantity.Kind.IsDose()                       ? ""
                                : quantity.Outcome == RiskOutcome::Mortality ? "mortality"
                                                                             : "morbidity";
    for (const std::string& part : {quantity.Kind.GeometryWord(), withDescriptor ? quantity.Descriptor : std::string(),
                                    quantity.Intake, quantity.Age, outcome})
        if (!part.empty()) title += ", " + part;
    return title;
}

ChartData RankingChart(const std::vector<CatalogueRow>& rows, const std::string& title, const std::string& valueTitle,
                       std::size_t topN) {
    ChartData chart;
    chart.Title = title;
    chart.CategoryTitle = "Nuclide";
    chart.ValueTitle = valueTitle;
    chart.Shape = ChartShape::HorizontalBars;
    const std::size_t count = topN == 0 ? rows.size() : std::min(topN, rows.size());
    std::map<std::string, int> shown;
    for (std::size_t i = 0; i < count; ++i) ++shown[rows[i].Nuclide.Nuclide];
    ChartSeries series{valueTitle, {}};
    for (std::size_t i = 0; i < count; ++i) {
        const CatalogueRow& row = rows[i];
        // A nuclide ranked with several forms names the form.
        const std::string form = ShortForm(row.Form);
        chart.Categories.push_back(row.Nuclide.Nuclide +
                                   (shown[row.Nuclide.Nuclide] > 1 && !form.empty() ? " (" + form + ")" : ""));
        series.Values.push_back(row.Value);
    }
    chart.Series.push_back(std::move(series));
    if (!chart.HasValues()) chart.EmptyText = NoneAvailable;
    return chart;
}

ChartData ComparisonChart(const Comparison& comparison, const std::string& title) {
    ChartData chart;
    chart.Title = title;
    chart.CategoryTitle = "Descriptor";
    chart.ValueTitle = comparison.Unit;
    // Many descriptors with long names: the groups read best one under the other.
    chart.Shape = ChartShape::HorizontalBars;
    // A nuclide compared in several forms names the form.
    for (std::size_t c = 0; c < comparison.Columns.size(); ++c) chart.Series.push_back({comparison.ColumnName(c), {}});
    for (std::size_t d = 0; d < comparison.Descriptors.size(); ++d) {
        if (comparison.Units[d] != comparison.Unit) continue;
        chart.Categories.push_back(comparison.Descriptors[d]);
        for (std::size_t c = 0; c < chart.Series.size(); ++c)
            chart.Series[c].Values.push_back(comparison.Cells[d][c].Value);
    }
    DropEmptyCategories(chart);
    if (!chart.HasValues()) chart.EmptyText = NoneAvailable;
    return chart;
}

}  // namespace quorvel
