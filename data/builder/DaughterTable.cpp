#include "DaughterTable.h"

#include <cmath>
#include <set>

#include "SourceNumberText.h"

namespace quorvel::data {

namespace {

// Fractions of the two data sets differ by their revisions; more than this is worth a look.
constexpr double FractionTolerance = 0.02;

std::string IcrpName(const std::string& fgrName, const std::map<std::string, std::string>& fgrToIcrp107) {
    const auto mapped = fgrToIcrp107.find(fgrName);
    return mapped == fgrToIcrp107.end() ? fgrName : mapped->second;
}

// The daughters of one nuclide as the index gives them, by name.
std::map<std::string, double> NamedDaughters(const CofIndexEntry& entry, const std::string& nuclide,
                                             const std::map<int, std::string>& byRecord, const std::string& indexFile,
                                             QualityReport& report) {
    std::map<std::string, double> daughters;
    for (const auto& daughter : entry.Daughters) {
        const auto name = byRecord.find(daughter.Record);
        if (name == byRecord.end()) {
            report.Note(indexFile, entry.Line,
                        nuclide + ": daughter record " + std::to_string(daughter.Record) +
                            " is no nuclide of the index: left out");
            continue;
        }
        daughters[name->second] += daughter.Fraction;
    }
    return daughters;
}

void CheckAgainstIcrp107(const std::string& nuclide, int line, const std::map<std::string, double>& daughters,
                         const std::map<std::string, CofIndexEntry>& index,
                         const std::map<std::string, DecayDataEntry>& decayData,
                         const std::map<std::string, std::string>& fgrToIcrp107, const std::string& indexFile,
                         QualityReport& report) {
    const auto icrp = decayData.find(IcrpName(nuclide, fgrToIcrp107));
    if (icrp == decayData.end()) return;       // nothing to compare with
    std::map<std::string, std::string> fgrOf;  // ICRP spelling of a radioactive daughter -> index spelling
    for (const auto& [name, entry] : index) fgrOf[IcrpName(name, fgrToIcrp107)] = name;
    std::set<std::string> seen;
    for (const auto& [icrpDaughter, fraction] : icrp->second.Daughters) {
        const auto fgr = fgrOf.find(icrpDaughter);
        if (fgr == fgrOf.end()) continue;  // stable, or outside the index
        seen.insert(fgr->second);
        const auto ours = daughters.find(fgr->second);
        const double given = ours == daughters.end() ? 0.0 : ours->second;
        if (std::fabs(given - fraction) > FractionTolerance)
            report.Note(indexFile, line,
                        nuclide + " -> " + fgr->second + ": branching fraction " + ShortNumberText(given) + " here, " +
                            ShortNumberText(fraction) + " in ICRP-107");
    }
    for (const auto& [daughter, fraction] : daughters)
        if (!seen.contains(daughter) && fraction > FractionTolerance)
            report.Note(indexFile, line,
                        nuclide + " -> " + daughter + ": branching fraction " + ShortNumberText(fraction) +
                            " here, not a daughter in ICRP-107");
}

}  // namespace

Table DaughterTable(const std::map<std::string, CofIndexEntry>& index, const std::string& indexFile,
                    const std::map<std::string, DecayDataEntry>& decayData,
                    const std::map<std::string, std::string>& fgrToIcrp107, QualityReport& report) {
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
    for (const auto& [name, entry] : index) byRecord[entry.Line] = name;
    std::int64_t id = 0;
    for (const auto& [line, nuclide] : byRecord) {
        const CofIndexEntry& entry = index.at(nuclide);
        const auto daughters = NamedDaughters(entry, nuclide, byRecord, indexFile, report);
        CheckAgainstIcrp107(nuclide, line, daughters, index, decayData, fgrToIcrp107, indexFile, report);
        // In the order the index lists them.
        for (const auto& daughter : entry.Daughters) {
            const auto name = byRecord.find(daughter.Record);
            if (name == byRecord.end()) continue;
            const CofIndexEntry& child = index.at(name->second);
            table.Records.push_back({nuclide, entry.HalfLife.Seconds, name->second, daughter.Fraction,
                                     child.HalfLife.Text(), child.HalfLife.Seconds, ++id,
                                     indexFile + ":" + std::to_string(line)});
        }
    }
    return table;
}

}  // namespace quorvel::data
