#include "ScreeningLimit.h"

#include <algorithm>
#include <cmath>

#include "ExposureIntegral.h"
#include "IntakeCalculation.h"
#include "NumberText.h"
#include "ProgenyCells.h"

namespace quorvel {

namespace {

const std::vector<CalculatorUnit>& UnitsOf(const TableKind& kind) {
    return kind.IsExternal() ? ConcentrationUnits(kind.Geometry) : ActivityUnits();
}

std::string TargetInBaseUnit(const LimitTarget& target) {
    return FormatCalculatorNumber(target.Value) + (target.Kind == TargetKind::Dose ? " Sv" : "");
}

// What is limited, in words for the headings.
std::string WhatIsLimited(const TableKind& kind, const ExposureTime& exposure) {
    if (!kind.IsExternal()) return "intake";
    if (!exposure.Seconds) return "time-integrated concentration";
    if (exposure.Decaying) return "initial concentration of a decaying deposit over " + exposure.Text;
    return "concentration held for " + exposure.Text;
}

void CheckSettings(const Quantity& cell, const LimitSettings& settings) {
    const TableKind& kind = cell.Kind;
    if (kind.IsDose() != (settings.Target.Kind == TargetKind::Dose))
        throw LimitError(kind.IsDose() ? "a dose table takes a dose as the target, with its unit (e.g. 1 mSv)"
                                       : "a risk table takes a risk as the target, a number without unit (e.g. 1E-6)");
    if (!kind.IsExternal() && settings.Exposure.Seconds) throw LimitError("a time applies to external exposure only");
    if (settings.Exposure.Decaying && !settings.Exposure.Seconds)
        throw LimitError("a decaying deposit needs the time it is stood on");
}

}  // namespace

std::vector<std::string> LimitUnitNames(const TableKind& kind) {
    std::vector<std::string> names;
    for (const auto& unit : UnitsOf(kind)) names.push_back(unit.Name);
    return names;
}

LimitTable ComputeLimits(const CoefficientCatalogue& catalogue, const Quantity& cell,
                         const std::vector<CatalogueRow>& coefficients, const LimitSettings& settings) {
    CheckSettings(cell, settings);
    const auto& units = UnitsOf(cell.Kind);
    const CalculatorUnit base = units.front();
    const auto chosen = settings.Unit.empty() ? base : FindUnit(units, settings.Unit);
    if (!chosen)
        throw LimitError("unit \"" + settings.Unit + "\" is none of " + UnitNames(units) + " (" +
                         WhatIsLimited(cell.Kind, settings.Exposure) + ")");
    const ExposureTime& exposure = settings.Exposure;
    const bool integrated = cell.Kind.IsExternal() && !exposure.Seconds;
    const std::string perTime = integrated ? " s" : "";

    LimitTable table;
    table.Cell = cell;
    table.Target = settings.Target.Text;
    table.What = WhatIsLimited(cell.Kind, exposure);
    table.LimitUnit = chosen->Name + perTime;
    table.CoefficientUnit = catalogue.UnitOf(cell.Kind, 1).Name;
    if (const auto cutoff = catalogue.ProgenyCutoff()) table.CoefficientUnit += " (" + ProgenyUnitLabel(*cutoff) + ")";
    const std::string target = TargetInBaseUnit(settings.Target);

    for (const CatalogueRow& row : coefficients) {
        const auto leave = [&](std::string why) {
            table.Left.push_back({row.Nuclide.Nuclide, row.Form, std::move(why)});
        };
        if (!row.Value || !(*row.Value > 0)) {
            leave(row.Text.empty() ? "no coefficient" : "no coefficient (" + row.Text + ")");
            continue;
        }
        const double coefficient = *row.Value;
        // The coefficient as stored: the table's three figures would not give the limit's.
        std::string divisor = FormatGeneralNumber(coefficient) + " " + table.CoefficientUnit;
        double perUnit = coefficient;
        if (exposure.Seconds) {
            const std::string time = FormatCalculatorNumber(*exposure.Seconds) + " s";
            std::optional<double> halfLife;
            if (exposure.Decaying) {
                halfLife = row.Nuclide.HalfLifeSeconds;
                if (!halfLife || !(*halfLife > 0)) {
                    leave("no half-life for a decaying deposit");
                    continue;
                }
                const std::string t = FormatCalculatorNumber(*halfLife) + " s";
                divisor += " x (1 - exp(-ln2 x " + time + " / " + t + ")) x " + t + " / ln2";
            } else {
                divisor += " x " + time;
            }
            perUnit *= TimeIntegratedConcentration(1.0, *exposure.Seconds, halfLife);
            divisor = "(" + divisor + ")";
        }
        const double inBase = settings.Target.Value / perUnit;
        const double limit = inBase / chosen->Factor;
        if (!std::isfinite(limit)) {
            leave("a limit beyond any number");
            continue;
        }
        std::string formula =
            target + " / " + divisor + " = " + FormatCalculatorNumber(inBase) + " " + base.Name + perTime;
        if (chosen->Factor != 1) formula += " = " + FormatCalculatorNumber(limit) + " " + table.LimitUnit;
        CatalogueRow limited = row;
        limited.Value = limit;
        limited.Text = FormatCalculatorNumber(limit);
        table.Rows.push_back({std::move(limited), coefficient, row.Text, std::move(formula)});
    }
    return table;
}

void SortByLimit(std::vector<LimitRow>& rows) {
    std::stable_sort(rows.begin(), rows.end(),
                     [](const LimitRow& a, const LimitRow& b) { return *a.Row.Value < *b.Row.Value; });
}

}  // namespace quorvel
