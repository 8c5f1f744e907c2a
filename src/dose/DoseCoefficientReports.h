#pragma once
// The three dose coefficient tables.

#include <string>

#include "Database.h"
#include "FlexGrid.h"
#include "StartUpReaders.h"

namespace quorvel {

void ReportIngestionDoseCoefficients(const std::string& nuclide, Database& database, FlexGrid& grid, double unitFactor,
                                     const std::string& unitLabel, const AgeGroups& ages, int descriptorColumns);

void ReportInhalationDoseCoefficients(const std::string& nuclide, Database& database, FlexGrid& grid, double unitFactor,
                                      const std::string& unitLabel, const AgeGroups& ages, int descriptorColumns);

// Geometry 0 Submersion, 1 Ground Plane, 2 Soil Volume.
void ReportExternalDoseCoefficients(const std::string& nuclide, Database& database, FlexGrid& grid, int geometry,
                                    double unitFactor, const std::string& unitLabel, int descriptorColumns);

// The table each geometry's dose coefficients are read from.
std::string ExternalDoseTableName(int geometry);

}  // namespace quorvel
