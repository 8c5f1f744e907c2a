#include "RowLimit.h"

#include "NumberText.h"

namespace quorvel {

RowLimit LimitOfRow(CoefficientCatalogue& catalogue, MixtureRow row, const CalculationOptions& options,
                    const LimitTarget& target) {
    const auto kind = PathwayTable(row.Pathway);
    if (!kind) throw LimitError("pathway \"" + row.Pathway + "\" is none of " + PathwayNames);
    const auto& units = kind->IsExternal() ? ConcentrationUnits(kind->Geometry) : ActivityUnits();
    const CalculatorUnit unit = FindUnit(units, TrimBlanks(row.Unit)).value_or(units.front());
    row.Amount = "1";
    row.Unit = unit.Name;
    const MixtureResult result = CalculateMixture(catalogue, {row}, options);
    const RowResult& one = result.Rows.front();
    if (!one.Error.empty()) throw LimitError(one.Error);

    const bool dose = target.Kind == TargetKind::Dose;
    const bool organ = dose && !options.Organ.empty();
    const std::optional<double> perUnit = !dose ? one.MortalityRisk : organ ? one.OrganDoseSv : one.EffectiveDoseSv;
    const std::string what = !dose ? "mortality risk" : organ ? "dose to " + options.Organ : "effective dose";
    if (!perUnit || !(*perUnit > 0)) throw LimitError("the row gives no " + what + " to divide by");
    const double amount = target.Value / *perUnit;
    RowLimit limit{FormatCalculatorNumber(amount), unit.Name, {}};
    const std::string per = FormatCalculatorNumber(*perUnit) + (dose ? " Sv" : "") + " per " + unit.Name;
    limit.Steps = TrimBlanks(row.Nuclide) + ", " + TrimBlanks(row.Pathway) + (one.Form.empty() ? "" : ", " + one.Form) +
                  (one.Age.empty() ? "" : ", " + one.Age) + ": " + what + " " + target.Text + " / " + per + " = " +
                  limit.Amount + " " + unit.Name + "\n\nOne " + unit.Name + ":\n";
    for (const std::string& step : one.Steps) limit.Steps += step + "\n";
    return limit;
}

}  // namespace quorvel
