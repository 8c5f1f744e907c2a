#pragma once
// The request dispatcher: opens the database, builds the requested table with exactly one
// builder and closes the database again.

#include <string>

#include "BusyPointer.h"
#include "CoefficientRequest.h"
#include "FlexGrid.h"
#include "StartUpReaders.h"

namespace quorvel {

// Builds the request's table into the grid in the chosen unit, showing the busy pointer
// meanwhile. Any failure is a RequestError; what the grid holds then is whatever the
// builder had written.
void DispatchCoefficientRequest(const std::string& databasePath, const CoefficientRequest& request, FlexGrid& grid,
                                const UnitChoice& unit, const AgeGroups& ages, int descriptorColumns,
                                BusyPointer& busyPointer);

}  // namespace quorvel
