#include "unit_tables.hpp"

#include "UnitDefinitions.h"

#include <algorithm>

namespace quorvel::data {

namespace {

using units::BecquerelsPerCurie, units::SievertsPerRem, units::SecondsPerHour, units::SecondsPerYear;
constexpr double becquerelsPerCurie = BecquerelsPerCurie;
constexpr double sievertsPerRem = SievertsPerRem;
constexpr double secondsPerHour = SecondsPerHour;
constexpr double secondsPerYear = SecondsPerYear;
constexpr double soilKilogramsPerCubicMetre = units::SoilKilogramsPerCubicMetre;

constexpr double milli = units::Milli, micro = units::Micro, pico = units::Pico;
constexpr double becquerelsPerPicocurie = pico * becquerelsPerCurie;
constexpr double becquerelsPerMicrocurie = micro * becquerelsPerCurie;
constexpr double squareMetresPerSquareCentimetre = units::SquareMetresPerSquareCentimetre;
constexpr double kilogramsPerGram = units::KilogramsPerGram;

// Tabulated dose rates are Sv/s per unit concentration; "x/h" gives per hour.
constexpr double millisievertsPerHourPerSievertPerSecond = secondsPerHour / milli;
constexpr double milliremsPerHourPerSievertPerSecond = secondsPerHour / (milli * sievertsPerRem);

const char* const categoryNames[] = {"Internal", "Submersion", "Ground Plane", "Soil Volume"};

}  // namespace

std::vector<std::vector<UnitChoice>> doseUnitCategories()
{
    return {
        {
            {"Sv/Bq", 1.0},
            {"mSv/Bq", 1.0 / milli},
            {"rem/Ci", becquerelsPerCurie / sievertsPerRem},
            {"mrem/pCi", becquerelsPerPicocurie / (milli * sievertsPerRem)},
        },
        {
            {"Sv m3/(Bq s)", 1.0},
            {"mSv/h per Bq/m3", millisievertsPerHourPerSievertPerSecond},
            {"mrem/h per uCi/m3", milliremsPerHourPerSievertPerSecond * becquerelsPerMicrocurie},
        },
        {
            {"Sv m2/(Bq s)", 1.0},
            {"mSv/h per Bq/m2", millisievertsPerHourPerSievertPerSecond},
            {"mrem/h per pCi/cm2",
             milliremsPerHourPerSievertPerSecond * becquerelsPerPicocurie / squareMetresPerSquareCentimetre},
        },
        {
            {"Sv m3/(Bq s)", 1.0},
            {"mSv/h per Bq/m3", millisievertsPerHourPerSievertPerSecond},
            {"mrem/h per uCi/m3", milliremsPerHourPerSievertPerSecond * becquerelsPerMicrocurie},
            // A mass concentration c (per kg) is a volume concentration c x density.
            {"mSv/h per Bq/kg", millisievertsPerHourPerSievertPerSecond * soilKilogramsPerCubicMetre},
            {"mrem/h per pCi/g", milliremsPerHourPerSievertPerSecond * becquerelsPerPicocurie / kilogramsPerGram *
                                     soilKilogramsPerCubicMetre},
        },
    };
}

std::vector<std::vector<UnitChoice>> riskUnitCategories()
{
    // Tabulated risks are per Bq taken in, or per time-integrated concentration in Bq s/m3 or
    // Bq s/m2; a pCi-year is becquerelsPerPicocurie x secondsPerYear Bq s.
    constexpr double becquerelSecondsPerPicocurieYear = becquerelsPerPicocurie * secondsPerYear;
    return {
        {{"per Bq", 1.0}, {"per pCi", becquerelsPerPicocurie}},
        {{"per Bq s/m3", 1.0}, {"per pCi y/m3", becquerelSecondsPerPicocurieYear}},
        {{"per Bq s/m2", 1.0}, {"per pCi y/m2", becquerelSecondsPerPicocurieYear}},
        {
            {"per Bq s/m3", 1.0},
            {"per pCi y/m3", becquerelSecondsPerPicocurieYear},
            {"per Bq s/kg", soilKilogramsPerCubicMetre},
            {"per pCi y/g", becquerelSecondsPerPicocurieYear / kilogramsPerGram * soilKilogramsPerCubicMetre},
        },
    };
}

Table unitTable(const std::string& tableName, const std::vector<std::vector<UnitChoice>>& categories)
{
    Table table{tableName, {{"ID", FieldType::Integer}}, {}};
    std::size_t longest = 0;
    for (std::size_t k = 0; k < categories.size(); ++k) {
        table.fields.push_back({std::string(categoryNames[k]) + " Unit", FieldType::Text});
        table.fields.push_back({std::string(categoryNames[k]) + " Factor", FieldType::Real});
        longest = std::max(longest, categories[k].size());
    }
    std::vector<Value> counts{std::int64_t{0}};
    for (const auto& category : categories) {
        counts.emplace_back(std::to_string(category.size()));
        counts.emplace_back();
    }
    table.records.push_back(counts);
    for (std::size_t j = 0; j < longest; ++j) {
        std::vector<Value> record{static_cast<std::int64_t>(j + 1)};
        for (const auto& category : categories) {
            if (j < category.size()) {
                record.emplace_back(category[j].name);
                record.emplace_back(category[j].factor);
            } else {
                record.emplace_back();
                record.emplace_back();
            }
        }
        table.records.push_back(record);
    }
    return table;
}

}  // namespace quorvel::data
