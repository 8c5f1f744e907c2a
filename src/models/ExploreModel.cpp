#include "ExploreModel.h"

#include <cmath>
#include <limits>
#include <stdexcept>

#include "CaseFolding.h"
#include "CatalogueExports.h"
#include "DefaultQuantity.h"
#include "HalfLife.h"
#include "NumberText.h"

namespace quorvel {

namespace {

template <typename T>
std::optional<T> Limit(const std::string& text, const char* name, bool whole = false) {
    if (TrimBlanks(text).empty()) return std::nullopt;
    const auto value = ReadNumber(text);
    // A whole number is one an int holds: a cast of any other is undefined.
    if (!value || (whole && !(std::fabs(*value) <= std::numeric_limits<int>::max() && *value == std::trunc(*value))))
        throw FilterError(std::string("The ") + name + " \"" + text + "\" is not a" + (whole ? " whole" : "") +
                          " number.");
    return static_cast<T>(*value);
}

std::optional<double> HalfLifeLimit(const std::string& text, const char* name) {
    if (TrimBlanks(text).empty()) return std::nullopt;
    const auto value = HalfLifeSeconds(text);
    if (!value)
        throw FilterError(std::string("The ") + name + " \"" + text +
                          "\" is no half-life; write a number and s, m, h, d or y.");
    return value;
}

}  // namespace

ExploreModel::ExploreModel(CoefficientCatalogue& catalogue, ExploreView& view) : catalogue_(catalogue), view_(view) {}

void ExploreModel::SetKind(const TableKind& kind) {
    choices_ = catalogue_.Choices(kind);
    const RiskOutcome outcome = quantity_.Outcome;
    quantity_ = DefaultQuantity(kind, choices_);
    quantity_.Outcome = outcome;
    ShowUnits();
    Query();
}

void ExploreModel::ShowUnits() {
    const TableKind& kind = quantity_.Kind;
    std::vector<std::string> names;
    if (measure_)
        names = measure_->Units(kind);
    else
        for (const UnitChoice& unit : UnitListOf(catalogue_.Units(), kind.Type).Units(UnitCategory(kind)))
            names.push_back(unit.Name);
    quantity_.UnitPosition = 1;
    view_.ShowChoices(choices_, names, quantity_);
}

void ExploreModel::SetMeasure(std::shared_ptr<RowMeasure> measure) {
    const bool units = !measure != !measure_;
    measure_ = std::move(measure);
    if (units) ShowUnits();
    Query();
}

void ExploreModel::SetAge(const std::string& age) {
    quantity_.Age = age;
    Query();
}

void ExploreModel::SetDescriptor(const std::string& descriptor) {
    quantity_.Descriptor = descriptor;
    Query();
}

void ExploreModel::SetIntake(const std::string& intake) {
    quantity_.Intake = intake;
    Query();
}

void ExploreModel::SetOutcome(RiskOutcome outcome) {
    quantity_.Outcome = outcome;
    Query();
}

void ExploreModel::SetUnitPosition(int position) {
    quantity_.UnitPosition = position;
    Query();
}

void ExploreModel::SetProgeny(std::optional<double> cutoffSeconds) {
    catalogue_.IncludeProgeny(cutoffSeconds);
    Query();
}

void ExploreModel::SetFilter(const FilterTexts& texts) {
    try {
        RowFilter filter;
        filter.Text = TrimBlanks(texts.Text);
        filter.Element = TrimBlanks(texts.Element);
        filter.ZMin = Limit<int>(texts.ZMin, "lowest Z", true);
        filter.ZMax = Limit<int>(texts.ZMax, "highest Z", true);
        filter.HalfLifeMin = HalfLifeLimit(texts.HalfLifeMin, "shortest half-life");
        filter.HalfLifeMax = HalfLifeLimit(texts.HalfLifeMax, "longest half-life");
        filter.ValueMin = Limit<double>(texts.ValueMin, "lowest value");
        filter.ValueMax = Limit<double>(texts.ValueMax, "highest value");
        const auto top = Limit<int>(texts.Top, "number of rows", true);
        if (top && *top < 1) throw FilterError("The number of rows to show must be 1 or more.");
        CheckFilter(filter);
        filter_ = filter;
        top_ = top ? static_cast<std::size_t>(*top) : 0;
        filterError_ = false;
    } catch (const FilterError& e) {
        filterError_ = true;
        shown_.clear();
        view_.ShowRows(shown_, unit_);
        view_.ShowMessage(e.what());
        return;
    }
    Show();
}

void ExploreModel::SortBy(RowColumn column, bool ascending) {
    sortColumn_ = column;
    ascending_ = ascending;
    Show();
}

void ExploreModel::Query() {
    all_.clear();
    try {
        if (choices_.Descriptors.empty())
            throw std::runtime_error("This table holds no coefficients in this database.");
        if (measure_) {
            Quantity coefficients = quantity_;
            coefficients.UnitPosition = 1;
            all_ = measure_->Measure(coefficients, catalogue_.Rows(coefficients), quantity_.UnitPosition, unit_);
        } else {
            unit_ = catalogue_.UnitLabel(quantity_);
            all_ = catalogue_.Rows(quantity_);
        }
    } catch (const std::exception& e) {
        shown_.clear();
        view_.ShowRows(shown_, unit_);
        view_.ShowMessage(e.what());
        return;
    }
    Show();
}

void ExploreModel::Show() {
    if (filterError_) return;
    shown_ = FilterRows(all_, filter_);
    SortRows(shown_, sortColumn_, ascending_);
    if (top_ > 0) KeepTop(shown_, top_);
    view_.ShowRows(shown_, unit_);
    view_.ShowMessage(shown_.empty() ? "No nuclide has a value for this choice and filter." : std::string());
}

void ExploreModel::WriteShown(RowWriter& writer) const {
    if (measure_) return measure_->Write(shown_, writer);
    WriteRankedRows(shown_, quantity_, unit_, writer);
}

}  // namespace quorvel
