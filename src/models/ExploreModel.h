#pragma once
// The explore table's rules apart from any window: the quantity chosen by the main
// window's words, every nuclide and form with its value, filtered, sorted and cut, and a
// one-line message instead of a table when the input cannot be used.

#include <cstddef>
#include <string>
#include <vector>

#include "CoefficientCatalogue.h"
#include "RowFilter.h"
#include "RowOutput.h"

namespace quorvel {

// What the explore window shows; the desktop implements it with widgets, tests with a recorder.
class ExploreView {
public:
    virtual ~ExploreView() = default;
    // The choices of the table kind and the ones taken; units as the kind's list names them.
    virtual void ShowChoices(const QuantityChoices& choices, const std::vector<std::string>& units,
                             const Quantity& chosen) = 0;
    virtual void ShowRows(const std::vector<CatalogueRow>& rows, const std::string& unit) = 0;
    // One line, or empty to clear it.
    virtual void ShowMessage(const std::string& message) = 0;
};

// The filter as typed: empty texts set no limit.
struct FilterTexts {
    std::string Text = {}, Element = {}, ZMin = {}, ZMax = {}, HalfLifeMin = {}, HalfLifeMax = {}, ValueMin = {},
                ValueMax = {}, Top = {};
};

class ExploreModel {
public:
    ExploreModel(CoefficientCatalogue& catalogue, ExploreView& view);

    // A new table kind: its choices, its default cell taken (DefaultQuantity; the outcome
    // kept), then the table.
    void SetKind(const TableKind& kind);
    void SetAge(const std::string& age);
    void SetDescriptor(const std::string& descriptor);
    void SetIntake(const std::string& intake);
    void SetOutcome(RiskOutcome outcome);
    void SetUnitPosition(int position);
    // "+D" values with the half-life cutoff, or none.
    void SetProgeny(std::optional<double> cutoffSeconds);
    // A filter that cannot be read or is upside down shows a message and no rows.
    void SetFilter(const FilterTexts& texts);
    void SortBy(RowColumn column, bool ascending);

    const Quantity& Chosen() const { return quantity_; }
    const std::vector<CatalogueRow>& Shown() const { return shown_; }
    // The rows shown as the outputs write them: headed columns, values as numbers.
    void WriteShown(RowWriter& writer) const;

private:
    void Query();
    void Show();

    CoefficientCatalogue& catalogue_;
    ExploreView& view_;
    Quantity quantity_;
    QuantityChoices choices_;
    std::vector<CatalogueRow> all_;
    std::vector<CatalogueRow> shown_;
    RowFilter filter_;
    std::size_t top_ = 0;
    bool filterError_ = false;
    RowColumn sortColumn_ = RowColumn::Value;
    bool ascending_ = false;
    std::string unit_;
};

}  // namespace quorvel
