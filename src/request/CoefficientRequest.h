#pragma once
// One request for a coefficient table: what the main window's options and the command
// line's arguments ask for (a nuclide, a table kind and a unit position), with the rules
// that turn it into a table and a unit.

#include <stdexcept>
#include <string>

#include "StartUpReaders.h"
#include "TableKind.h"

namespace quorvel {

// A request that could not be built. The text names the table, the nuclide and the cause.
class RequestError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// A unit position that names no unit of its list.
class UnitPositionError : public RequestError {
public:
    using RequestError::RequestError;
};

struct CoefficientRequest {
    std::string Nuclide;
    TableKind Kind;
    int UnitPosition = 1;  // 1-based position in the unit list of the kind
};

// 1 internal exposure (ingestion and inhalation), 2 + geometry for external exposure.
int UnitCategory(const TableKind& kind);

// The table a kind reads.
std::string TableName(const TableKind& kind);

// The dose or risk unit table of a coefficient type.
const UnitTable& UnitListOf(const UnitTables& units, CoefficientType type);

// "dose units for Ground Plane": the list a kind's unit position counts in.
std::string UnitListDescription(const TableKind& kind);

// The unit at a position of the kind's list. A list without units is a RequestError, a
// position that is none of its units a UnitPositionError; both name the list.
UnitChoice ChooseUnit(const UnitTables& units, const TableKind& kind, int unitPosition);
inline UnitChoice ChooseUnit(const UnitTables& units, const CoefficientRequest& request) {
    return ChooseUnit(units, request.Kind, request.UnitPosition);
}

}  // namespace quorvel
