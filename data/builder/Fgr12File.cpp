#include "Fgr12File.h"

#include <stdexcept>

#include "SourceLines.h"
#include "SourceNumberText.h"

namespace quorvel::data {

namespace {

constexpr char Padding = '\xff';
constexpr std::size_t NameWidth = 7;
constexpr std::size_t ValueWidth = 9;
constexpr int HeaderRecords = 3;

std::string Field(const std::string& text, std::size_t start, std::size_t width) {
    return start < text.size() ? Trimmed(text.substr(start, width), Padding) : std::string();
}

}  // namespace

Fgr12Table ParseFgr12File(const std::filesystem::path& file, const std::string& displayName, QualityReport& report) {
    const auto lines = ReadSourceLines(file);
    if (lines.size() < HeaderRecords) throw std::runtime_error(displayName + ": fewer than three header records");
    Fgr12Table table;
    std::string title = Trimmed(lines[0].Text, Padding);
    if (!title.empty() && title.back() == '|') title = Trimmed(title.substr(0, title.size() - 1), Padding);
    table.Title = title;
    for (int k = 0; k < Fgr12ColumnCount; ++k) {
        std::string label = Field(lines[2].Text, NameWidth + ValueWidth * k, ValueWidth);
        if (!label.empty() && label.back() == '|')  // the records end in a '|' column
            label = Trimmed(label.substr(0, label.size() - 1), Padding);
        table.ColumnLabels.push_back(label);
    }

    for (std::size_t i = HeaderRecords; i < lines.size(); ++i) {
        const auto& line = lines[i];
        if (Trimmed(line.Text, Padding).empty()) continue;
        Fgr12Row row;
        row.Line = line.Number;
        row.Nuclide = Field(line.Text, 0, NameWidth);
        for (int k = 0; k < Fgr12ColumnCount; ++k) {
            const std::string text = Field(line.Text, NameWidth + ValueWidth * k, ValueWidth);
            const ParsedNumber number = ParseNumber(text, ExponentRule::RequiredUnlessZero);
            row.Values[k] = number.Value;
            if (!number.Value)
                report.Reject(
                    {displayName, line.Number, row.Nuclide + " " + table.ColumnLabels[k], text, number.Reason});
        }
        table.Rows.push_back(std::move(row));
    }
    return table;
}

}  // namespace quorvel::data
