#pragma once
// The one block of an external dose table: the three-row header, the descriptor column and
// the adult value column "h_T", from the table's 28 cells (the 27 stored values and the
// colon dose made from the two large-intestine walls).

#include <string>
#include <vector>

#include "Coefficient.h"
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
    static constexpr const char* ValueHeading = "h_T";

    void ReportCoefficientsInAnMSFlexGrid(const CoefficientTable& table, const std::string& title, FlexGrid& grid);
};

}  // namespace quorvel
