#pragma once
// The request dispatcher: reads the request's table from the session's database with the
// kind's reader, makes it "+D" when asked, and lays it out with exactly one builder.

#include <optional>
#include <string>

#include "BusyPointer.h"
#include "CoefficientRequest.h"
#include "DatabaseSession.h"
#include "FlexGrid.h"
#include "ProgenySum.h"

namespace quorvel {

// The table a request shows: its cells in the chosen unit ("+D" values when asked), each
// value cell of the grid naming its cell (FlexGrid::CellCoefficient), and what "+D" counted.
struct ShownTable {
    CoefficientRequest Request;
    UnitChoice Unit;
    CoefficientTable Table;
    std::optional<ProgenyBreakdown> Progeny;
    std::optional<double> ProgenyCutoffSeconds;
};

// Builds the request's table into the grid, showing the busy pointer meanwhile; with a
// cutoff, every value is +D. A unit position that names no unit is the UnitPositionError
// of ChooseUnit; any other failure is a RequestError, and the grid holds whatever the
// builder had written.
ShownTable DispatchCoefficientRequest(DatabaseSession& session, const CoefficientRequest& request, FlexGrid& grid,
                                      BusyPointer& busyPointer,
                                      std::optional<double> progenyCutoffSeconds = std::nullopt);

// Lays a table out with its kind's builder.
void LayOutCoefficientTable(const CoefficientTable& table, FlexGrid& grid);

}  // namespace quorvel
