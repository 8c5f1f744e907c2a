#include "UnitTables.h"

#include <algorithm>

#include "UnitDefinitions.h"

namespace quorvel::data {

namespace {

using units::BecquerelsPerCurie, units::SievertsPerRem, units::SecondsPerHour, units::SecondsPerYear;
constexpr double SoilKilogramsPerCubicMetre = units::SoilKilogramsPerCubicMetre;

constexpr double Milli = units::Milli, Micro = units::Micro, Pico = units::Pico;
constexpr double BecquerelsPerPicocurie = Pico * BecquerelsPerCurie;
constexpr double BecquerelsPerMicrocurie = Micro * BecquerelsPerCurie;
constexpr double SquareMetresPerSquareCentimetre = units::SquareMetresPerSquareCentimetre;
constexpr double KilogramsPerGram = units::KilogramsPerGram;

// Tabulated dose rates are Sv/s per unit concentration; "x/h" gives per hour.
constexpr double MillisievertsPerHourPerSievertPerSecond = SecondsPerHour / Milli;
constexpr double MilliremsPerHourPerSievertPerSecond = SecondsPerHour / (Milli * SievertsPerRem);

const char* const CategoryNames[] = {"Internal", "Submersion", "Ground Plane", "Soil Volume"};

}  // namespace

std::vector<std::vector<UnitChoice>> DoseUnitCategories() {
    return {
        {
            {"Sv/Bq", 1.0},
            {"mSv/Bq", 1.0 / Milli},
            {"rem/Ci", BecquerelsPerCurie / SievertsPerRem},
            {"mrem/pCi", BecquerelsPerPicocurie / (Milli * SievertsPerRem)},
        },
        {
            {"Sv m3/(Bq s)", 1.0},
            {"mSv/h per Bq/m3", MillisievertsPerHourPerSievertPerSecond},
            {"mrem/h per uCi/m3", MilliremsPerHourPerSievertPerSecond * BecquerelsPerMicrocurie},
        },
        {
            {"Sv m2/(Bq s)", 1.0},
            {"mSv/h per Bq/m2", MillisievertsPerHourPerSievertPerSecond},
            {"mrem/h per pCi/cm2",
             MilliremsPerHourPerSievertPerSecond * BecquerelsPerPicocurie / SquareMetresPerSquareCentimetre},
        },
        {
            {"Sv m3/(Bq s)", 1.0},
            {"mSv/h per Bq/m3", MillisievertsPerHourPerSievertPerSecond},
            {"mrem/h per uCi/m3", MilliremsPerHourPerSievertPerSecond * BecquerelsPerMicrocurie},
            // A mass concentration c (per kg) is a volume concentration c x density.
            {"mSv/h per Bq/kg", MillisievertsPerHourPerSievertPerSecond * SoilKilogramsPerCubicMetre},
            {"mrem/h per pCi/g", MilliremsPerHourPerSievertPerSecond * BecquerelsPerPicocurie / KilogramsPerGram *
                                     SoilKilogramsPerCubicMetre},
        },
    };
}

std::vector<std::vector<UnitChoice>> RiskUnitCategories() {
    // Tabulated risks are per Bq taken in, or per time-integrated concentration in Bq s/m3 or
    // Bq s/m2; a pCi-year is becquerelsPerPicocurie x secondsPerYear Bq s.
    constexpr double BecquerelSecondsPerPicocurieYear = BecquerelsPerPicocurie * SecondsPerYear;
    return {
        {{"per Bq", 1.0}, {"per pCi", BecquerelsPerPicocurie}},
        {{"per Bq s/m3", 1.0}, {"per pCi y/m3", BecquerelSecondsPerPicocurieYear}},
        {{"per Bq s/m2", 1.0}, {"per pCi y/m2", BecquerelSecondsPerPicocurieYear}},
        {
            {"per Bq s/m3", 1.0},
            {"per pCi y/m3", BecquerelSecondsPerPicocurieYear},
            {"per Bq s/kg", SoilKilogramsPerCubicMetre},
            {"per pCi y/g", BecquerelSecondsPerPicocurieYear / KilogramsPerGram * SoilKilogramsPerCubicMetre},
        },
    };
}

Table UnitTable(const std::string& tableName, const std::vector<std::vector<UnitChoice>>& categories) {
    Table table{tableName, {{"ID", FieldType::Integer}}, {}};
    std::size_t longest = 0;
    for (std::size_t k = 0; k < categories.size(); ++k) {
        table.Fields.push_back({std::string(CategoryNames[k]) + " Unit", FieldType::Text});
        table.Fields.push_back({std::string(CategoryNames[k]) + " Factor", FieldType::Real});
        longest = std::max(longest, categories[k].size());
    }
    std::vector<Value> counts{std::int64_t{0}};
    for (const auto& category : categories) {
        counts.emplace_back(std::to_string(category.size()));
        counts.emplace_back();
    }
    table.Records.push_back(counts);
    for (std::size_t j = 0; j < longest; ++j) {
        std::vector<Value> record{static_cast<std::int64_t>(j + 1)};
        for (const auto& category : categories) {
            if (j < category.size()) {
                record.emplace_back(category[j].Name);
                record.emplace_back(category[j].Factor);
            } else {
                record.emplace_back();
                record.emplace_back();
            }
        }
        table.Records.push_back(record);
    }
    return table;
}

}  // namespace quorvel::data
