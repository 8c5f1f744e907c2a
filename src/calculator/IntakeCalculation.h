#pragma once
// The intake and exposure calculator: activities taken in and concentrations stood in,
// times the coefficients the viewer shows, give committed doses and lifetime risks, with
// every step written out and the sum over the mixture.

#include <optional>
#include <string>
#include <vector>

#include "CalculatorUnits.h"
#include "CoefficientCatalogue.h"
#include "Mixture.h"

namespace quorvel {

struct CalculationOptions {
    // A descriptor of the dose tables (an organ), matched as typed by its beginning; empty:
    // no organ dose.
    std::string Organ;
    // The unit the steps show doses in besides Sv.
    std::string DoseUnit = "mSv";
};

struct RowResult {
    MixtureRow Row;
    std::string Error;  // why the row could not be computed; empty when it was
    std::string Form;   // the form the coefficients are of
    std::optional<double> EffectiveDoseSv;
    std::optional<double> EffectiveDoseEquivalentSv;  // external exposure: H_E
    std::optional<double> OrganDoseSv;
    std::string Organ;  // the descriptor of OrganDoseSv
    std::optional<double> MortalityRisk;
    std::optional<double> MorbidityRisk;
    double Share = 0;                // of the mixture's total effective dose
    std::vector<std::string> Steps;  // the computation written out, each with its source
    std::vector<std::string> Notes;  // what the row could not give besides its dose, and why
};

struct MixtureResult {
    std::vector<RowResult> Rows;
    double TotalEffectiveDoseSv = 0;
    bool AllComputed() const;
};

// Every row on its own: a row that cannot be computed says why and the others still
// compute. Options that name an unknown dose unit or organ are a std::invalid_argument.
MixtureResult CalculateMixture(CoefficientCatalogue& catalogue, const std::vector<MixtureRow>& rows,
                               const CalculationOptions& options);

// "1.36E-04": a value with three significant figures and a signed exponent.
std::string FormatCalculatorNumber(double value);
// "0.136 mSv": a dose in a unit, plain where that reads well.
std::string FormatDoseIn(double sieverts, const CalculatorUnit& unit);

}  // namespace quorvel
