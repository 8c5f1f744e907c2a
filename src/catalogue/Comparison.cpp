#include "Comparison.h"

#include <algorithm>
#include <map>

#include "CaseFolding.h"
#include "NumberText.h"

namespace quorvel {

std::string ShortForm(const std::string& form) {
    std::string name = form.substr(0, form.find(';'));
    const auto f1 = name.find(", f1 = ");
    if (f1 != std::string::npos && f1 > 0) name.erase(f1);
    return name;
}

std::string Comparison::ColumnName(std::size_t column) const {
    const ComparisonColumn& named = Columns[column];
    const auto sameNuclide = std::count_if(
        Columns.begin(), Columns.end(), [&](const ComparisonColumn& other) { return other.Nuclide == named.Nuclide; });
    const std::string form = ShortForm(named.Form);
    return sameNuclide > 1 && !form.empty() ? named.Nuclide + " (" + form + ")" : named.Nuclide;
}

std::string Comparison::RatioHeading() const { return HasRatio() ? ColumnName(0) + " / " + ColumnName(1) : ""; }

bool Comparison::MixesUnits() const {
    return std::any_of(Units.begin(), Units.end(), [this](const std::string& unit) { return unit != Unit; });
}

std::optional<double> Comparison::Ratio(std::size_t descriptor) const {
    if (!HasRatio()) return std::nullopt;
    const auto& row = Cells[descriptor];
    if (!row[0].Value || !row[1].Value || *row[1].Value == 0) return std::nullopt;
    return *row[0].Value / *row[1].Value;
}

Comparison CompareNuclides(CoefficientCatalogue& catalogue, const Quantity& quantity,
                           const std::vector<std::string>& nuclides) {
    if (nuclides.empty()) throw ComparisonError("Name at least one nuclide to compare.");
    if (nuclides.size() > MostComparedNuclides)
        throw ComparisonError("At most " + std::to_string(MostComparedNuclides) + " nuclides can be compared; " +
                              std::to_string(nuclides.size()) + " were named.");
    std::vector<std::string> listed;
    for (const auto& name : nuclides) {
        const NuclideInfo* found = catalogue.FindNuclide(name);
        if (!found) throw ComparisonError(catalogue.NotListed(name) + ".");
        listed.push_back(found->Nuclide);
    }

    ScanSelection selection = SelectionOf(quantity);
    selection.Descriptor.reset();
    selection.Nuclides = listed;
    const std::vector<Coefficient> cells = catalogue.Cells(quantity.Kind, quantity.UnitPosition, selection);

    Comparison comparison;
    Quantity coefficients = quantity;
    coefficients.Descriptor.clear();
    comparison.Unit = catalogue.UnitLabel(coefficients);
    std::map<std::pair<std::size_t, std::string>, std::size_t> columnOf;  // (nuclide, form) -> column
    for (std::size_t n = 0; n < listed.size(); ++n) {
        const std::string key = FoldCase(listed[n]);
        for (const Coefficient& cell : cells) {
            if (FoldCase(cell.Nuclide) != key) continue;
            if (columnOf.emplace(std::pair(n, cell.Form), comparison.Columns.size()).second)
                comparison.Columns.push_back({listed[n], cell.Form});
            if (std::find(comparison.Descriptors.begin(), comparison.Descriptors.end(), cell.Descriptor) ==
                comparison.Descriptors.end()) {
                comparison.Descriptors.push_back(cell.Descriptor);
                comparison.Units.push_back(HoldsUptakeFraction(quantity.Kind, cell) ? FractionUnit : comparison.Unit);
            }
        }
    }
    comparison.Cells.assign(comparison.Descriptors.size(), std::vector<ComparisonCell>(comparison.Columns.size()));
    for (std::size_t n = 0; n < listed.size(); ++n) {
        const std::string key = FoldCase(listed[n]);
        for (const Coefficient& cell : cells) {
            if (FoldCase(cell.Nuclide) != key) continue;
            const auto row = static_cast<std::size_t>(
                std::find(comparison.Descriptors.begin(), comparison.Descriptors.end(), cell.Descriptor) -
                comparison.Descriptors.begin());
            comparison.Cells[row][columnOf.at({n, cell.Form})] = {cell.Value, cell.Text, cell.Source};
        }
    }
    return comparison;
}

}  // namespace quorvel
