#include "Fgr13OrganFile.h"

#include <sstream>
#include <stdexcept>

#include "SourceLines.h"
#include "SourceNumberText.h"

namespace quorvel::data {

namespace {

constexpr int HeaderLines = 2;
constexpr int AdultDays = 7300;
constexpr int WrittenAdultDays = 9125;

std::vector<std::string> Words(const std::string& text) {
    std::istringstream in(text);
    std::vector<std::string> result;
    for (std::string word; in >> word;) result.push_back(word);
    return result;
}

class LineReader {
public:
    LineReader(const std::string& file, int line, std::string nuclide, QualityReport& report)
        : file_(file), line_(line), nuclide_(std::move(nuclide)), report_(report) {}

    std::optional<double> Value(const std::string& text, const std::string& column, ExponentRule rule) {
        const ParsedNumber number = ParseNumber(text, rule);
        if (!number.Value) report_.Reject({file_, line_, nuclide_ + " " + column, text, number.Reason});
        return number.Value;
    }

private:
    const std::string& file_;
    int line_;
    std::string nuclide_;
    QualityReport& report_;
};

}  // namespace

Fgr13OrganFile ParseFgr13OrganFile(const std::filesystem::path& file, const std::string& displayName, IntakeRoute route,
                                   QualityReport& report) {
    const auto lines = ReadSourceLines(file);
    if (lines.size() < HeaderLines) throw std::runtime_error(displayName + ": header lines missing");
    const auto heading = Words(lines[1].Text);
    // "Nuclide Age f1" or "Nuclide Age AMAD Class/f1", then the organs, h_Rem, e_50.
    const std::size_t firstOrgan = route == IntakeRoute::Ingestion ? 3 : 4;
    if (heading.size() < firstOrgan + Fgr13OrganCount + 2 || heading[firstOrgan + Fgr13OrganCount] != "h_Rem")
        throw std::runtime_error(displayName + ": unexpected column headings");
    Fgr13OrganFile result;
    result.OrganLabels.assign(heading.begin() + firstOrgan, heading.begin() + firstOrgan + Fgr13OrganCount);

    // Words of a main line: nuclide, age, [AMAD, class, flag,] f1, 33 organs, h_Rem, e_50, model file, 2 dates.
    const std::size_t firstValue = route == IntakeRoute::Ingestion ? 3 : 6;
    const std::size_t mainWords = firstValue + Fgr13OrganCount + 2 + 3;
    for (std::size_t i = HeaderLines; i < lines.size(); ++i) {
        const auto& line = lines[i];
        const auto w = Words(line.Text);
        if (w.empty()) continue;
        if (w.back() == "$") {
            if (result.Lines.empty() || result.Lines.back().HighLet || w.size() != Fgr13OrganCount + 1) {
                report.Note(displayName, line.Number,
                            "continuation line without a main line or with "
                            "a wrong number of values: left out");
                continue;
            }
            auto& main = result.Lines.back();
            LineReader reader(displayName, line.Number, main.Nuclide + " (high LET)", report);
            OrganValues high;
            for (int k = 0; k < Fgr13OrganCount; ++k)
                high[k] = reader.Value(w[k], result.OrganLabels[k], ExponentRule::Required);
            main.HighLet = high;
            main.HighLetLine = line.Number;
            continue;
        }
        if (w.size() != mainWords) {
            report.Note(displayName, line.Number,
                        "line with " + std::to_string(w.size()) + " fields instead of " + std::to_string(mainWords) +
                            ": left out");
            continue;
        }
        Fgr13OrganLine entry;
        entry.Line = line.Number;
        entry.Nuclide = w[0];
        LineReader reader(displayName, line.Number, entry.Nuclide, report);
        const auto age = reader.Value(w[1], "Age", ExponentRule::Optional);
        // An age is a whole number of days of a human life; anything else is no age.
        if (!age || *age < 0 || *age > 100000 || *age != static_cast<double>(static_cast<int>(*age))) {
            report.Note(displayName, line.Number, "line without a readable age: left out");
            continue;
        }
        entry.AgeDays = static_cast<int>(*age) == WrittenAdultDays ? AdultDays : static_cast<int>(*age);
        if (route == IntakeRoute::Inhalation) {
            entry.Amad = w[2];
            entry.AbsorptionClass = w[3];
            entry.Flag = w[4];
        }
        entry.F1 = reader.Value(w[firstValue - 1], "f1", ExponentRule::Optional);
        for (int k = 0; k < Fgr13OrganCount; ++k)
            entry.Organs[k] = reader.Value(w[firstValue + k], result.OrganLabels[k], ExponentRule::Required);
        entry.Remainder = reader.Value(w[firstValue + Fgr13OrganCount], "h_Rem", ExponentRule::Required);
        entry.Effective = reader.Value(w[firstValue + Fgr13OrganCount + 1], "e_50", ExponentRule::Required);
        entry.ModelFile = w[firstValue + Fgr13OrganCount + 2];
        result.Lines.push_back(std::move(entry));
    }
    return result;
}

}  // namespace quorvel::data
