#pragma once
// Turns the record of one nuclide in an external dose table into 28 coefficients:
// the 27 stored values and the colon dose made from the two large-intestine walls.

#include <string>
#include <vector>

#include "BlockTable.h"
#include "DoseGridLayout.h"
#include "FlexGrid.h"

namespace quorvel {

class clsExternalCoefs {
public:
    static constexpr int CoefficientCount = 28;
    static constexpr int HeaderTextPosition = 1;
    static constexpr int UpperLargeIntestinePosition = 10;
    static constexpr int LowerLargeIntestinePosition = 11;
    static constexpr double UpperLargeIntestineShare = 0.57;
    static constexpr double LowerLargeIntestineShare = 0.43;

    void ReportCoefficientsInAnMSFlexGrid(const BlockTable& record, FlexGrid& grid, bool writeHeader,
                                          bool writeDescriptors, double unitFactor, const std::string& unitLabel,
                                          int startRow, int descriptorColumn, const std::string& geometryName,
                                          const std::string& valueHeading);

    void UpdateAllPropertiesFromTheRecordSet(const BlockTable& record);
    void CalculateCoefficients(double unitFactor);

    // 1-based, element 0 unused.
    DescriptorList Descriptors;
    CoefficientVector Coefficients;
    std::vector<double> RecordValues;
    std::vector<bool> RecordHeld;  // false where the stored value is Null
    std::string HeaderText;
};

}  // namespace quorvel
