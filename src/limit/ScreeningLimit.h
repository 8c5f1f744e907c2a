#pragma once
// Screening limits: the intake, or the exposure to a concentration, that gives a chosen
// dose or risk by one pathway at one age or band: the target divided by the coefficient the
// tables give, every figure with the coefficient, its source and the division written out.

#include <optional>
#include <string>
#include <vector>

#include "CoefficientCatalogue.h"
#include "LimitTarget.h"

namespace quorvel {

// How the exposure to a concentration (external pathways) is counted.
struct ExposureTime {
    // None: the limit is the time-integrated concentration; else the concentration held over
    // this many seconds,
    std::optional<double> Seconds = {};
    // or, with this, the initial concentration of a deposit decaying with its nuclide's half-life.
    bool Decaying = false;
    std::string Text = {};  // the time as typed, for the headings ("1 y")
};

struct LimitSettings {
    LimitTarget Target;
    ExposureTime Exposure = {};
    // The unit of the limits: an activity for intakes, a concentration of the geometry for
    // external exposure; empty: Bq, Bq/m3 or Bq/m2.
    std::string Unit = {};
};

// One nuclide and form: the row's Value and Text are the limit in the limit unit, its
// Source the coefficient's.
struct LimitRow {
    CatalogueRow Row;
    double Coefficient = 0;       // in the coefficient unit
    std::string CoefficientText;  // as the table shows it
    std::string Formula;          // "1.00E-03 Sv / 1.356E-08 Sv/Bq = 7.37E+04 Bq"
};

struct LimitTable {
    Quantity Cell;                // the coefficients' table cell, in the kind's first unit
    std::string Target;           // "1.00 mSv"
    std::string What;             // "intake", "time-integrated concentration", "concentration over 1 y"...
    std::string LimitUnit;        // "Bq", "pCi/m2", "Bq/m2 s"
    std::string CoefficientUnit;  // "Sv/Bq", with a +D label where the catalogue gives +D values
    std::vector<LimitRow> Rows;
    // The rows that have no limit (no coefficient above zero, no half-life for a decaying
    // deposit), with the reason.
    struct Missing {
        std::string Nuclide, Form, Why;
    };
    std::vector<Missing> Left;
};

// The names of the units a limit of the kind can be given in, the first the default.
std::vector<std::string> LimitUnitNames(const TableKind& kind);

// The limits of the coefficient rows of a cell (catalogue rows in the kind's first unit),
// in their order. A target of the other kind than the table, a unit or an exposure time the
// pathway does not take, is a LimitError.
LimitTable ComputeLimits(const CoefficientCatalogue& catalogue, const Quantity& cell,
                         const std::vector<CatalogueRow>& coefficients, const LimitSettings& settings);

// Most restrictive (lowest limit) first; equal limits keep their order.
void SortByLimit(std::vector<LimitRow>& rows);

}  // namespace quorvel
