#include "Mixture.h"

#include <algorithm>
#include <map>

#include "CaseFolding.h"
#include "CsvFields.h"
#include "NumberText.h"

namespace quorvel {

namespace {

// The fields of one CSV line, blanks around them trimmed.
std::vector<std::string> TrimmedFields(const std::string& line) {
    std::vector<std::string> fields = SplitCsvLine(line);
    for (auto& field : fields) field = TrimBlanks(field);
    return fields;
}

// The fields in the order of MixtureColumns.
constexpr std::string MixtureRow::*Fields[] = {
    &MixtureRow::Nuclide, &MixtureRow::Pathway, &MixtureRow::Form, &MixtureRow::Intake,   &MixtureRow::Age,
    &MixtureRow::Amount,  &MixtureRow::Unit,    &MixtureRow::Time, &MixtureRow::TimeUnit, &MixtureRow::Decay};

MixtureRow RowOf(const std::vector<std::string>& fields, const std::vector<std::size_t>& columns, int number) {
    if (fields.size() > columns.size())
        throw MixtureFormatError("row " + std::to_string(number) + " has " + std::to_string(fields.size()) +
                                 " fields; the header names " + std::to_string(columns.size()) + " columns");
    MixtureRow row;
    row.Number = number;
    for (std::size_t k = 0; k < fields.size(); ++k) FieldOf(row, columns[k]) = fields[k];
    return row;
}

std::string WithoutLineEnd(std::string line) {
    if (!line.empty() && line.back() == '\r') line.pop_back();
    return line;
}

}  // namespace

const std::vector<std::string>& MixtureColumns() {
    static const std::vector<std::string> columns = {"nuclide", "pathway", "form", "intake",    "age",
                                                     "amount",  "unit",    "time", "time_unit", "decay"};
    return columns;
}

std::string& FieldOf(MixtureRow& row, std::size_t column) { return row.*Fields[column]; }

const std::string& FieldOf(const MixtureRow& row, std::size_t column) { return row.*Fields[column]; }

std::vector<MixtureRow> ReadMixture(std::istream& in) {
    std::string line;
    while (std::getline(in, line) && TrimBlanks(WithoutLineEnd(line)).empty()) {}
    if (TrimBlanks(WithoutLineEnd(line)).empty())
        throw MixtureFormatError("the mixture has no header line (" + [] {
            std::string names;
            for (const auto& column : MixtureColumns()) names += (names.empty() ? "" : ",") + column;
            return names;
        }() + ")");
    std::vector<std::size_t> columns;
    for (const std::string& field : TrimmedFields(WithoutLineEnd(line))) {
        const std::string name = FoldCase(field);
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
        rows.push_back(RowOf(TrimmedFields(line), columns, static_cast<int>(rows.size()) + 1));
    }
    return rows;
}

MixtureRow ReadMixtureRow(const std::string& line, int number) {
    std::vector<std::size_t> columns(MixtureColumns().size());
    for (std::size_t k = 0; k < columns.size(); ++k) columns[k] = k;
    return RowOf(TrimmedFields(line), columns, number);
}

std::string WriteMixture(const std::vector<MixtureRow>& rows) {
    std::string text;
    for (std::size_t k = 0; k < MixtureColumns().size(); ++k) text += (k ? "," : "") + MixtureColumns()[k];
    text += "\n";
    for (const auto& row : rows) {
        for (std::size_t k = 0; k < MixtureColumns().size(); ++k) text += (k ? "," : "") + CsvField(FieldOf(row, k));
        text += "\n";
    }
    return text;
}

}  // namespace quorvel
