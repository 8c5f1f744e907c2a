#pragma once
// What one cell of a coefficient table is: the table kind, the age group or age band, the
// intake, the row label, mortality or morbidity, and the unit it is shown in.

#include <string>
#include <vector>

#include "CoefficientRequest.h"
#include "RiskValueRules.h"

namespace quorvel {

// One of the ten tables a request can show: type, pathway and, for external exposure,
// geometry (the request codes).
struct TableKind {
    int Type = DoseCoefficients;
    int PathwayCode = IngestionPathway;
    int Geometry = SubmersionGeometry;

    bool IsDose() const { return Type == DoseCoefficients; }
    bool IsExternal() const { return PathwayCode == ExternalPathway; }
    // The request of this kind with the unit at the given position.
    CoefficientRequest Request(int unitPosition) const;
    // "ingestion dose", "external risk", ... (the geometry apart).
    std::string Name() const;
    // "ground-plane" for external tables, empty otherwise.
    std::string GeometryWord() const;

    friend bool operator==(const TableKind&, const TableKind&) = default;
};

// The ten table kinds in the main window's order: dose before risk, ingestion,
// inhalation, then the external geometries.
const std::vector<TableKind>& AllTableKinds();

// The value column of the external dose table, the only age it has.
inline constexpr const char* ExternalDoseAge = "Adult";

struct Quantity {
    TableKind Kind;
    // Dose: an age group of "Age Units" ("Adult" for the external tables); risk: a column
    // heading as the table shows it.
    std::string Age;
    // The intake of an ingestion risk section; empty for the other tables.
    std::string Intake;
    // The row label: a dose descriptor ("Colon Dose" included) or a cancer site.
    std::string Descriptor;
    int Outcome = MortalityOutcome;  // risk only
    int UnitPosition = 1;            // in the unit list of the kind, as ChooseUnit counts
};

}  // namespace quorvel
