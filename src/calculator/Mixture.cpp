#include "Mixture.h"

#include <algorithm>
#include <map>

#include "NumberText.h"

namespace quorvel {

namespace {

// Fields of one CSV line; double quotes protect commas, "" is a quote inside them.
std::vector<std::string> SplitCsvLine(const std::string& line) {
    std::vector<std::string> fields(1);
    bool quoted = false;
    for (std::size_t i = 0; i < line.size(); ++i) {
        const char c = line[i];
        if (quoted) {
            if (c == '"' && i + 1 < line.size() && line[i + 1] == '"') {
                fields.back() += '"';
                ++i;
            } else if (c == '"') {
                quoted = false;
            } else {
                fields.back() += c;
            }
        } else if (c == '"') {
            quoted = true;
        } else if (c == ',') {
            fields.emplace_back();
        } else {
            fields.back() += c;
        }
    }
    for (auto& field : fields) field = TrimBlanks(field);
    return fields;
}

// The fields in the order of MixtureColumns.
constexpr std::string MixtureRow::*Fields[] = {&MixtureRow::Nuclide, &MixtureRow::Pathway, &MixtureRow::Form,
                                               &MixtureRow::Intake,  &MixtureRow::Age,     &MixtureRow::Amount,
                                               &MixtureRow::Unit,    &MixtureRow::Time,    &MixtureRow::TimeUnit};

MixtureRow RowOf(const std::vector<std::string>& fields, const std::vector<std::size_t>& columns, int number) {
    if (fields.size() > columns.size())
        throw MixtureFormatError("row " + std::to_string(number) + " has " + std::to_string(fields.size()) +
                                 " fields; the header names " + std::to_string(columns.size()) + " columns");
    MixtureRow row;
    row.Number = number;
    for (std::size_t k = 0; k < fields.size(); ++k) row.*Fields[columns[k]] = fields[k];
    return row;
}

std::string WithoutLineEnd(std::string line) {
    if (!line.empty() && line.back() == '\r') line.pop_back();
    return line;
}

}  // namespace

std::string CsvField(const std::string& text) {
    if (text.find_first_of(",\"\r\n") == std::string::npos && TrimBlanks(text) == text) return text;
    std::string quoted = "\"";
    for (char c : text) quoted += c == '"' ? std::string("\"\"") : std::string(1, c);
    return quoted + "\"";
}

const std::vector<std::string>& MixtureColumns() {
    static const std::vector<std::string> columns = {"nuclide", "pathway", "form",  "intake",   "age",
                                                     "amount",  "unit",    "time", "time_unit"};
    return columns;
}

std::vector<MixtureRow> ReadMixture(std::istream& in) {
    std::string line;
    while (std::getline(in, line) && TrimBlanks(WithoutLineEnd(line)).empty()) {
    }
    if (TrimBlanks(WithoutLineEnd(line)).empty())
        throw MixtureFormatError("the mixture has no header line (" + [] {
            std::string names;
            for (const auto& column : MixtureColumns()) names += (names.empty() ? "" : ",") + column;
            return names;
        }() + ")");
    std::vector<std::size_t> columns;
    for (std::string name : SplitCsvLine(WithoutLineEnd(line))) {
        std::transform(name.begin(), name.end(), name.begin(),
                       [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
        const auto& known = MixtureColumns();
        const auto found = std::find(known.begin(), known.end(), name);
        if (found == known.end()) throw MixtureFormatError("the header names an unknown column \"" + name + "\"");
        const auto column = static_cast<std::size_t>(found - known.begin());
        if (std::find(columns.begin(), columns.end(), column) != columns.end())
            throw MixtureFormatError("the header names the column \"" + name + "\" twice");
        columns.push_back(column);
    }
    std::vector<MixtureRow> rows;
    while (std::getline(in, line)) {
        line = WithoutLineEnd(line);
        if (TrimBlanks(line).empty()) continue;
        rows.push_back(RowOf(SplitCsvLine(line), columns, static_cast<int>(rows.size()) + 1));
    }
    return rows;
}

MixtureRow ReadMixtureRow(const std::string& line, int number) {
    std::vector<std::size_t> columns(MixtureColumns().size());
    for (std::size_t k = 0; k < columns.size(); ++k) columns[k] = k;
    return RowOf(SplitCsvLine(line), columns, number);
}

std::string WriteMixture(const std::vector<MixtureRow>& rows) {
    std::string text;
    for (std::size_t k = 0; k < MixtureColumns().size(); ++k) text += (k ? "," : "") + MixtureColumns()[k];
    text += "\n";
    for (const auto& row : rows) {
        for (std::size_t k = 0; k < MixtureColumns().size(); ++k) text += (k ? "," : "") + CsvField(row.*Fields[k]);
        text += "\n";
    }
    return text;
}

}  // namespace quorvel
