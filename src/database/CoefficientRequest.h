#pragma once
// One request for a coefficient table, and the dispatcher that builds it.

#include <stdexcept>
#include <string>

#include "BusyPointer.h"
#include "FlexGrid.h"
#include "StartUpReaders.h"

namespace quorvel {

enum CoefficientType { DoseCoefficients = 0, RiskCoefficients = 1 };
enum Pathway { IngestionPathway = 0, InhalationPathway = 1, ExternalPathway = 2 };
enum ExternalGeometry { SubmersionGeometry = 0, GroundPlaneGeometry = 1, SoilVolumeGeometry = 2 };

// A request that could not be built. The text names the table, the nuclide and the cause.
class RequestError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// The table a request reads.
std::string CoefficientTableName(int coefficientType, int pathway, int geometry);

// Opens the database, builds the requested table into the grid with exactly one builder
// and closes the database again, showing the busy pointer meanwhile. Any failure is a
// RequestError; what the grid holds then is whatever the builder had written.
void DispatchCoefficientRequest(const std::string& databasePath, const std::string& nuclide, FlexGrid& grid,
                                int coefficientType, int pathway, int geometry, double unitFactor,
                                const std::string& unitName, const AgeGroups& ages, int descriptorColumns,
                                BusyPointer& busyPointer);

}  // namespace quorvel
