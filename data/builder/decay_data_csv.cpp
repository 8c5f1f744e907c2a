#include "decay_data_csv.hpp"

#include "csv_fields.hpp"
#include "source_lines.hpp"

namespace quorvel::data {

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
        entries.emplace(trimmed(fields[2]), entry);
    }
    return entries;
}

}  // namespace quorvel::data
