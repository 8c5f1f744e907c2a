#include "LimitTarget.h"

#include "IntakeCalculation.h"
#include "NumberText.h"

namespace quorvel {

namespace {

struct Split {
    std::string Number;
    std::string Unit;
};

// The unit is what follows the number: the text after its last digit or point ("1E-6" has
// none, "1.5E3mrem" has mrem).
Split SplitUnit(const std::string& text) {
    const std::string trimmed = TrimBlanks(text);
    const auto end = trimmed.find_last_of("0123456789.");
    if (end == std::string::npos) return {"", trimmed};
    return {TrimBlanks(trimmed.substr(0, end + 1)), TrimBlanks(trimmed.substr(end + 1))};
}

}  // namespace

double ReadQuantityText(const std::string& text, const std::vector<CalculatorUnit>& units, const std::string& what) {
    const Split split = SplitUnit(text);
    if (split.Number.empty()) throw LimitError(what + " \"" + text + "\" has no number");
    try {
        return ReadQuantity(split.Number, split.Unit, units, what);
    } catch (const QuantityError& e) {
        throw LimitError(e.what());
    }
}

LimitTarget ReadDoseTarget(const std::string& text) {
    const Split split = SplitUnit(text);
    if (split.Unit.empty() && !split.Number.empty())
        throw LimitError("dose \"" + text + "\" needs its unit, one of " + UnitNames(DoseUnits()) + " (e.g. 1 mSv)");
    const double sieverts = ReadQuantityText(text, DoseUnits(), "dose");
    return {TargetKind::Dose, sieverts, FormatDoseIn(sieverts, *FindUnit(DoseUnits(), split.Unit))};
}

LimitTarget ReadRiskTarget(const std::string& text) {
    const auto value = ReadNumber(text);
    if (!value) throw LimitError("risk \"" + text + "\" is not a number (e.g. 1E-6)");
    if (!(*value > 0 && *value <= 1))
        throw LimitError("risk " + TrimBlanks(text) + " is no probability above zero and at most 1");
    return {TargetKind::Risk, *value, FormatCalculatorNumber(*value)};
}

LimitTarget ReadTarget(const std::string& text) {
    return SplitUnit(text).Unit.empty() ? ReadRiskTarget(text) : ReadDoseTarget(text);
}

}  // namespace quorvel
