#pragma once
// The explore table's rules apart from any window: the quantity chosen by the main
// window's words, every nuclide and form with its value, filtered, sorted and cut, and a
// one-line message instead of a table when the input cannot be used.

#include <cstddef>
#include <memory>
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

// What the table shows in place of each coefficient (the screening limits).
class RowMeasure {
public:
    virtual ~RowMeasure() = default;
    // The units the measure can be given in, the first the default.
    virtual std::vector<std::string> Units(const TableKind& kind) const = 0;
    // The rows to show, from the quantity's coefficient rows (in the kind's first unit), in
    // the unit at the position of Units, which it names; what cannot be measured throws, its
    // text shown in place of the rows.
    virtual std::vector<CatalogueRow> Measure(const Quantity& quantity, const std::vector<CatalogueRow>& coefficients,
                                              int unitPosition, std::string& unit) = 0;
    // Rows it gave, as the outputs write them.
    virtual void Write(const std::vector<CatalogueRow>& rows, RowWriter& writer) const = 0;
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
    // The measure of each row in place of its coefficient, its units offered; none: the coefficients.
    void SetMeasure(std::shared_ptr<RowMeasure> measure);
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
    void ShowUnits();

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
    std::shared_ptr<RowMeasure> measure_;
};

}  // namespace quorvel
