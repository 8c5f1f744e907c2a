#include "CalculatorUnits.h"

#include <cmath>

#include "NumberText.h"
#include "UnitDefinitions.h"

namespace quorvel {

namespace {

using namespace units;

constexpr double BecquerelsPerPicocurie = Pico * BecquerelsPerCurie;

}  // namespace

const std::vector<CalculatorUnit>& ActivityUnits() {
    static const std::vector<CalculatorUnit> list = {
        {"Bq", 1},
        {"kBq", Kilo},
        {"MBq", Mega},
        {"GBq", Giga},
        {"pCi", BecquerelsPerPicocurie},
        {"nCi", Nano * BecquerelsPerCurie},
        {"uCi", Micro * BecquerelsPerCurie},
        {"mCi", Milli * BecquerelsPerCurie},
        {"Ci", BecquerelsPerCurie},
    };
    return list;
}

const std::vector<CalculatorUnit>& ConcentrationUnits(ExternalGeometry geometry) {
    static const std::vector<CalculatorUnit> air = {{"Bq/m3", 1}, {"pCi/m3", BecquerelsPerPicocurie}};
    static const std::vector<CalculatorUnit> ground = {
        {"Bq/m2", 1},
        {"pCi/m2", BecquerelsPerPicocurie},
        {"pCi/cm2", BecquerelsPerPicocurie / SquareMetresPerSquareCentimetre}};
    static const std::vector<CalculatorUnit> soil = {
        {"Bq/m3", 1},
        {"pCi/m3", BecquerelsPerPicocurie},
        {"Bq/kg", SoilKilogramsPerCubicMetre},
        {"pCi/kg", BecquerelsPerPicocurie * SoilKilogramsPerCubicMetre},
        {"pCi/g", BecquerelsPerPicocurie / KilogramsPerGram * SoilKilogramsPerCubicMetre},
    };
    switch (geometry) {
        case ExternalGeometry::Submersion: return air;
        case ExternalGeometry::GroundPlane: return ground;
        case ExternalGeometry::SoilVolume: break;
    }
    return soil;
}

const std::vector<CalculatorUnit>& TimeUnits() {
    static const std::vector<CalculatorUnit> list = {
        {"s", 1}, {"min", SecondsPerMinute}, {"h", SecondsPerHour}, {"d", SecondsPerDay}, {"y", SecondsPerYear}};
    return list;
}

const std::vector<CalculatorUnit>& DoseUnits() {
    static const std::vector<CalculatorUnit> list = {
        {"Sv", 1}, {"mSv", Milli}, {"uSv", Micro}, {"rem", SievertsPerRem}, {"mrem", Milli * SievertsPerRem}};
    return list;
}

std::optional<CalculatorUnit> FindUnit(const std::vector<CalculatorUnit>& units, std::string_view name) {
    // Spelled exactly: "mBq" and "MBq" differ by a factor of 1E9, so case is never guessed.
    // The micro sign (UTF-8 or Latin-1) may stand for the u.
    std::string spelled(name);
    for (const std::string micro : {"\xC2\xB5", "\xCE\xBC", "\xB5"})
        if (spelled.rfind(micro, 0) == 0) spelled = "u" + spelled.substr(micro.size());
    for (const auto& unit : units)
        if (unit.Name == spelled) return unit;
    return std::nullopt;
}

std::string UnitNames(const std::vector<CalculatorUnit>& units) {
    std::string names;
    for (const auto& unit : units) names += (names.empty() ? "" : ", ") + unit.Name;
    return names;
}

double ReadQuantity(const std::string& number, const std::string& unit, const std::vector<CalculatorUnit>& units,
                    const std::string& what) {
    const auto found = FindUnit(units, TrimBlanks(unit));
    if (!found) throw QuantityError(what + " unit \"" + unit + "\" is none of " + UnitNames(units));
    const auto value = ReadNumber(number);
    if (!value) throw QuantityError(what + " \"" + number + "\" is not a number");
    if (!(*value > 0)) throw QuantityError(what + " " + number + " is not above zero");
    const double base = *value * found->Factor;
    if (!std::isfinite(base)) throw QuantityError(what + " " + number + " " + found->Name + " is beyond any number");
    return base;
}

}  // namespace quorvel
