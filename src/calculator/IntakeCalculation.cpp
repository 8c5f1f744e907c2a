#include "IntakeCalculation.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstdlib>

#include "CaseFolding.h"
#include "ChoiceMatch.h"
#include "ExposureIntegral.h"
#include "FormNames.h"
#include "NumberText.h"
#include "ProgenyCells.h"

namespace quorvel {

namespace {

// Beyond these an amount or a time is a slip, not an exposure.
constexpr double LargestAmountInBaseUnits = 1e21;
constexpr double LongestExposureSeconds = 100 * 365.25 * 86400.0;

class RowError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

struct PathwayChoice {
    TableKind Dose;
    bool External = false;
};

PathwayChoice PathwayOf(const std::string& word) {
    const auto kind = PathwayTable(word);
    if (!kind) throw RowError("pathway \"" + word + "\" is none of " + PathwayNames);
    return {*kind, kind->IsExternal()};
}

// Whether an external row's deposit decays: "constant" (also empty) or "decaying".
bool Decaying(const std::string& word) {
    const std::string folded = FoldCase(TrimBlanks(word));
    if (folded.empty() || folded == "constant") return false;
    if (folded == "decaying") return true;
    throw RowError("decay \"" + word + "\" is neither constant nor decaying");
}

std::string Listed(const std::vector<std::string>& choices) {
    std::string text;
    for (const auto& choice : choices) text += (text.empty() ? "" : ", ") + choice;
    return text;
}

// The one choice the text names (whole, else by its beginning).
std::string Choose(const std::vector<std::string>& choices, const std::string& text, const std::string& what) {
    const auto matches = MatchChoice(choices, TrimBlanks(text));
    if (matches.size() == 1) return matches.front();
    throw RowError(what + " \"" + text + "\" is " + (matches.empty() ? "none" : "more than one") + " of " +
                   Listed(matches.empty() ? choices : matches));
}

template <typename Member>
std::vector<std::string> Distinct(const std::vector<Coefficient>& cells, Member member) {
    std::vector<std::string> values;
    for (const auto& cell : cells)
        if (std::find(values.begin(), values.end(), cell.*member) == values.end()) values.push_back(cell.*member);
    return values;
}

const Coefficient* CellFor(const std::vector<Coefficient>& cells, const std::string& form,
                           const std::string& descriptor) {
    for (const auto& cell : cells)
        if (cell.Form == form && cell.Descriptor == descriptor && cell.Value) return &cell;
    return nullptr;
}

// The descriptor that starts so, in the table's order ("Effective Dose (" is E and e50).
std::string DescriptorStarting(const std::vector<std::string>& descriptors, const std::string& start) {
    for (const auto& descriptor : descriptors)
        if (FoldCase(descriptor).rfind(FoldCase(start), 0) == 0) return descriptor;
    return {};
}

// " [dir/FILE:LINE]" for a step, the source kept with the row's others.
std::string SourceOf(const Coefficient& cell, RowResult& result) {
    if (cell.Source.empty()) return "";
    if (std::find(result.Sources.begin(), result.Sources.end(), cell.Source) == result.Sources.end())
        result.Sources.push_back(cell.Source);
    return " [" + cell.Source + "]";
}

double RowQuantity(const std::string& number, const std::string& unit, const std::vector<CalculatorUnit>& units,
                   const std::string& what) {
    try {
        return ReadQuantity(number, unit, units, what);
    } catch (const QuantityError& e) {
        throw RowError(e.what());
    }
}

// "1.00E+04 Bq": the step that converts a quantity typed in another unit.
void ConversionStep(const std::string& number, const CalculatorUnit& unit, double base, const std::string& baseName,
                    const std::string& note, RowResult& result) {
    if (unit.Factor == 1) return;
    result.Steps.push_back(FormatCalculatorNumber(*ReadNumber(number)) + " " + unit.Name + " = " +
                           FormatCalculatorNumber(base) + " " + baseName + note);
}

class RowCalculation {
public:
    RowCalculation(CoefficientCatalogue& catalogue, const CalculationOptions& options, const CalculatorUnit& doseUnit)
        : catalogue_(catalogue), options_(options), doseUnit_(doseUnit) {}

    RowResult Calculate(const MixtureRow& row) {
        RowResult result;
        result.Row = row;
        try {
            const NuclideInfo* nuclide = catalogue_.FindNuclide(TrimBlanks(row.Nuclide));
            if (!nuclide) throw RowError("nuclide " + catalogue_.NotListed(TrimBlanks(row.Nuclide)));
            const PathwayChoice pathway = PathwayOf(row.Pathway);
            if (pathway.External)
                External(*nuclide, pathway.Dose, row, result);
            else
                Internal(*nuclide, pathway.Dose, row, result);
        } catch (const RowError& e) {
            auto forms = std::move(result.FormsToChoose);
            result = RowResult{};
            result.Row = row;
            result.Error = e.what();
            result.FormsToChoose = std::move(forms);
        }
        return result;
    }

    const std::vector<std::string>& RiskBands() const { return riskBands_; }

private:
    // The one place the calculator reads coefficients: a nuclide's cells of a table kind in
    // its first unit, of one age group where one is given.
    std::vector<Coefficient> CellsOf(const TableKind& kind, const NuclideInfo& nuclide,
                                     const std::optional<std::string>& age = std::nullopt) {
        ScanSelection selection;
        selection.Nuclides = {nuclide.Nuclide};
        selection.Age = age;
        return catalogue_.Cells(kind, 1, selection);
    }

    // " (+D, T1/2 < 180 d)" when the catalogue gives +D values.
    std::string Progeny() const {
        const auto cutoff = catalogue_.ProgenyCutoff();
        return cutoff ? " (" + ProgenyUnitLabel(*cutoff) + ")" : std::string();
    }

    std::string Dose(double sieverts) const {
        return FormatCalculatorNumber(sieverts) + " Sv = " + FormatDoseIn(sieverts, doseUnit_);
    }

    // The form the row names, of the forms the cells have; a row that names none of several
    // offers them (by their short names) with its reason.
    static std::string FormOf(const std::vector<Coefficient>& cells, const NuclideInfo& nuclide,
                              const std::string& pathway, const std::string& written, RowResult& result) {
        const auto forms = Distinct(cells, &Coefficient::Form);
        const auto named = FormsNamed(forms, written);
        if (named.size() == 1) return named.front();
        std::string offered;
        for (const auto& form : named.empty() ? forms : named) {
            const std::string name = ShortFormName(forms, form);
            result.FormsToChoose.emplace_back(name, form);
            offered += (offered.empty() ? "" : "; ") + (name == form ? form : name + " (" + form + ")");
        }
        if (TrimBlanks(written).empty())
            throw RowError(nuclide.Nuclide + " " + TrimBlanks(pathway) + " has " + std::to_string(forms.size()) +
                           " forms; name one in the form column: " + offered);
        throw RowError("form \"" + written + "\" is " + (named.empty() ? "none" : "more than one") + " of " + offered);
    }

    void Organ(const std::vector<Coefficient>& cells, const std::string& form, double multiplier,
               const std::string& amountText, const std::string& coefficientUnit, RowResult& result) const {
        if (options_.Organ.empty()) return;
        const auto matches = MatchChoice(Distinct(cells, &Coefficient::Descriptor), TrimBlanks(options_.Organ));
        const Coefficient* cell = matches.size() == 1 ? CellFor(cells, form, matches.front()) : nullptr;
        if (!cell) {
            result.Notes.push_back("no organ \"" + options_.Organ + "\" with a value in this table");
            return;
        }
        result.Organ = cell->Descriptor;
        result.OrganDoseSv = multiplier * *cell->Value;
        result.Steps.push_back(cell->Descriptor + ": " + amountText + " x " + FormatCalculatorNumber(*cell->Value) +
                               " " + coefficientUnit + " = " + Dose(*result.OrganDoseSv) + SourceOf(*cell, result));
    }

    void Internal(const NuclideInfo& nuclide, const TableKind& kind, const MixtureRow& row, RowResult& result) {
        if (!TrimBlanks(row.Time).empty() || !TrimBlanks(row.TimeUnit).empty())
            throw RowError("time applies to external exposure only");
        if (Decaying(row.Decay)) throw RowError("a decaying deposit applies to external exposure only");
        const auto& ages = catalogue_.Ages().AgeGroupNames;
        const std::string age = TrimBlanks(row.Age).empty() ? ages.back() : Choose(ages, row.Age, "age");
        const double becquerels = RowQuantity(row.Amount, row.Unit, ActivityUnits(), "intake");
        if (becquerels > LargestAmountInBaseUnits)
            throw RowError("intake " + row.Amount + " " + row.Unit + " is beyond any real intake (over " +
                           FormatCalculatorNumber(LargestAmountInBaseUnits) + " Bq)");

        const auto cells = CellsOf(kind, nuclide, age);
        if (cells.empty())
            throw RowError("this database holds no " + kind.Name() + " coefficients of " + nuclide.Nuclide +
                           " at age " + age);
        const std::string form = FormOf(cells, nuclide, row.Pathway, row.Form, result);
        const auto forms = Distinct(cells, &Coefficient::Form);
        const auto formIndex = static_cast<std::size_t>(std::find(forms.begin(), forms.end(), form) - forms.begin());
        const std::string effective = DescriptorStarting(Distinct(cells, &Coefficient::Descriptor), "Effective Dose (");
        const Coefficient* cell = CellFor(cells, form, effective);
        if (!cell) throw RowError("no effective dose of " + nuclide.Nuclide + " (" + form + ") at age " + age);

        result.Form = form;
        result.Age = age;
        const std::string coefficientUnit = catalogue_.UnitOf(kind, 1).Name;
        const std::string amountText = FormatCalculatorNumber(becquerels) + " Bq";
        ConversionStep(row.Amount, *FindUnit(ActivityUnits(), TrimBlanks(row.Unit)), becquerels, "Bq", "", result);
        result.EffectiveDoseSv = becquerels * *cell->Value;
        result.Steps.push_back(nuclide.Nuclide + ", " + kind.Name() + Progeny() + ", " + age + ", " + form + ": " +
                               amountText + " x " + FormatCalculatorNumber(*cell->Value) + " " + coefficientUnit +
                               " = " + Dose(*result.EffectiveDoseSv) + SourceOf(*cell, result));
        Organ(cells, form, becquerels, amountText, coefficientUnit, result);
        Risk(nuclide, kind, row, formIndex, becquerels, amountText, result);
    }

    void Risk(const NuclideInfo& nuclide, const TableKind& doseKind, const MixtureRow& row, std::size_t formIndex,
              double becquerels, const std::string& amountText, RowResult& result) {
        const TableKind kind{CoefficientType::Risk, doseKind.PathwayCode};
        std::vector<Coefficient> cells = CellsOf(kind, nuclide);
        std::erase_if(cells, [](const Coefficient& cell) { return FoldCase(cell.Descriptor) != "total"; });
        if (cells.empty()) {
            result.Notes.push_back("no risk: this database holds no " + kind.Name() + " coefficients of " +
                                   nuclide.Nuclide);
            return;
        }
        const auto intakes = Distinct(cells, &Coefficient::Intake);
        const std::string intake = Choose(intakes, TrimBlanks(row.Intake).empty() ? "tap water" : row.Intake, "intake");
        std::erase_if(cells, [&](const Coefficient& cell) { return cell.Intake != intake; });
        const auto forms = Distinct(cells, &Coefficient::Form);
        // The risk table lists a nuclide's forms in the order of its dose table.
        const std::string form = forms[formIndex < forms.size() ? formIndex : 0];
        riskBands_ = Distinct(cells, &Coefficient::Age);
        const std::string band = ChooseRiskBand(riskBands_, options_.RiskBand);
        result.Intake = intake;
        const std::string unitName = catalogue_.UnitOf(kind, 1).Name;
        for (RiskOutcome outcome : {RiskOutcome::Mortality, RiskOutcome::Morbidity}) {
            for (const auto& cell : cells) {
                if (cell.Form != form || cell.Age != band || cell.Outcome != outcome || !cell.Value) continue;
                const double risk = becquerels * *cell.Value;
                (outcome == RiskOutcome::Mortality ? result.MortalityRisk : result.MorbidityRisk) = risk;
                result.Steps.push_back(std::string(outcome == RiskOutcome::Mortality ? "Mortality" : "Morbidity") +
                                       Progeny() + " (" + intake + ", " + band + "): " + amountText + " x " +
                                       FormatCalculatorNumber(*cell.Value) + " " + unitName + " = " +
                                       FormatCalculatorNumber(risk) + SourceOf(cell, result));
                break;
            }
        }
    }

    // The concentration integrated over the time, in base units times seconds, with its step
    // where the deposit decays.
    static double Exposure(const NuclideInfo& nuclide, bool decaying, double concentration, double seconds,
                           const std::string& base, RowResult& result) {
        if (!decaying) return TimeIntegratedConcentration(concentration, seconds, std::nullopt);
        if (!nuclide.HalfLifeSeconds || !(*nuclide.HalfLifeSeconds > 0))
            throw RowError("a decaying deposit needs the half-life of " + nuclide.Nuclide +
                           ", which the nuclide list does not give as a time");
        const double halfLife = *nuclide.HalfLifeSeconds;
        const double integral = TimeIntegratedConcentration(concentration, seconds, halfLife);
        result.Steps.push_back("decaying deposit, T1/2 of " + nuclide.Nuclide + " " + nuclide.HalfLife + " = " +
                               FormatCalculatorNumber(halfLife) +
                               " s (nuclide list): " + FormatCalculatorNumber(concentration) + " " + base +
                               " x (1 - exp(-ln2 x " + FormatCalculatorNumber(seconds) + " s / " +
                               FormatCalculatorNumber(halfLife) + " s)) x " + FormatCalculatorNumber(halfLife) +
                               " s / ln2 = " + FormatCalculatorNumber(integral) + " " + base + " s");
        return integral;
    }

    void External(const NuclideInfo& nuclide, const TableKind& kind, const MixtureRow& row, RowResult& result) {
        if (!TrimBlanks(row.Age).empty()) throw RowError("age applies to intakes only");
        if (!TrimBlanks(row.Intake).empty()) throw RowError("intake (tap water or food) applies to ingestion only");
        const bool decaying = Decaying(row.Decay);
        const auto& units = ConcentrationUnits(kind.Geometry);
        const double concentration = RowQuantity(row.Amount, row.Unit, units, "concentration");
        if (concentration > LargestAmountInBaseUnits)
            throw RowError("concentration " + row.Amount + " " + row.Unit + " is beyond any real contamination");
        if (TrimBlanks(row.Time).empty()) throw RowError("external exposure needs a time");
        const double seconds = RowQuantity(row.Time, row.TimeUnit, TimeUnits(), "time");
        if (seconds > LongestExposureSeconds)
            throw RowError("time " + row.Time + " " + row.TimeUnit + " is over 100 y");

        const auto cells = CellsOf(kind, nuclide);
        if (cells.empty())
            throw RowError("this database holds no " + GeometryCaption(kind.Geometry) + " dose coefficients of " +
                           nuclide.Nuclide);
        const std::string form = FormOf(cells, nuclide, row.Pathway, row.Form, result);
        const auto descriptors = Distinct(cells, &Coefficient::Descriptor);
        const Coefficient* effective = CellFor(cells, form, DescriptorStarting(descriptors, "Effective Dose ("));
        const Coefficient* equivalent =
            CellFor(cells, form, DescriptorStarting(descriptors, "Effective Dose Equivalent"));
        if (!effective)
            throw RowError("no effective dose of " + nuclide.Nuclide + " for " + GeometryCaption(kind.Geometry));

        result.Form = form;
        result.Deposit = decaying ? "decaying" : "constant";
        const std::string base = kind.Geometry == ExternalGeometry::GroundPlane ? "Bq/m2" : "Bq/m3";
        const std::string coefficientUnit = catalogue_.UnitOf(kind, 1).Name;
        const CalculatorUnit unit = *FindUnit(units, TrimBlanks(row.Unit));
        ConversionStep(row.Amount, unit, concentration, base,
                       unit.Name.find("/kg") != std::string::npos || unit.Name.find("/g") != std::string::npos
                           ? " (soil of 1.6 g/cm3)"
                           : "",
                       result);
        ConversionStep(row.Time, *FindUnit(TimeUnits(), TrimBlanks(row.TimeUnit)), seconds, "s", "", result);
        const double multiplier = Exposure(nuclide, decaying, concentration, seconds, base, result);
        const std::string exposure = decaying ? FormatCalculatorNumber(multiplier) + " " + base + " s"
                                              : FormatCalculatorNumber(concentration) + " " + base + " x " +
                                                    FormatCalculatorNumber(seconds) + " s (held constant)";
        result.EffectiveDoseSv = multiplier * *effective->Value;
        result.Steps.push_back(nuclide.Nuclide + ", " + GeometryCaption(kind.Geometry) + Progeny() +
                               ", E: " + exposure + " x " + FormatCalculatorNumber(*effective->Value) + " " +
                               coefficientUnit + " = " + Dose(*result.EffectiveDoseSv) + SourceOf(*effective, result));
        if (equivalent) {
            result.EffectiveDoseEquivalentSv = multiplier * *equivalent->Value;
            result.Steps.push_back("H_E: " + exposure + " x " + FormatCalculatorNumber(*equivalent->Value) + " " +
                                   coefficientUnit + " = " + Dose(*result.EffectiveDoseEquivalentSv) +
                                   SourceOf(*equivalent, result));
        }
        Organ(cells, form, multiplier, exposure, coefficientUnit, result);
    }

    CoefficientCatalogue& catalogue_;
    const CalculationOptions& options_;
    const CalculatorUnit& doseUnit_;
    std::vector<std::string> riskBands_;
};

void Sum(std::optional<double>& total, const std::optional<double>& value) {
    if (value) total = total.value_or(0) + *value;
}

}  // namespace

std::optional<TableKind> PathwayTable(const std::string& word) {
    const std::string folded = FoldCase(TrimBlanks(word));
    constexpr CoefficientType dose = CoefficientType::Dose;
    if (folded == "ingestion") return TableKind{dose, Pathway::Ingestion};
    if (folded == "inhalation") return TableKind{dose, Pathway::Inhalation};
    if (folded == "submersion") return TableKind{dose, Pathway::External, ExternalGeometry::Submersion};
    if (folded == "ground-plane" || folded == "ground plane")
        return TableKind{dose, Pathway::External, ExternalGeometry::GroundPlane};
    if (folded == "soil-volume" || folded == "soil volume")
        return TableKind{dose, Pathway::External, ExternalGeometry::SoilVolume};
    return std::nullopt;
}

std::string ChooseRiskBand(const std::vector<std::string>& bands, const std::string& text) {
    const std::string wanted = FoldCase(TrimBlanks(text));
    if (wanted.empty()) return bands.back();
    std::vector<std::string> matches = MatchChoice(bands, wanted);
    if (matches.empty())
        for (const auto& band : bands)
            if (FoldCase(band).ends_with(" " + wanted)) matches.push_back(band);
    if (matches.size() == 1) return matches.front();
    throw CalculationOptionError("risk band \"" + text + "\" is " + (matches.empty() ? "none" : "more than one") +
                                 " of " + Listed(matches.empty() ? bands : matches));
}

bool MixtureResult::AllComputed() const {
    return std::all_of(Rows.begin(), Rows.end(), [](const RowResult& row) { return row.Error.empty(); });
}

MixtureResult CalculateMixture(CoefficientCatalogue& catalogue, const std::vector<MixtureRow>& rows,
                               const CalculationOptions& options) {
    const auto doseUnit = FindUnit(DoseUnits(), options.DoseUnit);
    if (!doseUnit)
        throw CalculationOptionError("dose unit \"" + options.DoseUnit + "\" is none of " + UnitNames(DoseUnits()));
    catalogue.IncludeProgeny(options.ProgenyCutoffSeconds);
    RowCalculation calculation(catalogue, options, *doseUnit);
    MixtureResult result;
    for (const auto& row : rows) {
        const RowResult& done = result.Rows.emplace_back(calculation.Calculate(row));
        if (done.EffectiveDoseSv) {
            result.TotalEffectiveDoseSv += *done.EffectiveDoseSv;
            ++result.RowsSummed;
        }
        if (done.MortalityRisk || done.MorbidityRisk) ++result.RiskRowsSummed;
        Sum(result.TotalMortalityRisk, done.MortalityRisk);
        Sum(result.TotalMorbidityRisk, done.MorbidityRisk);
    }
    for (auto& row : result.Rows)
        if (row.EffectiveDoseSv && result.TotalEffectiveDoseSv > 0)
            row.Share = *row.EffectiveDoseSv / result.TotalEffectiveDoseSv;
    result.RiskBands = calculation.RiskBands();
    if (!result.RiskBands.empty()) result.RiskBand = ChooseRiskBand(result.RiskBands, options.RiskBand);
    return result;
}

std::string FormatCalculatorNumber(double value) {
    char text[32];
    std::snprintf(text, sizeof text, "%.2E", value);
    return text;
}

std::string FormatDoseIn(double sieverts, const CalculatorUnit& unit) {
    // From the three figures the steps show in Sv, so that both forms of a dose agree.
    // strtod: a dose below the smallest normal double still reads (stod would throw).
    const double value = std::strtod(FormatCalculatorNumber(sieverts).c_str(), nullptr) / unit.Factor;
    const double magnitude = std::fabs(value);
    char text[48];
    if (magnitude >= 1e-3 && magnitude < 1e4) {
        const int decimals = std::max(0, 2 - static_cast<int>(std::floor(std::log10(magnitude))));
        std::snprintf(text, sizeof text, "%.*f", decimals, value);
    } else {
        std::snprintf(text, sizeof text, "%.2E", value);
    }
    return std::string(text) + " " + unit.Name;
}

}  // namespace quorvel
