#include "icrp_effective_dose.hpp"

#include "csv_fields.hpp"
#include "number_text.hpp"
#include "source_lines.hpp"

namespace quorvel::data {

namespace {

const std::array<std::string, icrpAgeGroupCount> ageColumns = {"e(3 months)", "e(1 year)", "e(5 years)",
                                                                "e(10 years)", "e(15 years)", "e(adult)"};

// The values of a row from the field where its "f1 (< 1 year)" stands.
// Annex F writes every coefficient with an exponent, so one without has lost it; the
// spreadsheet conversions of Annexes G and H write large values as plain decimals (0.0017).
void readValues(const std::vector<std::string>& fields, std::size_t f1Field, ExponentRule doseRule,
                EffectiveDoseRow& row, QualityReport& report)
{
    auto read = [&](std::size_t index, const std::string& column, ExponentRule rule) {
        const std::string text = trimmed(fields[index]);
        const ParsedNumber number = parseNumber(text, rule);
        if (!number.value)
            report.reject({row.file, row.line, row.writtenName + " " + row.absorptionType +
                           (row.absorptionType.empty() ? "" : " ") + column, text, number.reason});
        return number.value;
    };
    row.f1Infant = read(f1Field, "f1 (3 months)", ExponentRule::Optional);
    row.dose[0] = read(f1Field + 1, ageColumns[0], doseRule);
    row.f1Older = read(f1Field + 2, "f1 (1 year on)", ExponentRule::Optional);
    for (int a = 1; a < icrpAgeGroupCount; ++a)
        row.dose[a] = read(f1Field + 2 + a, ageColumns[a], doseRule);
}

std::optional<HalfLife> readHalfLife(const std::string& text, const EffectiveDoseRow& row,
                                     QualityReport& report)
{
    auto halfLife = parseHalfLife(text);
    if (!halfLife)
        report.note(row.file, row.line, row.writtenName + ": half-life '" + text + "' not readable");
    return halfLife;
}

}  // namespace

std::vector<EffectiveDoseRow> parseIcrpIngestionCsv(const std::filesystem::path& file,
                                                    const std::string& displayName, QualityReport& report)
{
    std::vector<EffectiveDoseRow> rows;
    for (const auto& line : readSourceLines(file)) {
        const auto fields = splitCsvLine(line.text);
        if (trimmed(line.text).empty())
            continue;
        EffectiveDoseRow row;
        row.file = displayName;
        row.line = line.number;
        const std::string name = trimmed(fields[0]);
        if (fields.size() != 10) {
            report.note(displayName, line.number, "line with " + std::to_string(fields.size()) +
                        " fields instead of 10: left out");
            continue;
        }
        const bool furtherForm = name.empty() || name.front() == '(';
        if (furtherForm && rows.empty()) {
            report.note(displayName, line.number, "further form without a nuclide above it: left out");
            continue;
        }
        if (furtherForm) {
            row.writtenName = rows.back().writtenName;
            row.halfLife = rows.back().halfLife;
            if (!name.empty())
                row.formNote = trimmed(name.substr(1, name.find(')') - 1));
        } else {
            row.writtenName = name;
            row.halfLife = readHalfLife(fields[1], row, report);
        }
        readValues(fields, 2, ExponentRule::Required, row, report);
        rows.push_back(std::move(row));
    }
    return rows;
}

std::vector<EffectiveDoseRow> parseIcrpInhalationCsv(const std::filesystem::path& file,
                                                     const std::string& displayName, QualityReport& report)
{
    std::vector<EffectiveDoseRow> rows;
    const auto lines = readSourceLines(file);
    for (std::size_t i = 1; i < lines.size(); ++i) {  // line 1 holds the column names
        const auto& line = lines[i];
        const auto fields = splitCsvLine(line.text);
        if (fields.size() == 1)
            continue;  // a section heading (element name) or an empty line
        EffectiveDoseRow row;
        row.file = displayName;
        row.line = line.number;
        row.writtenName = trimmed(fields[0]);
        if (fields.size() != 11) {
            report.note(displayName, line.number, "line '" + line.text + "' holds no coefficients: left out");
            continue;
        }
        const bool sameAsAbove = !rows.empty() && (row.writtenName.empty() ||
                                                   row.writtenName == rows.back().writtenName);
        if (row.writtenName.empty()) {
            if (rows.empty()) {
                report.note(displayName, line.number, "row without a nuclide: left out");
                continue;
            }
            row.writtenName = rows.back().writtenName;
        }
        row.absorptionType = trimmed(fields[2]);
        if (!trimmed(fields[1]).empty())
            row.halfLife = readHalfLife(fields[1], row, report);
        else if (sameAsAbove)
            row.halfLife = rows.back().halfLife;  // further absorption types of the nuclide above
        readValues(fields, 3, ExponentRule::Optional, row, report);
        rows.push_back(std::move(row));
    }
    return rows;
}

std::vector<EffectiveDoseRow> parseIcrpGasCsv(const std::filesystem::path& file,
                                              const std::string& displayName, QualityReport& report)
{
    std::vector<EffectiveDoseRow> rows;
    const auto lines = readSourceLines(file);
    for (std::size_t i = 1; i < lines.size(); ++i) {  // line 1 holds the column names
        const auto& line = lines[i];
        if (trimmed(line.text).empty())
            continue;
        const auto fields = splitCsvLine(line.text);
        if (fields.size() != 12 && fields.size() != 13) {
            report.note(displayName, line.number, "line with " + std::to_string(fields.size()) +
                        " fields instead of 12 or 13: left out");
            continue;
        }
        EffectiveDoseRow row;
        row.file = displayName;
        row.line = line.number;
        row.writtenName = trimmed(fields[1]);
        row.absorptionType = trimmed(fields[3]);
        row.halfLife = readHalfLife(fields[2], row, report);
        if (fields.size() == 13)
            row.formNote = trimmed(fields[12]);
        readValues(fields, 4, ExponentRule::Optional, row, report);
        rows.push_back(std::move(row));
    }
    return rows;
}

}  // namespace quorvel::data
