#include "DoseValueRules.h"

namespace quorvel {

std::optional<double> StoredDoseValue(const FieldValue& field) {
    if (field.IsNull()) return std::nullopt;
    return field.Number();
}

bool IsHighLetType(std::string_view radiationType) { return radiationType == "H"; }

std::optional<double> AgeDependentDoseValue(int coefficient, int count, bool firstIsHighLet,
                                            std::optional<double> first, bool twoRecordBlock,
                                            std::optional<double> highLetPart, double unitFactor) {
    const bool organ = coefficient > 1 && coefficient < count;
    double value = first.value_or(0.0);
    if (firstIsHighLet && organ) value *= HighLetWeight;
    bool held = first.has_value();
    if (twoRecordBlock && organ) {
        value += HighLetWeight * highLetPart.value_or(0.0);
        held = held || highLetPart.has_value();
    }
    if (!held) return std::nullopt;
    return coefficient > 1 ? value * unitFactor : value;
}

std::optional<double> ColonDose(std::optional<double> upperWall, std::optional<double> lowerWall) {
    if (!upperWall && !lowerWall) return std::nullopt;
    return UpperLargeIntestineShare * upperWall.value_or(0.0) + LowerLargeIntestineShare * lowerWall.value_or(0.0);
}

std::optional<double> InUnit(std::optional<double> value, double unitFactor) {
    if (!value) return std::nullopt;
    return *value * unitFactor;
}

}  // namespace quorvel
