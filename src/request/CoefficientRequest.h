#pragma once
// One request for a coefficient table: what the main window's options and the command
// line's arguments ask for, with the rules that turn it into a table and a unit.

#include <stdexcept>
#include <string>
#include <utility>
#include <vector>

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

// A unit position that names no unit of its list.
class UnitPositionError : public RequestError {
public:
    using RequestError::RequestError;
};

// The unit a table is shown in: the factor that multiplies the tabulated values and the
// name shown after "Units = ".
struct UnitChoice {
    double Factor = 1;
    std::string Name;
};

struct CoefficientRequest {
    std::string Nuclide;
    int Type = DoseCoefficients;
    int PathwayCode = IngestionPathway;
    int Geometry = SubmersionGeometry;
    int UnitPosition = 1;  // 1-based position in the unit list of the type and category

    // 1 internal exposure (ingestion and inhalation), 2 + geometry for external exposure.
    int UnitCategory() const;
    // The table the request reads; codes out of range are a RequestError.
    std::string TableName() const;
};

// The dose or risk unit table of a coefficient type.
const UnitTable& UnitListOf(const UnitTables& units, int coefficientType);

// "dose units for Ground Plane": the list a request's unit position counts in.
std::string UnitListDescription(const CoefficientRequest& request);

// The unit at the request's position of its list. A list without units is a RequestError,
// a position that is none of its units a UnitPositionError; both name the list.
UnitChoice ChooseUnit(const UnitTables& units, const CoefficientRequest& request);

// The words the command line and the explore window take for the request codes, in code
// order: "dose", "risk"; "ingestion", "inhalation", "external"; "submersion",
// "ground-plane", "soil-volume".
const std::vector<std::pair<std::string, int>>& CoefficientTypeWords();
const std::vector<std::pair<std::string, int>>& PathwayWords();
const std::vector<std::pair<std::string, int>>& GeometryWords();

// The main window's captions of the external geometries ("Submersion", "Ground Plane",
// "Soil Volume").
std::string GeometryCaption(int geometry);

}  // namespace quorvel
