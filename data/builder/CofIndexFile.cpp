#include "CofIndexFile.h"

#include "SourceLines.h"
#include "SourceNumberText.h"

namespace quorvel::data {

namespace {
constexpr std::size_t NameWidth = 7;
constexpr std::size_t HalfLifeWidth = 10;  // number and unit; the decay modes follow at once ("0.10msA")
constexpr std::size_t FirstDaughterColumn = 23;
constexpr std::size_t DaughterWidth = 15;  // record number in 4 columns, a blank, the fraction in 10
constexpr int DaughterSlots = 3;
constexpr int FissionRecord = 999;

// The fractions write a positive exponent with a blank for its sign ("1.0000E 00").
std::optional<double> ReadFraction(std::string text) {
    if (const auto e = text.find("E "); e != std::string::npos) text[e + 1] = '+';
    return ParseNumber(text, ExponentRule::Required).Value;
}

std::vector<CofDaughter> ReadDaughters(const SourceLine& line, const std::string& name, const std::string& displayName,
                                       QualityReport& report) {
    std::vector<CofDaughter> daughters;
    for (int slot = 0; slot < DaughterSlots; ++slot) {
        const std::size_t start = FirstDaughterColumn + static_cast<std::size_t>(slot) * DaughterWidth;
        if (line.Text.size() <= start) break;
        const std::string field = line.Text.substr(start, DaughterWidth);
        if (Trimmed(field).empty()) continue;
        const ParsedNumber record = ParseNumber(Trimmed(field.substr(0, 4)), ExponentRule::Optional);
        const auto fraction = ReadFraction(Trimmed(field.substr(5)));
        if (!record.Value || !fraction || *fraction < 0 || *fraction > 1) {
            report.Reject({displayName, line.Number, name + " daughter " + std::to_string(slot + 1), Trimmed(field),
                           "not a record number and a branching fraction"});
            continue;
        }
        if (static_cast<int>(*record.Value) != FissionRecord)
            daughters.push_back({static_cast<int>(*record.Value), *fraction});
    }
    return daughters;
}

}  // namespace

std::map<std::string, CofIndexEntry> ParseCofIndexFile(const std::filesystem::path& file,
                                                       const std::string& displayName, QualityReport& report) {
    std::map<std::string, CofIndexEntry> entries;
    const auto lines = ReadSourceLines(file);
    for (std::size_t i = 1; i < lines.size(); ++i) {  // line 1 holds the record counts
        const auto& line = lines[i];
        if (Trimmed(line.Text).empty()) continue;
        const std::string name = Trimmed(line.Text.substr(0, NameWidth));
        const std::string halfLifeText = line.Text.substr(NameWidth, HalfLifeWidth);
        auto halfLife = ParseHalfLife(halfLifeText);
        if (!halfLife) {
            report.Note(
                displayName, line.Number,
                name + ": half-life '" + Trimmed(halfLifeText) + "' not readable: nuclide left out of the index");
            continue;
        }
        entries.emplace(name, CofIndexEntry{line.Number, *halfLife, ReadDaughters(line, name, displayName, report)});
    }
    return entries;
}

}  // namespace quorvel::data
