#include "CoefficientRequest.h"

#include "DoseCoefficientReports.h"
#include "RiskCoefficientReports.h"

namespace quorvel {

int UnitCategory(const TableKind& kind) { return kind.IsExternal() ? 2 + CodeIndex(kind.Geometry) : 1; }

std::string TableName(const TableKind& kind) { return kind.IsDose() ? DoseTableName(kind) : RiskTableName(kind); }

const UnitTable& UnitListOf(const UnitTables& units, CoefficientType type) {
    return type == CoefficientType::Dose ? units.DoseUnits : units.RiskUnits;
}

std::string UnitListDescription(const TableKind& kind) {
    return std::string(kind.IsDose() ? "dose" : "risk") + " units for " +
           (kind.IsExternal() ? GeometryCaption(kind.Geometry) : "internal exposure");
}

UnitChoice ChooseUnit(const UnitTables& units, const TableKind& kind, int unitPosition) {
    const std::vector<UnitChoice> list = UnitListOf(units, kind.Type).Units(UnitCategory(kind));
    if (list.empty()) throw RequestError("The database holds no " + UnitListDescription(kind) + ".");
    if (unitPosition < 1 || unitPosition > static_cast<int>(list.size()))
        throw UnitPositionError("there are " + std::to_string(list.size()) + " " + UnitListDescription(kind) +
                                "; position " + std::to_string(unitPosition) + " is none of them");
    return list[static_cast<std::size_t>(unitPosition - 1)];
}

}  // namespace quorvel
