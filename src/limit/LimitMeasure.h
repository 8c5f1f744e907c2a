#pragma once
// The explore table's screening limits: each row's limit for a target typed as the desktop's
// box takes it ("1 mSv", "1E-6"), in place of its coefficient.

#include <map>
#include <string>

#include "ExploreModel.h"
#include "ScreeningLimit.h"

namespace quorvel {

class LimitMeasure : public RowMeasure {
public:
    // A target that cannot be read, or one of the other kind than the table, is said in place
    // of the rows.
    LimitMeasure(const CoefficientCatalogue& catalogue, std::string target, ExposureTime exposure = {});

    std::vector<std::string> Units(const TableKind& kind) const override;
    std::vector<CatalogueRow> Measure(const Quantity& quantity, const std::vector<CatalogueRow>& coefficients,
                                      int unitPosition, std::string& unit) override;
    // Each row with its coefficient, formula and source (WriteLimitRows).
    void Write(const std::vector<CatalogueRow>& rows, RowWriter& writer) const override;

private:
    const CoefficientCatalogue& catalogue_;
    std::string target_;
    ExposureTime exposure_;
    LimitTable table_;
    std::map<std::string, LimitRow> byRow_;  // the last measure's rows, by nuclide, form and source
};

}  // namespace quorvel
