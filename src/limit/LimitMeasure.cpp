#include "LimitMeasure.h"

#include <stdexcept>

#include "LimitOutput.h"

namespace quorvel {

namespace {

std::string KeyOf(const CatalogueRow& row) { return row.Nuclide.Nuclide + '\n' + row.Form + '\n' + row.Source; }

}  // namespace

LimitMeasure::LimitMeasure(const CoefficientCatalogue& catalogue, std::string target, ExposureTime exposure)
    : catalogue_(catalogue), target_(std::move(target)), exposure_(std::move(exposure)) {}

std::vector<std::string> LimitMeasure::Units(const TableKind& kind) const { return LimitUnitNames(kind); }

std::vector<CatalogueRow> LimitMeasure::Measure(const Quantity& quantity, const std::vector<CatalogueRow>& coefficients,
                                                int unitPosition, std::string& unit) {
    byRow_.clear();
    LimitSettings settings;
    settings.Exposure = exposure_;
    const auto units = LimitUnitNames(quantity.Kind);
    if (unitPosition >= 1 && static_cast<std::size_t>(unitPosition) <= units.size())
        settings.Unit = units[static_cast<std::size_t>(unitPosition - 1)];
    try {
        settings.Target = ReadTarget(target_);
        table_ = ComputeLimits(catalogue_, quantity, coefficients, settings);
    } catch (const LimitError& e) {
        throw std::runtime_error(std::string("Target: ") + e.what() + ".");
    }
    unit = LimitHeading(table_) + " (" + table_.LimitUnit + ")";
    std::vector<CatalogueRow> rows;
    for (const LimitRow& row : table_.Rows) {
        rows.push_back(row.Row);
        byRow_.emplace(KeyOf(row.Row), row);
    }
    return rows;
}

void LimitMeasure::Write(const std::vector<CatalogueRow>& rows, RowWriter& writer) const {
    std::vector<LimitRow> limits;
    for (const CatalogueRow& row : rows)
        if (const auto found = byRow_.find(KeyOf(row)); found != byRow_.end()) limits.push_back(found->second);
    WriteLimitRows(table_, limits, writer);
}

}  // namespace quorvel
