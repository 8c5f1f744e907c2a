#pragma once
// One block of an age-dependent dose table in one value column: the header block and the
// descriptor column when the first age group of the list has the block, and the block's
// 25 coefficients under the age label.

#include <string>
#include <vector>

#include "Coefficient.h"
#include "DoseGridLayout.h"
#include "FlexGrid.h"

namespace quorvel {

class AgeDependentDoseCoefs {
public:
    static constexpr int CoefficientCount = 25;
    // Field positions of coefficients 1 to 25 (element 0 unused).
    static const std::vector<int> CoefficientFieldPositions;
    static constexpr int HeaderTextPosition = 1;
    static constexpr int SubtitlePosition = 2;
    static constexpr int RadiationTypePosition = 6;

    explicit AgeDependentDoseCoefs(std::string tableTitle);
    virtual ~AgeDependentDoseCoefs() = default;

    // Writes the block's cells of one column key (cells of the block, in row order) with
    // the block's first row at blockStartRow and the values in valueColumn.
    void ReportCoefficientsInAnMSFlexGrid(const CoefficientTable& table, int block,
                                          const std::vector<const Coefficient*>& cells, FlexGrid& grid,
                                          int blockStartRow, int valueColumn);

private:
    std::string tableTitle_;
};

class clsIngestionCoefs : public AgeDependentDoseCoefs {
public:
    clsIngestionCoefs() : AgeDependentDoseCoefs("Ingestion Dose Coefficients") {}
};

class clsInhalationCoefs : public AgeDependentDoseCoefs {
public:
    clsInhalationCoefs() : AgeDependentDoseCoefs("Inhalation Dose Coefficients") {}
};

}  // namespace quorvel
