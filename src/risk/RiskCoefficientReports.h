#pragma once
// The three risk coefficient tables.

#include <string>

#include "Database.h"
#include "FlexGrid.h"

namespace quorvel {

void ReportIngestionRiskCoefficients(const std::string& nuclide, Database& database, FlexGrid& grid, double unitFactor,
                                     const std::string& unitName, int descriptorColumns);

void ReportInhalationRiskCoefficients(const std::string& nuclide, Database& database, FlexGrid& grid, double unitFactor,
                                      const std::string& unitName, int descriptorColumns);

// Geometry 0 Submersion, 1 Ground Plane, 2 Soil Volume (stored as "Soil Layer").
void ReportExternalRiskCoefficients(const std::string& nuclide, Database& database, FlexGrid& grid, int geometry,
                                    double unitFactor, const std::string& unitName, int descriptorColumns);

// The Mode value, and title word, of a geometry.
std::string ExternalRiskMode(int geometry);

}  // namespace quorvel
