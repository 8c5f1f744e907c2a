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
    // Rows above the first coefficient: title, header text and units.
    static constexpr int HeadRows = 3;
    static constexpr int UpperLargeIntestinePosition = 10;
    static constexpr int LowerLargeIntestinePosition = 11;
    static constexpr const char* ColonDoseDescriptor = "Colon Dose";

    void ReportCoefficientsInAnMSFlexGrid(const BlockTable& record, FlexGrid& grid, bool writeHeader,
                                          bool writeDescriptors, double unitFactor, const std::string& unitLabel,
                                          int startRow, int descriptorColumn, const std::string& geometryName,
                                          const std::string& valueHeading);

    void UpdateAllPropertiesFromTheRecordSet(const BlockTable& record);
    void CalculateCoefficients(double unitFactor);

    // 1-based, element 0 unused.
    DescriptorList Descriptors;
    CoefficientVector Coefficients;
    CoefficientVector RecordValues;  // before conversion; no value where Null
    std::string HeaderText;
};

}  // namespace quorvel
