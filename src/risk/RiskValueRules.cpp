#include "RiskValueRules.h"

#include "ScientificFormat.h"

namespace quorvel {

RiskCell RiskCellOf(const FieldValue& field, double unitFactor) {
    if (field.IsNumeric()) {
        const double value = field.Number() * unitFactor;
        return {value, FormatScientific(value)};
    }
    return {std::nullopt, field.TextOrEmpty()};
}

RiskOutcome RiskOutcomeOfColumn(int column) {
    return column < FirstMorbidityColumn ? RiskOutcome::Mortality : RiskOutcome::Morbidity;
}

}  // namespace quorvel
