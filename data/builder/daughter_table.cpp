#include "daughter_table.hpp"

#include "number_text.hpp"

#include <cmath>
#include <set>

namespace quorvel::data {

namespace {

// Fractions of the two data sets differ by their revisions; more than this is worth a look.
constexpr double fractionTolerance = 0.02;

std::string icrpName(const std::string& fgrName, const std::map<std::string, std::string>& fgrToIcrp107)
{
    const auto mapped = fgrToIcrp107.find(fgrName);
    return mapped == fgrToIcrp107.end() ? fgrName : mapped->second;
}

// The daughters of one nuclide as the index gives them, by name.
std::map<std::string, double> namedDaughters(const CofIndexEntry& entry, const std::string& nuclide,
                                             const std::map<int, std::string>& byRecord,
                                             const std::string& indexFile, QualityReport& report)
{
    std::map<std::string, double> daughters;
    for (const auto& daughter : entry.daughters) {
        const auto name = byRecord.find(daughter.record);
        if (name == byRecord.end()) {
            report.note(indexFile, entry.line, nuclide + ": daughter record " + std::to_string(daughter.record) +
                        " is no nuclide of the index: left out");
            continue;
        }
        daughters[name->second] += daughter.fraction;
    }
    return daughters;
}

void checkAgainstIcrp107(const std::string& nuclide, int line, const std::map<std::string, double>& daughters,
                         const std::map<std::string, CofIndexEntry>& index,
                         const std::map<std::string, DecayDataEntry>& decayData,
                         const std::map<std::string, std::string>& fgrToIcrp107, const std::string& indexFile,
                         QualityReport& report)
{
    const auto icrp = decayData.find(icrpName(nuclide, fgrToIcrp107));
    if (icrp == decayData.end())
        return;  // nothing to compare with
    std::map<std::string, std::string> fgrOf;  // ICRP spelling of a radioactive daughter -> index spelling
    for (const auto& [name, entry] : index)
        fgrOf[icrpName(name, fgrToIcrp107)] = name;
    std::set<std::string> seen;
    for (const auto& [icrpDaughter, fraction] : icrp->second.daughters) {
        const auto fgr = fgrOf.find(icrpDaughter);
        if (fgr == fgrOf.end())
            continue;  // stable, or outside the index
        seen.insert(fgr->second);
        const auto ours = daughters.find(fgr->second);
        const double given = ours == daughters.end() ? 0.0 : ours->second;
        if (std::fabs(given - fraction) > fractionTolerance)
            report.note(indexFile, line, nuclide + " -> " + fgr->second + ": branching fraction " +
                        shortNumberText(given) + " here, " + shortNumberText(fraction) + " in ICRP-107");
    }
    for (const auto& [daughter, fraction] : daughters)
        if (!seen.contains(daughter) && fraction > fractionTolerance)
            report.note(indexFile, line, nuclide + " -> " + daughter + ": branching fraction " +
                        shortNumberText(fraction) + " here, not a daughter in ICRP-107");
}

}  // namespace

Table daughterTable(const std::map<std::string, CofIndexEntry>& index, const std::string& indexFile,
                    const std::map<std::string, DecayDataEntry>& decayData,
                    const std::map<std::string, std::string>& fgrToIcrp107, QualityReport& report)
{
    Table table{"Daughters",
                {{"Nuclide", FieldType::Text},
                 {"Half-life (s)", FieldType::Real},
                 {"Daughter", FieldType::Text},
                 {"Branching Fraction", FieldType::Real},
                 {"Daughter T1/2", FieldType::Text},
                 {"Daughter Half-life (s)", FieldType::Real},
                 {"ID", FieldType::Integer},
                 {"Source", FieldType::Text}},
                {}};
    std::map<int, std::string> byRecord;
    for (const auto& [name, entry] : index)
        byRecord[entry.line] = name;
    std::int64_t id = 0;
    for (const auto& [line, nuclide] : byRecord) {
        const CofIndexEntry& entry = index.at(nuclide);
        const auto daughters = namedDaughters(entry, nuclide, byRecord, indexFile, report);
        checkAgainstIcrp107(nuclide, line, daughters, index, decayData, fgrToIcrp107, indexFile, report);
        // In the order the index lists them.
        for (const auto& daughter : entry.daughters) {
            const auto name = byRecord.find(daughter.record);
            if (name == byRecord.end())
                continue;
            const CofIndexEntry& child = index.at(name->second);
            table.records.push_back({nuclide, entry.halfLife.seconds, name->second, daughter.fraction,
                                     child.halfLife.text(), child.halfLife.seconds, ++id,
                                     indexFile + ":" + std::to_string(line)});
        }
    }
    return table;
}

}  // namespace quorvel::data
