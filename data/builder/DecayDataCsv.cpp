#include "DecayDataCsv.h"

#include <regex>

#include "CsvFields.h"
#include "SourceLines.h"
#include "SourceNumberText.h"

namespace quorvel::data {

namespace {

// "{'Ba-137m': 0.94399, 'Ba-137': 0.056005}": a daughter that is not so written is left out
// (and named in the report), never guessed.
std::map<std::string, double> ReadDaughters(const std::string& text, const std::string& nuclide,
                                            const std::string& displayName, int line, QualityReport& report) {
    static const std::regex entry(R"('([^']+)':\s*([0-9.eE+-]+))");
    std::map<std::string, double> daughters;
    for (auto it = std::sregex_iterator(text.begin(), text.end(), entry); it != std::sregex_iterator(); ++it) {
        const ParsedNumber fraction = ParseNumber((*it)[2].str(), ExponentRule::Optional);
        if (fraction.Value)
            daughters.emplace((*it)[1].str(), *fraction.Value);
        else
            report.Reject(
                {displayName, line, nuclide + " daughter " + (*it)[1].str(), (*it)[2].str(), fraction.Reason});
    }
    return daughters;
}

}  // namespace

std::map<std::string, DecayDataEntry> ParseDecayDataCsv(const std::filesystem::path& file,
                                                        const std::string& displayName, QualityReport& report) {
    std::map<std::string, DecayDataEntry> entries;
    const auto lines = ReadSourceLines(file);
    for (std::size_t i = 1; i < lines.size(); ++i) {  // line 1 holds the column names
        const auto& line = lines[i];
        if (Trimmed(line.Text).empty()) continue;
        const auto fields = SplitCsvLine(line.Text);
        if (fields.size() < 4) {
            report.Note(displayName, line.Number, "line with fewer than 4 fields: left out");
            continue;
        }
        DecayDataEntry entry;
        entry.Line = line.Number;
        entry.HalfLife = ParseHalfLife(fields[3]);
        if (!entry.HalfLife)
            report.Note(displayName, line.Number, fields[2] + ": half-life '" + fields[3] + "' not readable");
        if (fields.size() > 9)
            entry.Daughters = ReadDaughters(fields[9], Trimmed(fields[2]), displayName, line.Number, report);
        entries.emplace(Trimmed(fields[2]), entry);
    }
    return entries;
}

}  // namespace quorvel::data
