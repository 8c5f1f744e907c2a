#include "AgeDependentDoseCoefs.h"

#include "AgeDependentDoseTable.h"
#include "DoseValueRules.h"

namespace quorvel {

const std::vector<int> AgeDependentDoseCoefs::CoefficientFieldPositions = {
    0, 4, 7, 9, 10, 11, 12, 13, 14, 15, 16, 17, 36, 37, 26, 27, 28, 29, 30, 31, 32, 33, 34, 35, 8, 39};

AgeDependentDoseCoefs::AgeDependentDoseCoefs(std::string tableTitle)
    : FieldPositions(CoefficientFieldPositions), tableTitle_(std::move(tableTitle)) {}

void AgeDependentDoseCoefs::ReportCoefficientsInAnMSFlexGrid(const BlockTable& block, const std::string& ageLabel,
                                                             bool writeHeader, bool writeDescriptors, FlexGrid& grid,
                                                             double unitFactor, const std::string& unitLabel,
                                                             int blockStartRow, int valueColumn, int descriptorColumn) {
    UpdateAllPropertiesFromTheRecordSet(block);
    CalculateCoefficients(unitFactor);
    if (writeHeader) SetupHeaderInformation(grid, blockStartRow, tableTitle_, HeaderText, unitLabel, SubtitleText);
    const int startRow = blockStartRow + DoseBlockHeadRows;
    if (writeDescriptors)
        SetupCoefficientDescriptorsInAnMSFlexGrid(grid, Descriptors, startRow, descriptorColumn, FirstRowStyle::Bold);
    PlaceCoefficientsInAnMSFlexGrid(grid, ageLabel, Coefficients, startRow, valueColumn, FirstRowStyle::Bold);
}

void AgeDependentDoseCoefs::UpdateAllPropertiesFromTheRecordSet(const BlockTable& block) {
    LetRecordCount = block.RecordCount();
    const auto records = static_cast<std::size_t>(LetRecordCount) + 1;
    RadiationTypes.assign(records, std::string());
    RecordValues.assign(records, CoefficientVector(CoefficientCount + 1));
    Descriptors.assign(CoefficientCount + 1, std::string());

    HeaderText = block.Value(1, HeaderTextPosition).TextOrEmpty();
    SubtitleText = block.Value(1, SubtitlePosition).TextOrEmpty();
    for (int i = 1; i <= CoefficientCount; ++i)
        Descriptors[static_cast<std::size_t>(i)] = block.FieldName(FieldPositions[static_cast<std::size_t>(i)]);
    for (int r = 1; r <= LetRecordCount; ++r) {
        const auto record = static_cast<std::size_t>(r);
        RadiationTypes[record] = block.Value(r, RadiationTypePosition).TextOrEmpty();
        for (int i = 1; i <= CoefficientCount; ++i)
            RecordValues[record][static_cast<std::size_t>(i)] =
                StoredDoseValue(block.Value(r, FieldPositions[static_cast<std::size_t>(i)]));
    }
}

void AgeDependentDoseCoefs::CalculateCoefficients(double unitFactor) {
    const bool highLet = IsHighLetType(RadiationTypes[1]);
    // The second record of a two-record block is the high-LET part of the first.
    const bool twoRecords = LetRecordCount == 2;
    Coefficients.assign(CoefficientCount + 1, std::nullopt);
    for (int i = 1; i <= CoefficientCount; ++i) {
        const auto c = static_cast<std::size_t>(i);
        Coefficients[c] = AgeDependentDoseValue(i, CoefficientCount, highLet, RecordValues[1][c], twoRecords,
                                                twoRecords ? RecordValues[2][c] : std::nullopt, unitFactor);
    }
}

}  // namespace quorvel
