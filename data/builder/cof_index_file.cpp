#include "cof_index_file.hpp"

#include "source_lines.hpp"

namespace quorvel::data {

namespace {
constexpr std::size_t nameWidth = 7;
constexpr std::size_t halfLifeWidth = 10;  // number and unit; the decay modes follow at once ("0.10msA")
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
        entries.emplace(name, CofIndexEntry{line.number, *halfLife});
    }
    return entries;
}

}  // namespace quorvel::data
