#pragma once
// The intake and exposure calculator: activities taken in and concentrations stood in,
// times the coefficients the viewer shows, give committed doses and risks, with every step
// written out and the sums over the mixture.

#include <optional>
#include <stdexcept>
#include <string>
#include <vector>

#include "CalculatorUnits.h"
#include "CoefficientCatalogue.h"
#include "Mixture.h"

namespace quorvel {

struct CalculationOptions {
    // A descriptor of the dose tables (an organ), matched as typed by its beginning; empty:
    // no organ dose.
    std::string Organ = {};
    // The unit every human-readable output gives doses in (the steps also in Sv).
    std::string DoseUnit = "mSv";
    // The band of age at intake of the risk coefficients, as the risk tables name it or by
    // its ages ("0-5"); empty: the lifetime band (0-110), the slope-factor convention.
    std::string RiskBand = {};
    // "+D" with this half-life cutoff; none: the nuclides' own coefficients.
    std::optional<double> ProgenyCutoffSeconds = {};

    friend bool operator==(const CalculationOptions&, const CalculationOptions&) = default;
};

// Options the calculation cannot take (an unknown dose unit or risk band): no row is
// computed.
class CalculationOptionError : public std::invalid_argument {
public:
    using std::invalid_argument::invalid_argument;
};

struct RowResult {
    MixtureRow Row;
    std::string Error;  // why the row could not be computed; empty when it was
    // The row named no one form of several: the forms to name, each by its short name and
    // whole text.
    std::vector<std::pair<std::string, std::string>> FormsToChoose;
    std::string Form;     // the form the coefficients are of
    std::string Age;      // internal: the age group of the coefficients
    std::string Intake;   // ingestion risk: tap water or food
    std::string Deposit;  // external: constant or decaying
    std::optional<double> EffectiveDoseSv;
    std::optional<double> EffectiveDoseEquivalentSv;  // external exposure: H_E
    std::optional<double> OrganDoseSv;
    std::string Organ;  // the descriptor of OrganDoseSv
    std::optional<double> MortalityRisk;
    std::optional<double> MorbidityRisk;
    double Share = 0;                  // of the mixture's total effective dose
    std::vector<std::string> Steps;    // the computation written out, each with its source
    std::vector<std::string> Sources;  // of the coefficients the steps take ("dir/FILE:LINE")
    std::vector<std::string> Notes;    // what the row could not give besides its dose, and why
};

struct MixtureResult {
    std::vector<RowResult> Rows;
    double TotalEffectiveDoseSv = 0;
    std::optional<double> TotalMortalityRisk;
    std::optional<double> TotalMorbidityRisk;
    int RowsSummed = 0;      // the rows whose effective dose the total holds
    int RiskRowsSummed = 0;  // the rows whose risks the risk totals hold
    // The band of the risks as the tables name it ("Lifetime 0-110"), and every band they
    // offer; empty when no row had risk coefficients.
    std::string RiskBand;
    std::vector<std::string> RiskBands;
    bool AllComputed() const;
};

// Every row on its own: a row that cannot be computed says why and the others still
// compute. The catalogue gives "+D" values as the options ask. Options it cannot take are
// a CalculationOptionError.
MixtureResult CalculateMixture(CoefficientCatalogue& catalogue, const std::vector<MixtureRow>& rows,
                               const CalculationOptions& options);

// The dose table of a pathway as a mixture row names it (any case); none for another word.
std::optional<TableKind> PathwayTable(const std::string& word);
inline constexpr const char* PathwayNames = "ingestion, inhalation, submersion, ground-plane, soil-volume";

// The band of age at intake of the risk tables' bands the text names: as the tables name it,
// by its beginning, or by its ages ("0-5" for "Age 0-5"); an empty text is the lifetime band,
// the tables' last. None or several is a CalculationOptionError.
std::string ChooseRiskBand(const std::vector<std::string>& bands, const std::string& text);

// "1.36E-04": a value with three significant figures and a signed exponent.
std::string FormatCalculatorNumber(double value);
// "0.136 mSv": a dose in a unit, plain where that reads well.
std::string FormatDoseIn(double sieverts, const CalculatorUnit& unit);

}  // namespace quorvel
