#include "fgr13_package_dose_file.hpp"

#include "nuclide_names.hpp"
#include "number_text.hpp"
#include "source_lines.hpp"

#include <sstream>
#include <stdexcept>

namespace quorvel::data {

namespace {

constexpr std::size_t headerLines = 2;
constexpr int adultDays = 7300;
constexpr int writtenAdultDays = 9125;
constexpr std::size_t valueCount = 33;  // organs, then h_Rem and e_50
constexpr std::size_t firstValueColumn = 24;
constexpr std::size_t valueWidth = 10;

// The text of columns [first, first + width) of a fixed-format line, blanks at both ends removed.
std::string column(const std::string& text, std::size_t first, std::size_t width)
{
    return first < text.size() ? trimmed(text.substr(first, width)) : std::string();
}

// Some lines end with a '|' column marker after the values; it is no part of any value.
std::string withoutMarker(std::string text)
{
    const auto last = text.find_last_not_of(' ');
    if (last != std::string::npos && text[last] == '|')
        text[last] = ' ';
    return text;
}

}  // namespace

Fgr13OrganFile parseFgr13PackageDoseFile(const std::filesystem::path& file, const std::string& displayName,
                                         QualityReport& report)
{
    const auto lines = readSourceLines(file);
    if (lines.size() < headerLines)
        throw std::runtime_error(displayName + ": header lines missing");
    std::istringstream heading(lines[1].text);
    std::vector<std::string> labels;
    for (std::string word; heading >> word;)
        labels.push_back(word);
    // "Nuclide Age f1", the organs, "h_Rem e_50", the marker.
    const std::size_t organCount = valueCount - 2;
    if (labels.size() < 3 + valueCount || labels[3 + organCount] != "h_Rem" || labels[4 + organCount] != "e_50")
        throw std::runtime_error(displayName + ": unexpected column headings");
    Fgr13OrganFile result;
    result.organLabels.assign(labels.begin() + 3, labels.begin() + 3 + static_cast<long>(organCount));

    int statedRecords = 0;  // Nlet of the last "L" line
    for (std::size_t i = headerLines; i < lines.size(); ++i) {
        const int number = lines[i].number;
        const std::string text = withoutMarker(lines[i].text);
        if (trimmed(text).empty())
            continue;
        const std::string nuclide = column(text, 0, 7);
        const std::string type = column(text, 23, 1);
        std::vector<std::string> fields;
        for (std::size_t k = 0; k < valueCount; ++k)
            fields.push_back(column(text, firstValueColumn + k * valueWidth, valueWidth));
        const std::string who = nuclide.empty() && !result.lines.empty() ? result.lines.back().nuclide + " (high LET)"
                                                                          : nuclide;
        auto read = [&](std::size_t k) {
            const std::string& label = k < organCount ? result.organLabels[k] : labels[3 + k];
            const ParsedNumber value = parseNumber(fields[k], ExponentRule::Required);
            if (!value.value)
                report.reject({displayName, number, who + " " + label, fields[k], value.reason});
            return value.value;
        };

        if (nuclide.empty()) {
            // The continuation of the line before: organ values only.
            if (type != "H" || result.lines.empty() || result.lines.back().highLet || statedRecords != 2) {
                report.note(displayName, number, "continuation line without a two-record block before it: left out");
                continue;
            }
            OrganValues high;
            for (std::size_t k = 0; k < organCount; ++k)
                high[k] = read(k);
            if (!fields[organCount].empty() || !fields[organCount + 1].empty())
                report.note(displayName, number, who + ": h_Rem or e_50 on a continuation line: left out");
            result.lines.back().highLet = high;
            result.lines.back().highLetLine = number;
            continue;
        }
        if (!result.lines.empty() && statedRecords == 2 && !result.lines.back().highLet)
            report.note(displayName, result.lines.back().line,
                        result.lines.back().nuclide + ": block of 2 records without its continuation line");

        Fgr13OrganLine entry;
        entry.line = number;
        entry.nuclide = nuclide;
        const std::string age = column(text, 7, 5);
        const std::string records = column(text, 20, 2);
        int days = 0;
        statedRecords = 0;
        try {
            std::size_t used = 0;
            days = std::stoi(age, &used);
            if (used != age.size())
                days = 0;
            statedRecords = std::stoi(records, &used);
            if (used != records.size())
                statedRecords = 0;
        } catch (const std::exception&) {
        }
        if (!parseNuclideKey(nuclide)) {
            report.note(displayName, number, "'" + nuclide + "' is no nuclide name: line left out");
            statedRecords = 0;
            continue;
        }
        if (days <= 0 || (statedRecords != 1 && statedRecords != 2) || (type != "L" && type != "H") ||
            (type == "H" && statedRecords != 1)) {
            report.note(displayName, number, nuclide + ": age '" + age + "', record count '" + records +
                        "' or type '" + type + "' not readable: line left out");
            statedRecords = 0;
            continue;
        }
        entry.ageDays = days == writtenAdultDays ? adultDays : days;
        entry.letType = type;
        const ParsedNumber f1 = parseNumber(column(text, 12, 8), ExponentRule::Optional);
        if (!f1.value)
            report.reject({displayName, number, nuclide + " f1", column(text, 12, 8), f1.reason});
        entry.f1 = f1.value;
        for (std::size_t k = 0; k < organCount; ++k)
            entry.organs[k] = read(k);
        entry.remainder = read(organCount);
        entry.effective = read(organCount + 1);
        result.lines.push_back(std::move(entry));
    }
    if (!result.lines.empty() && statedRecords == 2 && !result.lines.back().highLet)
        report.note(displayName, result.lines.back().line,
                    result.lines.back().nuclide + ": block of 2 records without its continuation line");
    return result;
}

}  // namespace quorvel::data
