#pragma once
// Turns one block of an age-dependent dose table (one record, or a low-LET record followed
// by its high-LET record) into the 25 coefficients of one value column.

#include <string>
#include <vector>

#include "BlockTable.h"
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

    // Writes one block starting at row R: the header block and descriptor column when
    // asked for, and the values in column c under the age label.
    void ReportCoefficientsInAnMSFlexGrid(const BlockTable& block, const std::string& ageLabel, bool writeHeader,
                                          bool writeDescriptors, FlexGrid& grid, double unitFactor,
                                          const std::string& unitLabel, int blockStartRow, int valueColumn,
                                          int descriptorColumn);

    void UpdateAllPropertiesFromTheRecordSet(const BlockTable& block);
    void CalculateCoefficients(double unitFactor);

    const std::string& TableTitle() const { return tableTitle_; }

    // 1-based, element 0 unused.
    DescriptorList Descriptors;
    CoefficientVector Coefficients;
    std::vector<CoefficientVector> RecordValues;  // [record][coefficient], no value where Null
    std::vector<int> FieldPositions;
    int LetRecordCount = 0;
    std::vector<std::string> RadiationTypes;
    std::string HeaderText;
    std::string SubtitleText;

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
