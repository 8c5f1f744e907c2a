#include "Fgr13PackageDoseFile.h"

#include <sstream>
#include <stdexcept>

#include "NuclideNames.h"
#include "SourceLines.h"
#include "SourceNumberText.h"

namespace quorvel::data {

namespace {

constexpr std::size_t HeaderLines = 2;
constexpr int AdultDays = 7300;
constexpr int WrittenAdultDays = 9125;
constexpr std::size_t ValueCount = 33;  // organs, then h_Rem and e_50
constexpr std::size_t FirstValueColumn = 24;
constexpr std::size_t ValueWidth = 10;

// The text of columns [first, first + width) of a fixed-format line, blanks at both ends removed.
std::string Column(const std::string& text, std::size_t first, std::size_t width) {
    return first < text.size() ? Trimmed(text.substr(first, width)) : std::string();
}

// Some lines end with a '|' column marker after the values; it is no part of any value.
std::string WithoutMarker(std::string text) {
    const auto last = text.find_last_not_of(' ');
    if (last != std::string::npos && text[last] == '|') text[last] = ' ';
    return text;
}

}  // namespace

Fgr13OrganFile ParseFgr13PackageDoseFile(const std::filesystem::path& file, const std::string& displayName,
                                         QualityReport& report) {
    const auto lines = ReadSourceLines(file);
    if (lines.size() < HeaderLines) throw std::runtime_error(displayName + ": header lines missing");
    std::istringstream heading(lines[1].Text);
    std::vector<std::string> labels;
    for (std::string word; heading >> word;) labels.push_back(word);
    // "Nuclide Age f1", the organs, "h_Rem e_50", the marker.
    const std::size_t organCount = ValueCount - 2;
    if (labels.size() < 3 + ValueCount || labels[3 + organCount] != "h_Rem" || labels[4 + organCount] != "e_50")
        throw std::runtime_error(displayName + ": unexpected column headings");
    Fgr13OrganFile result;
    result.OrganLabels.assign(labels.begin() + 3, labels.begin() + 3 + static_cast<long>(organCount));

    int statedRecords = 0;  // Nlet of the last "L" line
    for (std::size_t i = HeaderLines; i < lines.size(); ++i) {
        const int number = lines[i].Number;
        const std::string text = WithoutMarker(lines[i].Text);
        if (Trimmed(text).empty()) continue;
        const std::string nuclide = Column(text, 0, 7);
        const std::string type = Column(text, 23, 1);
        std::vector<std::string> fields;
        for (std::size_t k = 0; k < ValueCount; ++k)
            fields.push_back(Column(text, FirstValueColumn + k * ValueWidth, ValueWidth));
        const std::string who =
            nuclide.empty() && !result.Lines.empty() ? result.Lines.back().Nuclide + " (high LET)" : nuclide;
        auto read = [&](std::size_t k) {
            const std::string& label = k < organCount ? result.OrganLabels[k] : labels[3 + k];
            const ParsedNumber value = ParseNumber(fields[k], ExponentRule::Required);
            if (!value.Value) report.Reject({displayName, number, who + " " + label, fields[k], value.Reason});
            return value.Value;
        };

        if (nuclide.empty()) {
            // The continuation of the line before: organ values only.
            if (type != "H" || result.Lines.empty() || result.Lines.back().HighLet || statedRecords != 2) {
                report.Note(displayName, number, "continuation line without a two-record block before it: left out");
                continue;
            }
            OrganValues high;
            for (std::size_t k = 0; k < organCount; ++k) high[k] = read(k);
            if (!fields[organCount].empty() || !fields[organCount + 1].empty())
                report.Note(displayName, number, who + ": h_Rem or e_50 on a continuation line: left out");
            result.Lines.back().HighLet = high;
            result.Lines.back().HighLetLine = number;
            continue;
        }
        if (!result.Lines.empty() && statedRecords == 2 && !result.Lines.back().HighLet)
            report.Note(displayName, result.Lines.back().Line,
                        result.Lines.back().Nuclide + ": block of 2 records without its continuation line");

        Fgr13OrganLine entry;
        entry.Line = number;
        entry.Nuclide = nuclide;
        const std::string age = Column(text, 7, 5);
        const std::string records = Column(text, 20, 2);
        int days = 0;
        statedRecords = 0;
        try {
            std::size_t used = 0;
            days = std::stoi(age, &used);
            if (used != age.size()) days = 0;
            statedRecords = std::stoi(records, &used);
            if (used != records.size()) statedRecords = 0;
        } catch (const std::exception&) {}
        if (!ParseNuclideKey(nuclide)) {
            report.Note(displayName, number, "'" + nuclide + "' is no nuclide name: line left out");
            statedRecords = 0;
            continue;
        }
        if (days <= 0 || (statedRecords != 1 && statedRecords != 2) || (type != "L" && type != "H") ||
            (type == "H" && statedRecords != 1)) {
            report.Note(displayName, number,
                        nuclide + ": age '" + age + "', record count '" + records + "' or type '" + type +
                            "' not readable: line left out");
            statedRecords = 0;
            continue;
        }
        entry.AgeDays = days == WrittenAdultDays ? AdultDays : days;
        entry.LetType = type;
        const ParsedNumber f1 = ParseNumber(Column(text, 12, 8), ExponentRule::Optional);
        if (!f1.Value) report.Reject({displayName, number, nuclide + " f1", Column(text, 12, 8), f1.Reason});
        entry.F1 = f1.Value;
        for (std::size_t k = 0; k < organCount; ++k) entry.Organs[k] = read(k);
        entry.Remainder = read(organCount);
        entry.Effective = read(organCount + 1);
        result.Lines.push_back(std::move(entry));
    }
    if (!result.Lines.empty() && statedRecords == 2 && !result.Lines.back().HighLet)
        report.Note(displayName, result.Lines.back().Line,
                    result.Lines.back().Nuclide + ": block of 2 records without its continuation line");
    return result;
}

}  // namespace quorvel::data
