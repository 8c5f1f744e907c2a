#include "IcrpEffectiveDose.h"

#include "CsvFields.h"
#include "SourceLines.h"
#include "SourceNumberText.h"

namespace quorvel::data {

namespace {

const std::array<std::string, IcrpAgeGroupCount> AgeColumns = {"e(3 months)", "e(1 year)",   "e(5 years)",
                                                               "e(10 years)", "e(15 years)", "e(adult)"};

// The values of a row from the field where its "f1 (< 1 year)" stands.
// Annex F writes every coefficient with an exponent, so one without has lost it; the
// spreadsheet conversions of Annexes G and H write large values as plain decimals (0.0017).
void ReadValues(const std::vector<std::string>& fields, std::size_t f1Field, ExponentRule doseRule,
                EffectiveDoseRow& row, QualityReport& report) {
    auto read = [&](std::size_t index, const std::string& column, ExponentRule rule) {
        const std::string text = Trimmed(fields[index]);
        const ParsedNumber number = ParseNumber(text, rule);
        if (!number.Value)
            report.Reject(
                {row.File, row.Line,
                 row.WrittenName + " " + row.AbsorptionType + (row.AbsorptionType.empty() ? "" : " ") + column, text,
                 number.Reason});
        return number.Value;
    };
    row.F1Infant = read(f1Field, "f1 (3 months)", ExponentRule::Optional);
    row.Dose[0] = read(f1Field + 1, AgeColumns[0], doseRule);
    row.F1Older = read(f1Field + 2, "f1 (1 year on)", ExponentRule::Optional);
    for (int a = 1; a < IcrpAgeGroupCount; ++a) row.Dose[a] = read(f1Field + 2 + a, AgeColumns[a], doseRule);
}

std::optional<HalfLife> ReadHalfLife(const std::string& text, const EffectiveDoseRow& row, QualityReport& report) {
    auto halfLife = ParseHalfLife(text);
    if (!halfLife) report.Note(row.File, row.Line, row.WrittenName + ": half-life '" + text + "' not readable");
    return halfLife;
}

}  // namespace

std::vector<EffectiveDoseRow> ParseIcrpIngestionCsv(const std::filesystem::path& file, const std::string& displayName,
                                                    QualityReport& report) {
    std::vector<EffectiveDoseRow> rows;
    for (const auto& line : ReadSourceLines(file)) {
        const auto fields = SplitCsvLine(line.Text);
        if (Trimmed(line.Text).empty()) continue;
        EffectiveDoseRow row;
        row.File = displayName;
        row.Line = line.Number;
        const std::string name = Trimmed(fields[0]);
        if (fields.size() != 10) {
            report.Note(displayName, line.Number,
                        "line with " + std::to_string(fields.size()) + " fields instead of 10: left out");
            continue;
        }
        const bool furtherForm = name.empty() || name.front() == '(';
        if (furtherForm && rows.empty()) {
            report.Note(displayName, line.Number, "further form without a nuclide above it: left out");
            continue;
        }
        if (furtherForm) {
            row.WrittenName = rows.back().WrittenName;
            row.HalfLife = rows.back().HalfLife;
            if (!name.empty()) row.FormNote = Trimmed(name.substr(1, name.find(')') - 1));
        } else {
            row.WrittenName = name;
            row.HalfLife = ReadHalfLife(fields[1], row, report);
        }
        ReadValues(fields, 2, ExponentRule::Required, row, report);
        rows.push_back(std::move(row));
    }
    return rows;
}

std::vector<EffectiveDoseRow> ParseIcrpInhalationCsv(const std::filesystem::path& file, const std::string& displayName,
                                                     QualityReport& report) {
    std::vector<EffectiveDoseRow> rows;
    const auto lines = ReadSourceLines(file);
    for (std::size_t i = 1; i < lines.size(); ++i) {  // line 1 holds the column names
        const auto& line = lines[i];
        const auto fields = SplitCsvLine(line.Text);
        if (fields.size() == 1) continue;  // a section heading (element name) or an empty line
        EffectiveDoseRow row;
        row.File = displayName;
        row.Line = line.Number;
        row.WrittenName = Trimmed(fields[0]);
        if (fields.size() != 11) {
            report.Note(displayName, line.Number, "line '" + line.Text + "' holds no coefficients: left out");
            continue;
        }
        const bool sameAsAbove =
            !rows.empty() && (row.WrittenName.empty() || row.WrittenName == rows.back().WrittenName);
        if (row.WrittenName.empty()) {
            if (rows.empty()) {
                report.Note(displayName, line.Number, "row without a nuclide: left out");
                continue;
            }
            row.WrittenName = rows.back().WrittenName;
        }
        row.AbsorptionType = Trimmed(fields[2]);
        if (!Trimmed(fields[1]).empty())
            row.HalfLife = ReadHalfLife(fields[1], row, report);
        else if (sameAsAbove)
            row.HalfLife = rows.back().HalfLife;  // further absorption types of the nuclide above
        ReadValues(fields, 3, ExponentRule::Optional, row, report);
        rows.push_back(std::move(row));
    }
    return rows;
}

std::vector<EffectiveDoseRow> ParseIcrpGasCsv(const std::filesystem::path& file, const std::string& displayName,
                                              QualityReport& report) {
    std::vector<EffectiveDoseRow> rows;
    const auto lines = ReadSourceLines(file);
    for (std::size_t i = 1; i < lines.size(); ++i) {  // line 1 holds the column names
        const auto& line = lines[i];
        if (Trimmed(line.Text).empty()) continue;
        const auto fields = SplitCsvLine(line.Text);
        if (fields.size() != 12 && fields.size() != 13) {
            report.Note(displayName, line.Number,
                        "line with " + std::to_string(fields.size()) + " fields instead of 12 or 13: left out");
            continue;
        }
        EffectiveDoseRow row;
        row.File = displayName;
        row.Line = line.Number;
        row.WrittenName = Trimmed(fields[1]);
        row.AbsorptionType = Trimmed(fields[3]);
        row.HalfLife = ReadHalfLife(fields[2], row, report);
        if (fields.size() == 13) row.FormNote = Trimmed(fields[12]);
        ReadValues(fields, 4, ExponentRule::Optional, row, report);
        rows.push_back(std::move(row));
    }
    return rows;
}

}  // namespace quorvel::data
