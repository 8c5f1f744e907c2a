#include "decay_data_csv.hpp"

#include "csv_fields.hpp"
#include "number_text.hpp"
#include "source_lines.hpp"

#include <regex>

namespace quorvel::data {

namespace {

// "{'Ba-137m': 0.94399, 'Ba-137': 0.056005}": a daughter that is not so written is left out
// (and named in the report), never guessed.
std::map<std::string, double> readDaughters(const std::string& text, const std::string& nuclide,
                                            const std::string& displayName, int line, QualityReport& report)
{
    static const std::regex entry(R"('([^']+)':\s*([0-9.eE+-]+))");
    std::map<std::string, double> daughters;
    for (auto it = std::sregex_iterator(text.begin(), text.end(), entry); it != std::sregex_iterator(); ++it) {
        const ParsedNumber fraction = parseNumber((*it)[2].str(), ExponentRule::Optional);
        if (fraction.value)
            daughters.emplace((*it)[1].str(), *fraction.value);
        else
            report.reject({displayName, line, nuclide + " daughter " + (*it)[1].str(), (*it)[2].str(), fraction.reason});
    }
    return daughters;
}

}  // namespace

std::map<std::string, DecayDataEntry> parseDecayDataCsv(const std::filesystem::path& file,
                                                        const std::string& displayName, QualityReport& report)
{
    std::map<std::string, DecayDataEntry> entries;
    const auto lines = readSourceLines(file);
    for (std::size_t i = 1; i < lines.size(); ++i) {  // line 1 holds the column names
        const auto& line = lines[i];
        if (trimmed(line.text).empty())
            continue;
        const auto fields = splitCsvLine(line.text);
        if (fields.size() < 4) {
            report.note(displayName, line.number, "line with fewer than 4 fields: left out");
            continue;
        }
        DecayDataEntry entry;
        entry.line = line.number;
        entry.halfLife = parseHalfLife(fields[3]);
        if (!entry.halfLife)
            report.note(displayName, line.number, fields[2] + ": half-life '" + fields[3] + "' not readable");
        if (fields.size() > 9)
            entry.daughters = readDaughters(fields[9], trimmed(fields[2]), displayName, line.number, report);
        entries.emplace(trimmed(fields[2]), entry);
    }
    return entries;
}

}  // namespace quorvel::data
