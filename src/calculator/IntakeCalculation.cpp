#include "IntakeCalculation.h"

#include <cmath>
#include <cstdio>
#include <stdexcept>

#include "ChoiceMatch.h"
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
    const std::string folded = FoldCase(TrimBlanks(word));
    constexpr CoefficientType dose = CoefficientType::Dose;
    if (folded == "ingestion") return {{dose, Pathway::Ingestion}, false};
    if (folded == "inhalation") return {{dose, Pathway::Inhalation}, false};
    if (folded == "submersion") return {{dose, Pathway::External, ExternalGeometry::Submersion}, true};
    if (folded == "ground-plane" || folded == "ground plane")
        return {{dose, Pathway::External, ExternalGeometry::GroundPlane}, true};
    if (folded == "soil-volume" || folded == "soil volume")
        return {{dose, Pathway::External, ExternalGeometry::SoilVolume}, true};
    throw RowError("pathway \"" + word + "\" is none of ingestion, inhalation, submersion, ground-plane, soil-volume");
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

double PositiveAmount(const std::string& text, const std::string& what) {
    const auto value = ReadNumber(text);
    if (!value) throw RowError(what + " \"" + text + "\" is not a number");
    if (!(*value > 0) || !std::isfinite(*value)) throw RowError(what + " " + text + " is not above zero");
    return *value;
}

CalculatorUnit UnitOf(const std::vector<CalculatorUnit>& units, const std::string& name, const std::string& what) {
    if (const auto unit = FindUnit(units, TrimBlanks(name))) return *unit;
    throw RowError(what + " unit \"" + name + "\" is none of " + UnitNames(units));
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

std::string SourceOf(const Coefficient& cell) { return cell.Source.empty() ? "" : " [" + cell.Source + "]"; }

class RowCalculation {
public:
    RowCalculation(CoefficientCatalogue& catalogue, const CalculationOptions& options, const CalculatorUnit& doseUnit)
        : catalogue_(catalogue), options_(options), doseUnit_(doseUnit) {}

    RowResult Calculate(const MixtureRow& row) {
        RowResult result;
        result.Row = row;
        try {
            const NuclideInfo* nuclide = catalogue_.FindNuclide(TrimBlanks(row.Nuclide));
            if (!nuclide) throw RowError("nuclide \"" + row.Nuclide + "\" is not in the list of this database");
            const PathwayChoice pathway = PathwayOf(row.Pathway);
            if (pathway.External)
                External(*nuclide, pathway.Dose, row, result);
            else
                Internal(*nuclide, pathway.Dose, row, result);
        } catch (const RowError& e) {
            result = RowResult{};
            result.Row = row;
            result.Error = e.what();
        }
        return result;
    }

private:
    // " (+D, T1/2 < 180 d)" when the catalogue gives +D values.
    std::string Progeny() const {
        const auto cutoff = catalogue_.ProgenyCutoff();
        return cutoff ? " (" + ProgenyUnitLabel(*cutoff) + ")" : std::string();
    }

    std::string Dose(double sieverts) const {
        return FormatCalculatorNumber(sieverts) + " Sv = " + FormatDoseIn(sieverts, doseUnit_);
    }

    // The form the row names, of the forms the cells have.
    static std::string FormOf(const std::vector<Coefficient>& cells, const std::string& written) {
        const auto forms = Distinct(cells, &Coefficient::Form);
        if (TrimBlanks(written).empty()) return forms.front();
        return Choose(forms, written, "form");
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
                               " " + coefficientUnit + " = " + Dose(*result.OrganDoseSv) + SourceOf(*cell));
    }

    void Internal(const NuclideInfo& nuclide, const TableKind& kind, const MixtureRow& row, RowResult& result) {
        if (!TrimBlanks(row.Time).empty() || !TrimBlanks(row.TimeUnit).empty())
            throw RowError("time applies to external exposure only");
        const auto& ages = catalogue_.Ages().AgeGroupNames;
        const std::string age = TrimBlanks(row.Age).empty() ? ages.back() : Choose(ages, row.Age, "age");
        const CalculatorUnit unit = UnitOf(ActivityUnits(), row.Unit, "intake");
        const double becquerels = PositiveAmount(row.Amount, "intake") * unit.Factor;
        if (becquerels > LargestAmountInBaseUnits)
            throw RowError("intake " + row.Amount + " " + unit.Name + " is beyond any real intake (over " +
                           FormatCalculatorNumber(LargestAmountInBaseUnits) + " Bq)");

        ScanSelection selection;
        selection.Nuclides = {nuclide.Nuclide};
        selection.Age = age;
        const auto cells = catalogue_.Cells(kind, 1, selection);
        if (cells.empty())
            throw RowError("this database holds no " + kind.Name() + " coefficients of " + nuclide.Nuclide +
                           " at age " + age);
        const std::string form = FormOf(cells, row.Form);
        const auto forms = Distinct(cells, &Coefficient::Form);
        const auto formIndex = static_cast<std::size_t>(std::find(forms.begin(), forms.end(), form) - forms.begin());
        const std::string effective = DescriptorStarting(Distinct(cells, &Coefficient::Descriptor), "Effective Dose (");
        const Coefficient* cell = CellFor(cells, form, effective);
        if (!cell) throw RowError("no effective dose of " + nuclide.Nuclide + " (" + form + ") at age " + age);

        result.Form = form;
        const std::string coefficientUnit = catalogue_.UnitOf(kind, 1).Name;
        const std::string amountText = FormatCalculatorNumber(becquerels) + " Bq";
        if (unit.Factor != 1)
            result.Steps.push_back(FormatCalculatorNumber(*ReadNumber(row.Amount)) + " " + unit.Name + " = " +
                                   amountText);
        result.EffectiveDoseSv = becquerels * *cell->Value;
        result.Steps.push_back(nuclide.Nuclide + ", " + kind.Name() + Progeny() + ", " + age + ", " + form + ": " +
                               amountText + " x " + FormatCalculatorNumber(*cell->Value) + " " + coefficientUnit +
                               " = " + Dose(*result.EffectiveDoseSv) + SourceOf(*cell));
        Organ(cells, form, becquerels, amountText, coefficientUnit, result);
        Risk(nuclide, kind, row, formIndex, becquerels, amountText, result);
    }

    void Risk(const NuclideInfo& nuclide, const TableKind& doseKind, const MixtureRow& row, std::size_t formIndex,
              double becquerels, const std::string& amountText, RowResult& result) {
        const TableKind kind{CoefficientType::Risk, doseKind.PathwayCode};
        ScanSelection selection;
        selection.Nuclides = {nuclide.Nuclide};
        std::vector<Coefficient> cells = catalogue_.Cells(kind, 1, selection);
        std::erase_if(cells, [](const Coefficient& cell) { return FoldCase(cell.Descriptor) != "total"; });
        if (cells.empty()) {
            result.Notes.push_back("no lifetime risk: this database holds no " + kind.Name() + " coefficients of " +
                                   nuclide.Nuclide);
            return;
        }
        const auto intakes = Distinct(cells, &Coefficient::Intake);
        const std::string intake = Choose(intakes, TrimBlanks(row.Intake).empty() ? "tap water" : row.Intake, "intake");
        std::erase_if(cells, [&](const Coefficient& cell) { return cell.Intake != intake; });
        const auto forms = Distinct(cells, &Coefficient::Form);
        // The risk table lists a nuclide's forms in the order of its dose table.
        const std::string form = forms[formIndex < forms.size() ? formIndex : 0];
        // The last age band is the lifetime coefficient, intake at any age.
        const std::string band = Distinct(cells, &Coefficient::Age).back();
        const std::string unitName = catalogue_.UnitOf(kind, 1).Name;
        for (RiskOutcome outcome : {RiskOutcome::Mortality, RiskOutcome::Morbidity}) {
            for (const auto& cell : cells) {
                if (cell.Form != form || cell.Age != band || cell.Outcome != outcome || !cell.Value) continue;
                const double risk = becquerels * *cell.Value;
                (outcome == RiskOutcome::Mortality ? result.MortalityRisk : result.MorbidityRisk) = risk;
                result.Steps.push_back(std::string(outcome == RiskOutcome::Mortality ? "Mortality" : "Morbidity") +
                                       Progeny() + " (" + intake + ", " + band + "): " + amountText + " x " +
                                       FormatCalculatorNumber(*cell.Value) + " " + unitName + " = " +
                                       FormatCalculatorNumber(risk) + SourceOf(cell));
                break;
            }
        }
    }

    void External(const NuclideInfo& nuclide, const TableKind& kind, const MixtureRow& row, RowResult& result) {
        if (!TrimBlanks(row.Age).empty()) throw RowError("age applies to intakes only");
        if (!TrimBlanks(row.Intake).empty()) throw RowError("intake (tap water or food) applies to ingestion only");
        const CalculatorUnit unit = UnitOf(ConcentrationUnits(kind.Geometry), row.Unit, "concentration");
        const double concentration = PositiveAmount(row.Amount, "concentration") * unit.Factor;
        if (concentration > LargestAmountInBaseUnits)
            throw RowError("concentration " + row.Amount + " " + unit.Name + " is beyond any real contamination");
        if (TrimBlanks(row.Time).empty()) throw RowError("external exposure needs a time");
        const CalculatorUnit timeUnit = UnitOf(TimeUnits(), row.TimeUnit, "time");
        const double seconds = PositiveAmount(row.Time, "time") * timeUnit.Factor;
        if (seconds > LongestExposureSeconds)
            throw RowError("time " + row.Time + " " + timeUnit.Name + " is over 100 y");

        ScanSelection selection;
        selection.Nuclides = {nuclide.Nuclide};
        const auto cells = catalogue_.Cells(kind, 1, selection);
        if (cells.empty())
            throw RowError("this database holds no " + GeometryCaption(kind.Geometry) + " dose coefficients of " +
                           nuclide.Nuclide);
        const std::string form = FormOf(cells, row.Form);
        const auto descriptors = Distinct(cells, &Coefficient::Descriptor);
        const Coefficient* effective = CellFor(cells, form, DescriptorStarting(descriptors, "Effective Dose ("));
        const Coefficient* equivalent =
            CellFor(cells, form, DescriptorStarting(descriptors, "Effective Dose Equivalent"));
        if (!effective)
            throw RowError("no effective dose of " + nuclide.Nuclide + " for " + GeometryCaption(kind.Geometry));

        result.Form = form;
        const std::string base = kind.Geometry == ExternalGeometry::GroundPlane ? "Bq/m2" : "Bq/m3";
        const std::string coefficientUnit = catalogue_.UnitOf(kind, 1).Name;
        const std::string exposure =
            FormatCalculatorNumber(concentration) + " " + base + " x " + FormatCalculatorNumber(seconds) + " s";
        if (unit.Factor != 1)
            result.Steps.push_back(
                FormatCalculatorNumber(*ReadNumber(row.Amount)) + " " + unit.Name + " = " +
                FormatCalculatorNumber(concentration) + " " + base +
                (unit.Name.find("/kg") != std::string::npos || unit.Name.find("/g") != std::string::npos
                     ? " (soil of 1.6 g/cm3)"
                     : ""));
        if (timeUnit.Factor != 1)
            result.Steps.push_back(FormatCalculatorNumber(*ReadNumber(row.Time)) + " " + timeUnit.Name + " = " +
                                   FormatCalculatorNumber(seconds) + " s");
        const double multiplier = concentration * seconds;
        result.EffectiveDoseSv = multiplier * *effective->Value;
        result.Steps.push_back(nuclide.Nuclide + ", " + GeometryCaption(kind.Geometry) + Progeny() +
                               ", E: " + exposure + " x " + FormatCalculatorNumber(*effective->Value) + " " +
                               coefficientUnit + " = " + Dose(*result.EffectiveDoseSv) + SourceOf(*effective));
        if (equivalent) {
            result.EffectiveDoseEquivalentSv = multiplier * *equivalent->Value;
            result.Steps.push_back("H_E: " + exposure + " x " + FormatCalculatorNumber(*equivalent->Value) + " " +
                                   coefficientUnit + " = " + Dose(*result.EffectiveDoseEquivalentSv) +
                                   SourceOf(*equivalent));
        }
        Organ(cells, form, multiplier, exposure, coefficientUnit, result);
    }

    CoefficientCatalogue& catalogue_;
    const CalculationOptions& options_;
    const CalculatorUnit& doseUnit_;
};

}  // namespace

bool MixtureResult::AllComputed() const {
    return std::all_of(Rows.begin(), Rows.end(), [](const RowResult& row) { return row.Error.empty(); });
}

MixtureResult CalculateMixture(CoefficientCatalogue& catalogue, const std::vector<MixtureRow>& rows,
                               const CalculationOptions& options) {
    const auto doseUnit = FindUnit(DoseUnits(), options.DoseUnit);
    if (!doseUnit)
        throw std::invalid_argument("dose unit \"" + options.DoseUnit + "\" is none of " + UnitNames(DoseUnits()));
    RowCalculation calculation(catalogue, options, *doseUnit);
    MixtureResult result;
    for (const auto& row : rows) {
        result.Rows.push_back(calculation.Calculate(row));
        if (result.Rows.back().EffectiveDoseSv) result.TotalEffectiveDoseSv += *result.Rows.back().EffectiveDoseSv;
    }
    for (auto& row : result.Rows)
        if (row.EffectiveDoseSv && result.TotalEffectiveDoseSv > 0)
            row.Share = *row.EffectiveDoseSv / result.TotalEffectiveDoseSv;
    return result;
}

std::string FormatCalculatorNumber(double value) {
    char text[32];
    std::snprintf(text, sizeof text, "%.2E", value);
    return text;
}

std::string FormatDoseIn(double sieverts, const CalculatorUnit& unit) {
    // From the three figures the steps show in Sv, so that both forms of a dose agree.
    const double value = std::stod(FormatCalculatorNumber(sieverts)) / unit.Factor;
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
