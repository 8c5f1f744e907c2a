#include "fgr13_organ_file.hpp"

#include "number_text.hpp"
#include "source_lines.hpp"

#include <sstream>
#include <stdexcept>

namespace quorvel::data {

namespace {

constexpr int headerLines = 2;
constexpr int adultDays = 7300;
constexpr int writtenAdultDays = 9125;

std::vector<std::string> words(const std::string& text)
{
    std::istringstream in(text);
    std::vector<std::string> result;
    for (std::string word; in >> word;)
        result.push_back(word);
    return result;
}

class LineReader {
public:
    LineReader(const std::string& file, int line, std::string nuclide, QualityReport& report)
        : file_(file), line_(line), nuclide_(std::move(nuclide)), report_(report) {}

    std::optional<double> value(const std::string& text, const std::string& column, ExponentRule rule)
    {
        const ParsedNumber number = parseNumber(text, rule);
        if (!number.value)
            report_.reject({file_, line_, nuclide_ + " " + column, text, number.reason});
        return number.value;
    }

private:
    const std::string& file_;
    int line_;
    std::string nuclide_;
    QualityReport& report_;
};

}  // namespace

Fgr13OrganFile parseFgr13OrganFile(const std::filesystem::path& file, const std::string& displayName,
                                   IntakeRoute route, QualityReport& report)
{
    const auto lines = readSourceLines(file);
    if (lines.size() < headerLines)
        throw std::runtime_error(displayName + ": header lines missing");
    const auto heading = words(lines[1].text);
    // "Nuclide Age f1" or "Nuclide Age AMAD Class/f1", then the organs, h_Rem, e_50.
    const std::size_t firstOrgan = route == IntakeRoute::Ingestion ? 3 : 4;
    if (heading.size() < firstOrgan + fgr13OrganCount + 2 || heading[firstOrgan + fgr13OrganCount] != "h_Rem")
        throw std::runtime_error(displayName + ": unexpected column headings");
    Fgr13OrganFile result;
    result.organLabels.assign(heading.begin() + firstOrgan, heading.begin() + firstOrgan + fgr13OrganCount);

    // Words of a main line: nuclide, age, [AMAD, class, flag,] f1, 33 organs, h_Rem, e_50, model file, 2 dates.
    const std::size_t firstValue = route == IntakeRoute::Ingestion ? 3 : 6;
    const std::size_t mainWords = firstValue + fgr13OrganCount + 2 + 3;
    for (std::size_t i = headerLines; i < lines.size(); ++i) {
        const auto& line = lines[i];
        const auto w = words(line.text);
        if (w.empty())
            continue;
        if (w.back() == "$") {
            if (result.lines.empty() || result.lines.back().highLet || w.size() != fgr13OrganCount + 1) {
                report.note(displayName, line.number, "continuation line without a main line or with "
                            "a wrong number of values: left out");
                continue;
            }
            auto& main = result.lines.back();
            LineReader reader(displayName, line.number, main.nuclide + " (high LET)", report);
            OrganValues high;
            for (int k = 0; k < fgr13OrganCount; ++k)
                high[k] = reader.value(w[k], result.organLabels[k], ExponentRule::Required);
            main.highLet = high;
            main.highLetLine = line.number;
            continue;
        }
        if (w.size() != mainWords) {
            report.note(displayName, line.number, "line with " + std::to_string(w.size()) +
                        " fields instead of " + std::to_string(mainWords) + ": left out");
            continue;
        }
        Fgr13OrganLine entry;
        entry.line = line.number;
        entry.nuclide = w[0];
        LineReader reader(displayName, line.number, entry.nuclide, report);
        const auto age = reader.value(w[1], "Age", ExponentRule::Optional);
        // An age is a whole number of days of a human life; anything else is no age.
        if (!age || *age < 0 || *age > 100000 || *age != static_cast<double>(static_cast<int>(*age))) {
            report.note(displayName, line.number, "line without a readable age: left out");
            continue;
        }
        entry.ageDays = static_cast<int>(*age) == writtenAdultDays ? adultDays : static_cast<int>(*age);
        if (route == IntakeRoute::Inhalation) {
            entry.amad = w[2];
            entry.absorptionClass = w[3];
            entry.flag = w[4];
        }
        entry.f1 = reader.value(w[firstValue - 1], "f1", ExponentRule::Optional);
        for (int k = 0; k < fgr13OrganCount; ++k)
            entry.organs[k] = reader.value(w[firstValue + k], result.organLabels[k], ExponentRule::Required);
        entry.remainder = reader.value(w[firstValue + fgr13OrganCount], "h_Rem", ExponentRule::Required);
        entry.effective = reader.value(w[firstValue + fgr13OrganCount + 1], "e_50", ExponentRule::Required);
        entry.modelFile = w[firstValue + fgr13OrganCount + 2];
        result.lines.push_back(std::move(entry));
    }
    return result;
}

}  // namespace quorvel::data
