#pragma once
// The units the intake calculator takes and gives, each with its factor to the unit the
// coefficient tables are in (Bq, Bq/m3, Bq/m2, s, Sv), all derived from the definitions.

#include <optional>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

#include "TableKind.h"

namespace quorvel {

struct CalculatorUnit {
    std::string Name;
    double Factor = 1;  // one of this unit in the base unit
};

// Activity taken in: Bq, kBq, MBq, GBq, pCi, nCi, uCi, mCi, Ci.
const std::vector<CalculatorUnit>& ActivityUnits();
// Concentration per geometry, to Bq/m3 or Bq/m2; a soil mass concentration counts at
// FGR-12's 1.6 g/cm3.
const std::vector<CalculatorUnit>& ConcentrationUnits(ExternalGeometry geometry);
// Exposure time: s, min, h, d, y (365.25 d).
const std::vector<CalculatorUnit>& TimeUnits();
// Results: Sv, mSv, uSv, rem, mrem.
const std::vector<CalculatorUnit>& DoseUnits();

// The unit of the list spelled exactly so (a micro sign may stand for u); none if none is.
std::optional<CalculatorUnit> FindUnit(const std::vector<CalculatorUnit>& units, std::string_view name);
// "Bq, kBq, MBq": the names of a list, for messages and help.
std::string UnitNames(const std::vector<CalculatorUnit>& units);

// An amount, concentration or time a row states that cannot be used, with the reason.
class QuantityError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// A number typed with the name of its unit ("1E4", "kBq"), in the base unit of the unit's
// list; what ("intake", "time") names it in the messages. No number, none above zero or
// none that the base unit can hold, or a unit not of the list, is a QuantityError.
double ReadQuantity(const std::string& number, const std::string& unit, const std::vector<CalculatorUnit>& units,
                    const std::string& what);

}  // namespace quorvel
