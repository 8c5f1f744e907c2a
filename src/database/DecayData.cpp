#include "DecayData.h"

#include "DatabaseError.h"

namespace quorvel {

namespace {

std::optional<double> OptionalNumber(const FieldValue& value) {
    if (!value.IsNumeric()) return std::nullopt;
    return value.Number();
}

}  // namespace

DecayData DecayData::Read(Database& database) {
    DecayData data;
    Recordset records = [&] {
        try {
            return database.OpenQuery("SELECT * FROM Daughters ORDER BY ID;");
        } catch (const DatabaseError&) {
            return Recordset({}, {});  // an older database: no decay data
        }
    }();
    for (; !records.IsEOF(); records.MoveNext()) {
        const std::string parent = records.Field("Nuclide").Text();
        DecayLink link{records.Field("Daughter").Text(), records.Field("Branching Fraction").Number(),
                       records.Field("Daughter T1/2").TextOrEmpty(),
                       OptionalNumber(records.Field("Daughter Half-life (s)")), records.Field("Source").TextOrEmpty()};
        if (const auto parentHalfLife = OptionalNumber(records.Field("Half-life (s)")))
            data.halfLives_[parent] = *parentHalfLife;
        if (link.HalfLifeSeconds) data.halfLives_[link.Daughter] = *link.HalfLifeSeconds;
        data.halfLifeTexts_[link.Daughter] = link.HalfLifeText;
        data.daughters_[parent].push_back(std::move(link));
    }
    return data;
}

const std::vector<DecayLink>& DecayData::DaughtersOf(const std::string& nuclide) const {
    static const std::vector<DecayLink> none;
    const auto found = daughters_.find(nuclide);
    return found == daughters_.end() ? none : found->second;
}

std::optional<double> DecayData::HalfLifeSeconds(const std::string& nuclide) const {
    const auto found = halfLives_.find(nuclide);
    if (found == halfLives_.end()) return std::nullopt;
    return found->second;
}

std::string DecayData::HalfLifeText(const std::string& nuclide) const {
    const auto found = halfLifeTexts_.find(nuclide);
    return found == halfLifeTexts_.end() ? std::string() : found->second;
}

}  // namespace quorvel
