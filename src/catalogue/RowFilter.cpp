#include "RowFilter.h"

#include <algorithm>
#include <array>
#include <string_view>

#include "CaseFolding.h"
#include "NumberText.h"

namespace quorvel {

namespace {

template <typename T>
void CheckRange(const std::optional<T>& low, const std::optional<T>& high, const char* name) {
    if (low && high && *low > *high)
        throw FilterError(std::string("The ") + name + " range is upside down: its minimum lies above its maximum.");
}

template <typename T>
bool InRange(const std::optional<T>& value, const std::optional<T>& low, const std::optional<T>& high) {
    if (!low && !high) return true;
    return value && (!low || *value >= *low) && (!high || *value <= *high);
}

std::string SymbolOf(const std::string& nuclide) { return nuclide.substr(0, nuclide.find('-')); }

// The elements spelled two ways, British and American (the shipped list says "Caesium",
// FGR-13 "Cesium"), folded.
constexpr std::array<std::array<std::string_view, 2>, 3> TwoSpellings = {
    {{"caesium", "cesium"}, {"aluminium", "aluminum"}, {"sulphur", "sulfur"}}};

// The folded element name, and its other spelling where it has one.
std::vector<std::string> ElementSpellings(const std::string& element) {
    std::vector<std::string> spellings{FoldCase(element)};
    for (const auto& pair : TwoSpellings)
        for (std::size_t i = 0; i < pair.size(); ++i)
            if (spellings.front() == pair[i]) spellings.emplace_back(pair[1 - i]);
    return spellings;
}

// The text folded: part of the nuclide's name or of either spelling of its element's.
bool NamesFolded(const NuclideInfo& nuclide, const std::string& text) {
    if (text.empty() || FoldCase(nuclide.Nuclide).find(text) != std::string::npos) return true;
    const std::vector<std::string> spellings = ElementSpellings(nuclide.Element);
    return std::any_of(spellings.begin(), spellings.end(),
                       [&](const std::string& name) { return name.find(text) != std::string::npos; });
}

bool Keeps(const CatalogueRow& row, const RowFilter& filter, const std::string& text, const std::string& element) {
    const NuclideInfo& n = row.Nuclide;
    if (!NamesFolded(n, text)) return false;
    if (!element.empty() && FoldCase(SymbolOf(n.Nuclide)) != element) {
        const std::vector<std::string> spellings = ElementSpellings(n.Element);
        if (std::find(spellings.begin(), spellings.end(), element) == spellings.end()) return false;
    }
    if (filter.ValuedOnly && !row.Value) return false;
    return InRange(n.AtomicNumber, filter.ZMin, filter.ZMax) &&
           InRange(n.HalfLifeSeconds, filter.HalfLifeMin, filter.HalfLifeMax) &&
           InRange(row.Value, filter.ValueMin, filter.ValueMax);
}

template <typename Key>
void SortBy(std::vector<CatalogueRow>& rows, bool ascending, Key key) {
    std::stable_sort(rows.begin(), rows.end(), [&](const CatalogueRow& a, const CatalogueRow& b) {
        const auto x = key(a);
        const auto y = key(b);
        if (!x || !y) return x.has_value() && !y.has_value();
        return ascending ? *x < *y : *y < *x;
    });
}

}  // namespace

bool NamesNuclideOrElement(const NuclideInfo& nuclide, std::string_view text) {
    return NamesFolded(nuclide, FoldCase(text));
}

void CheckFilter(const RowFilter& filter) {
    CheckRange(filter.ZMin, filter.ZMax, "Z");
    CheckRange(filter.HalfLifeMin, filter.HalfLifeMax, "half-life");
    CheckRange(filter.ValueMin, filter.ValueMax, "value");
}

std::vector<CatalogueRow> FilterRows(const std::vector<CatalogueRow>& rows, const RowFilter& filter) {
    CheckFilter(filter);
    const std::string text = FoldCase(filter.Text);
    const std::string element = FoldCase(filter.Element);
    std::vector<CatalogueRow> kept;
    for (const CatalogueRow& row : rows)
        if (Keeps(row, filter, text, element)) kept.push_back(row);
    return kept;
}

void SortRows(std::vector<CatalogueRow>& rows, RowColumn column, bool ascending) {
    switch (column) {
        case RowColumn::Z: SortBy(rows, ascending, [](const CatalogueRow& r) { return r.Nuclide.AtomicNumber; }); break;
        case RowColumn::HalfLife:
            SortBy(rows, ascending, [](const CatalogueRow& r) { return r.Nuclide.HalfLifeSeconds; });
            break;
        case RowColumn::Value: SortBy(rows, ascending, [](const CatalogueRow& r) { return r.Value; }); break;
        case RowColumn::Element:
            SortBy(rows, ascending, [](const CatalogueRow& r) { return std::optional(FoldCase(r.Nuclide.Element)); });
            break;
        case RowColumn::Nuclide:
            SortBy(rows, ascending, [](const CatalogueRow& r) { return std::optional(FoldCase(r.Nuclide.Nuclide)); });
            break;
        case RowColumn::Form:
            SortBy(rows, ascending, [](const CatalogueRow& r) { return std::optional(r.Form); });
            break;
        case RowColumn::Source:
            SortBy(rows, ascending, [](const CatalogueRow& r) { return std::optional(r.Source); });
            break;
    }
}

void KeepTop(std::vector<CatalogueRow>& rows, std::size_t top) {
    if (rows.size() > top) rows.resize(top);
}

}  // namespace quorvel
