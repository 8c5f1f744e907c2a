#pragma once
// What one cell of a coefficient table is: the table kind, the age group or age band, the
// intake, the row label, mortality or morbidity, and the unit it is shown in.

#include <string>

#include "CoefficientRequest.h"
#include "DoseCoefficientReports.h"
#include "TableKind.h"

namespace quorvel {

struct Quantity {
    TableKind Kind;
    // Dose: an age group of "Age Units" ("Adult" for the external tables); risk: a column
    // heading as the table shows it.
    std::string Age;
    // The intake of an ingestion risk section; empty for the other tables.
    std::string Intake;
    // The row label: a dose descriptor ("Colon Dose" included) or a cancer site.
    std::string Descriptor;
    RiskOutcome Outcome = RiskOutcome::Mortality;  // risk only
    int UnitPosition = 1;                          // in the unit list of the kind, as ChooseUnit counts
};

}  // namespace quorvel
