#include "cof_index_file.hpp"

#include "number_text.hpp"
#include "source_lines.hpp"

namespace quorvel::data {

namespace {
constexpr std::size_t nameWidth = 7;
constexpr std::size_t halfLifeWidth = 10;  // number and unit; the decay modes follow at once ("0.10msA")
constexpr std::size_t firstDaughterColumn = 23;
constexpr std::size_t daughterWidth = 15;  // record number in 4 columns, a blank, the fraction in 10
constexpr int daughterSlots = 3;
constexpr int fissionRecord = 999;

// The fractions write a positive exponent with a blank for its sign ("1.0000E 00").
std::optional<double> readFraction(std::string text)
{
    if (const auto e = text.find("E "); e != std::string::npos)
        text[e + 1] = '+';
    return parseNumber(text, ExponentRule::Required).value;
}

std::vector<CofDaughter> readDaughters(const SourceLine& line, const std::string& name,
                                       const std::string& displayName, QualityReport& report)
{
    std::vector<CofDaughter> daughters;
    for (int slot = 0; slot < daughterSlots; ++slot) {
        const std::size_t start = firstDaughterColumn + static_cast<std::size_t>(slot) * daughterWidth;
        if (line.text.size() <= start)
            break;
        const std::string field = line.text.substr(start, daughterWidth);
        if (trimmed(field).empty())
            continue;
        const ParsedNumber record = parseNumber(trimmed(field.substr(0, 4)), ExponentRule::Optional);
        const auto fraction = readFraction(trimmed(field.substr(5)));
        if (!record.value || !fraction || *fraction < 0 || *fraction > 1) {
            report.reject({displayName, line.number, name + " daughter " + std::to_string(slot + 1), trimmed(field),
                           "not a record number and a branching fraction"});
            continue;
        }
        if (static_cast<int>(*record.value) != fissionRecord)
            daughters.push_back({static_cast<int>(*record.value), *fraction});
    }
    return daughters;
}

}  // namespace

std::map<std::string, CofIndexEntry> parseCofIndexFile(const std::filesystem::path& file,
                                                       const std::string& displayName, QualityReport& report)
{
    std::map<std::string, CofIndexEntry> entries;
    const auto lines = readSourceLines(file);
    for (std::size_t i = 1; i < lines.size(); ++i) {  // line 1 holds the record counts
        const auto& line = lines[i];
        if (trimmed(line.text).empty())
            continue;
        const std::string name = trimmed(line.text.substr(0, nameWidth));
        const std::string halfLifeText = line.text.substr(nameWidth, halfLifeWidth);
        auto halfLife = parseHalfLife(halfLifeText);
        if (!halfLife) {
            report.note(displayName, line.number, name + ": half-life '" + trimmed(halfLifeText) +
                        "' not readable: nuclide left out of the index");
            continue;
        }
        entries.emplace(name, CofIndexEntry{line.number, *halfLife, readDaughters(line, name, displayName, report)});
    }
    return entries;
}

}  // namespace quorvel::data
