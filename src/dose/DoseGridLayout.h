#pragma once
// The grid operations every dose table is written with: header block, descriptor column
// and value columns. Descriptor lists and coefficient vectors are 1-based: element 0
// exists and is not used, so a list of n entries has size n + 1.

#include <string>
#include <vector>

#include "FlexGrid.h"

namespace quorvel {

using DescriptorList = std::vector<std::string>;
// The coefficients in the scientific format, as their cells read them; a coefficient the
// database does not hold has no value and leaves its cell empty.
using CoefficientTexts = std::vector<std::string>;

// Age-dependent tables also make the row below "Description" bold; the external table does not.
enum class FirstRowStyle { Bold, Plain };

// The five-row header block of an age-dependent table at row R: title, position-1 text,
// "Units = " + unit label, subtitle; column 0 of rows R to R+4 bold.
void SetupHeaderInformation(FlexGrid& grid, int row, const std::string& title, const std::string& headerText,
                            const std::string& unitLabel, const std::string& subtitleText);

// The three-row header block of an external table: the title, position-1 text,
// "Units = " + unit label and "Adult".
void SetupExternalHeaderInformation(FlexGrid& grid, int row, const std::string& title, const std::string& headerText,
                                    const std::string& unitLabel);

// "Description" and the descriptors down one column from the start row.
void SetupCoefficientDescriptorsInAnMSFlexGrid(FlexGrid& grid, const DescriptorList& descriptors, int startRow, int col,
                                               FirstRowStyle style);

// The column heading and the coefficients down one column.
void PlaceCoefficientsInAnMSFlexGrid(FlexGrid& grid, const std::string& heading, const CoefficientTexts& coefficients,
                                     int startRow, int col, FirstRowStyle style);

}  // namespace quorvel
