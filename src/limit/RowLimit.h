#pragma once
// "Intake giving...": the amount of one mixture row (its nuclide, pathway, form, age and, for
// external exposure, its time and decay) that gives a target dose or risk.

#include <string>

#include "IntakeCalculation.h"
#include "LimitTarget.h"

namespace quorvel {

struct RowLimit {
    std::string Amount;  // "7.37E+04"
    std::string Unit;    // the row's unit, or the first of its pathway's list
    std::string Steps;   // the division, then the calculator's steps for one unit of amount
};

// The row is computed by the calculator for one unit of its amount (its unit, else Bq or the
// geometry's first); the limit is the target over the effective dose (the organ's where
// the options name one) or the mortality risk it gives. A row the calculator cannot compute,
// or one without the dose or risk asked for, is a LimitError naming why.
RowLimit LimitOfRow(CoefficientCatalogue& catalogue, MixtureRow row, const CalculationOptions& options,
                    const LimitTarget& target);

}  // namespace quorvel
