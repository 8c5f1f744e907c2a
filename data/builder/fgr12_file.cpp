#include "fgr12_file.hpp"

#include "number_text.hpp"
#include "source_lines.hpp"

#include <stdexcept>

namespace quorvel::data {

namespace {

constexpr char padding = '\xff';
constexpr std::size_t nameWidth = 7;
constexpr std::size_t valueWidth = 9;
constexpr int headerRecords = 3;

std::string field(const std::string& text, std::size_t start, std::size_t width)
{
    return start < text.size() ? trimmed(text.substr(start, width), padding) : std::string();
}

}  // namespace

Fgr12Table parseFgr12File(const std::filesystem::path& file, const std::string& displayName,
                          QualityReport& report)
{
    const auto lines = readSourceLines(file);
    if (lines.size() < headerRecords)
        throw std::runtime_error(displayName + ": fewer than three header records");
    Fgr12Table table;
    std::string title = trimmed(lines[0].text, padding);
    if (!title.empty() && title.back() == '|')
        title = trimmed(title.substr(0, title.size() - 1), padding);
    table.title = title;
    for (int k = 0; k < fgr12ColumnCount; ++k) {
        std::string label = field(lines[2].text, nameWidth + valueWidth * k, valueWidth);
        if (!label.empty() && label.back() == '|')  // the records end in a '|' column
            label = trimmed(label.substr(0, label.size() - 1), padding);
        table.columnLabels.push_back(label);
    }

    for (std::size_t i = headerRecords; i < lines.size(); ++i) {
        const auto& line = lines[i];
        if (trimmed(line.text, padding).empty())
            continue;
        Fgr12Row row;
        row.line = line.number;
        row.nuclide = field(line.text, 0, nameWidth);
        for (int k = 0; k < fgr12ColumnCount; ++k) {
            const std::string text = field(line.text, nameWidth + valueWidth * k, valueWidth);
            const ParsedNumber number = parseNumber(text, ExponentRule::RequiredUnlessZero);
            row.values[k] = number.value;
            if (!number.value)
                report.reject({displayName, line.number, row.nuclide + " " + table.columnLabels[k], text,
                               number.reason});
        }
        table.rows.push_back(std::move(row));
    }
    return table;
}

}  // namespace quorvel::data
