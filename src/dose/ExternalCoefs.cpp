#include "ExternalCoefs.h"

#include "DoseValueRules.h"

namespace quorvel {

void clsExternalCoefs::ReportCoefficientsInAnMSFlexGrid(const BlockTable& record, FlexGrid& grid, bool writeHeader,
                                                        bool writeDescriptors, double unitFactor,
                                                        const std::string& unitLabel, int startRow,
                                                        int descriptorColumn, const std::string& geometryName,
                                                        const std::string& valueHeading) {
    UpdateAllPropertiesFromTheRecordSet(record);
    CalculateCoefficients(unitFactor);
    if (writeHeader) SetupExternalHeaderInformation(grid, startRow, HeaderText, unitLabel, geometryName);
    const int valuesRow = startRow + HeadRows;
    if (writeDescriptors)
        SetupCoefficientDescriptorsInAnMSFlexGrid(grid, Descriptors, valuesRow, descriptorColumn, FirstRowStyle::Plain);
    PlaceCoefficientsInAnMSFlexGrid(grid, valueHeading, Coefficients, valuesRow, descriptorColumn + 1,
                                    FirstRowStyle::Plain);
}

void clsExternalCoefs::UpdateAllPropertiesFromTheRecordSet(const BlockTable& record) {
    const int n = CoefficientCount;
    RecordValues.assign(static_cast<std::size_t>(n) + 2, std::nullopt);
    Descriptors.assign(static_cast<std::size_t>(n) + 1, std::string());

    HeaderText = record.Value(1, HeaderTextPosition).TextOrEmpty();
    for (int i = 1; i <= n - 1; ++i) {
        const auto c = static_cast<std::size_t>(i);
        Descriptors[c] = record.FieldName(i + 1);
        RecordValues[c] = StoredDoseValue(record.Value(1, i + 1));
    }
    Descriptors[static_cast<std::size_t>(n)] = ColonDoseDescriptor;

    // Positions 10 and 11 are coefficients 9 and 10.
    const auto upper = static_cast<std::size_t>(UpperLargeIntestinePosition - 1);
    const auto lower = static_cast<std::size_t>(LowerLargeIntestinePosition - 1);
    RecordValues[static_cast<std::size_t>(n)] = ColonDose(RecordValues[upper], RecordValues[lower]);
}

void clsExternalCoefs::CalculateCoefficients(double unitFactor) {
    Coefficients.assign(static_cast<std::size_t>(CoefficientCount) + 1, std::nullopt);
    for (int i = 1; i <= CoefficientCount; ++i) {
        const auto c = static_cast<std::size_t>(i);
        Coefficients[c] = InUnit(RecordValues[c], unitFactor);
    }
}

}  // namespace quorvel
