#include "WorkerAnnexFiles.h"

#include <cstdio>
#include <regex>

#include "CsvFields.h"
#include "Elements.h"
#include "NuclideNames.h"
#include "SourceLines.h"
#include "SourceNumberText.h"

namespace quorvel::data {

namespace {

// The gas forms Annex A writes in its Type column, and Annex B's words for the same forms.
const std::pair<const char*, const char*> AnnexAGasForms[] = {
    {"OBT", "Organically bound tritium"},
    {"T_GAS", "Tritium gas"},
    {"T_METHANE", "Tritiated methane"},
    {"HTO", "Tritiated water"},
    {"CO2", "CO2"},
    {"CO", "CO"},
    {"Methane", "Methane"},
    {"Organic gas/Vapours", "Organic gases/vapours"},
    {"SO2", "dioxide"},
};

// Annex A's footnote marks. The transcription lacks the footnotes' text; § stands on mercury
// only, beside type F with f1 0.4 and the ingestion f1 values 1.0 and 0.4, which are the forms
// the ICRP-72 transcriptions name organic (Hg-193-org, Hg-193_org), with the same coefficients.
const std::pair<const char*, const char*> FootnoteMarks[] = {{"§", "organic compounds (marked § in the source)"}};

// The forms an ingestion f1 cell may name after its value.
const char* const IngestionForms[] = {"HTO", "OBT"};

template <std::size_t N>
const char* Lookup(const std::pair<const char*, const char*> (&pairs)[N], const std::string& key) {
    for (const auto& [from, to] : pairs)
        if (key == from) return to;
    return nullptr;
}

// "1.0 OBT" -> "1.0", "OBT"; "0.4§" -> "0.4", "§". A text that does not start with a number is
// left whole in the first part, for the number reader to refuse.
std::pair<std::string, std::string> NumberAndSuffix(const std::string& text) {
    static const std::regex pattern(R"((\d+(?:\.\d*)?(?:[eE][+-]?\d+)?)\s*([^\d.\s].*)?)");
    std::smatch match;
    if (!std::regex_match(text, match, pattern)) return {text, ""};
    return {match[1].str(), Trimmed(match[2].str())};
}

enum class Quantity { Fraction, Coefficient };

// Reads the cells of one source row, reporting each value it refuses.
class CellReader {
public:
    CellReader(const std::string& file, int line, const std::string& name, QualityReport& report)
        : file_(file), line_(line), name_(name), report_(report) {}

    std::optional<double> Read(const std::string& text, const std::string& column, Quantity quantity,
                               const std::string& written = {}) const {
        const ParsedNumber number = ParseNumber(text, ExponentRule::Optional);
        std::string reason = number.Reason;
        if (number.Value && quantity == Quantity::Fraction && !(*number.Value > 0 && *number.Value <= 1))
            reason = "an f1 is a fraction, above 0 and at most 1";
        if (number.Value && quantity == Quantity::Coefficient && !(*number.Value > 0 && *number.Value < 1))
            reason = *number.Value > 0 ? "1 Sv/Bq or more: the exponent has lost its minus sign"
                                       : "zero or negative: not a dose coefficient";
        if (reason.empty()) return number.Value;
        Reject(column, written.empty() ? text : written, reason);
        return std::nullopt;
    }

    void Reject(const std::string& column, const std::string& text, const std::string& reason) const {
        report_.Reject({file_, line_, name_ + " " + column, text, reason});
    }
    void Note(const std::string& text) const { report_.Note(file_, line_, name_ + ": " + text); }

private:
    const std::string& file_;
    int line_;
    const std::string& name_;
    QualityReport& report_;
};

std::string TwoDigits(double value) {
    char buffer[32];
    std::snprintf(buffer, sizeof buffer, "%.2g", value);
    return buffer;
}

void ReadInhalation(const std::vector<std::string>& fields, WorkerAnnexARow& row, const CellReader& cells) {
    const std::string type = Trimmed(fields[3]);
    const std::string f1 = Trimmed(fields[4]), at1um = Trimmed(fields[5]), at5um = Trimmed(fields[6]);
    if (const char* gas = Lookup(AnnexAGasForms, type)) {
        row.GasForm = gas;
        row.Dose1um = cells.Read(at1um, "e(50) " + type, Quantity::Coefficient);
        if (!f1.empty() || !at5um.empty()) cells.Note("gas row " + type + " with an f1 or a 5 um value: not read");
        return;
    }
    const std::string typeMark = type.empty() ? "" : type.substr(1);
    const bool particulate = !type.empty() && std::string("FMS").find(type[0]) != std::string::npos &&
                             (typeMark.empty() || Lookup(FootnoteMarks, typeMark));
    if (!particulate) {
        const std::string reason = type.empty() ? "the row names no absorption type (its Type cell is empty)"
                                                : "Type '" + type + "' is no absorption type nor a gas form";
        for (const auto& [text, column] : {std::pair{f1, "f1 (inhalation)"}, std::pair{at1um, "e(50) 1 um AMAD"},
                                           std::pair{at5um, "e(50) 5 um AMAD"}})
            if (!text.empty()) cells.Reject(column, text, reason);
        return;
    }
    row.AbsorptionType = type.substr(0, 1);
    if (!typeMark.empty()) row.TypeNote = Lookup(FootnoteMarks, typeMark);
    const std::string label = "type " + type + " ";
    row.InhalationF1 = cells.Read(f1, label + "f1", Quantity::Fraction);
    row.Dose1um = cells.Read(at1um, label + "e(50) 1 um AMAD", Quantity::Coefficient);
    row.Dose5um = cells.Read(at5um, label + "e(50) 5 um AMAD", Quantity::Coefficient);
    // Deposition in the airways changes with particle size by far less than a factor of 3.
    if (row.Dose1um && row.Dose5um) {
        const double ratio = *row.Dose5um / *row.Dose1um;
        if (ratio < 1.0 / 3 || ratio > 3) {
            cells.Reject(label + "e(50) 5 um AMAD", at5um,
                         TwoDigits(ratio) +
                             " times the row's 1 um value, where the two lie within a factor of 3: "
                             "the cell holds another row's value");
            row.Dose5um.reset();
        }
    }
}

void ReadIngestion(const std::vector<std::string>& fields, WorkerAnnexARow& row, const CellReader& cells) {
    const std::string f1 = Trimmed(fields[7]), dose = Trimmed(fields[8]);
    if (f1.empty() && dose.empty()) return;
    row.HasIngestion = true;
    auto [number, suffix] = NumberAndSuffix(f1);
    bool known = suffix.empty();
    for (const char* form : IngestionForms)
        if (suffix == form) row.IngestionForm = form, known = true;
    if (const char* note = Lookup(FootnoteMarks, suffix)) row.IngestionNote = note, known = true;
    if (!known)
        cells.Reject("f1 (ingestion)", f1, "text '" + suffix + "' after the f1 is no form or footnote mark");
    else
        row.IngestionF1 = cells.Read(number, "f1 (ingestion)", Quantity::Fraction, f1);
    row.IngestionDose = cells.Read(dose, "e(50) ingestion", Quantity::Coefficient);
}

// Annex A names the element on its first nuclide only.
void CheckElement(const std::string& element, const std::string& name, const CellReader& cells) {
    if (element.empty()) return;
    const auto written = SplitWrittenName(name);
    const auto key = written ? ParseNuclideKey(written->Nuclide) : std::nullopt;
    const auto known = key ? ElementOf(key->Symbol) : std::nullopt;
    if (!known || known->Name != element) cells.Note("element '" + element + "' is not the nuclide's");
}

std::optional<HalfLife> ReadHalfLife(const std::string& text, const CellReader& cells) {
    auto halfLife = ParseHalfLife(text);
    if (!halfLife) cells.Note("half-life '" + text + "' not readable");
    return halfLife;
}

}  // namespace

std::vector<WorkerAnnexARow> ParseWorkerAnnexA(const std::filesystem::path& file, const std::string& displayName,
                                               QualityReport& report) {
    std::vector<WorkerAnnexARow> rows;
    const auto lines = ReadSourceLines(file);
    bool ended = false;
    for (std::size_t i = 1; i < lines.size(); ++i) {  // line 1 holds the column names
        const auto& line = lines[i];
        const auto fields = SplitCsvLine(line.Text);
        if (Trimmed(line.Text).find_first_not_of(',') == std::string::npos) {
            ended = true;
            continue;
        }
        if (ended || fields.size() != 9) {
            report.Note(displayName, line.Number,
                        ended ? "row after the end of the table (its first empty row): left out"
                              : "line with " + std::to_string(fields.size()) + " fields instead of 9: left out");
            continue;
        }
        WorkerAnnexARow row;
        row.Line = line.Number;
        row.WrittenName = Trimmed(fields[1]);
        const CellReader cells(displayName, line.Number, row.WrittenName, report);
        if (row.WrittenName.empty() && rows.empty()) {
            report.Note(displayName, line.Number, "row without a nuclide: left out");
            continue;
        }
        if (row.WrittenName.empty()) {
            row.WrittenName = rows.back().WrittenName;
            row.HalfLife = rows.back().HalfLife;
        } else {
            row.HalfLife = ReadHalfLife(fields[2], cells);
            CheckElement(Trimmed(fields[0]), row.WrittenName, cells);
        }
        ReadInhalation(fields, row, cells);
        ReadIngestion(fields, row, cells);
        rows.push_back(std::move(row));
    }
    return rows;
}

std::vector<WorkerGasRow> ParseWorkerAnnexB(const std::filesystem::path& file, const std::string& displayName,
                                            QualityReport& report) {
    std::vector<WorkerGasRow> rows;
    const auto lines = ReadSourceLines(file);
    for (std::size_t i = 1; i < lines.size(); ++i) {  // line 1 holds the column names
        const auto& line = lines[i];
        if (Trimmed(line.Text).empty()) continue;
        const auto fields = SplitCsvLine(line.Text);
        WorkerGasRow row;
        row.Line = line.Number;
        row.WrittenName = fields.empty() ? "" : Trimmed(fields[0]);
        if (fields.size() != 4 || row.WrittenName.empty() || Trimmed(fields[1]).empty()) {
            report.Note(displayName, line.Number, "line '" + line.Text + "' names no nuclide and form: left out");
            continue;
        }
        const CellReader cells(displayName, line.Number, row.WrittenName, report);
        row.Form = Trimmed(fields[1]);
        if (!Trimmed(fields[2]).empty())
            row.HalfLife = ReadHalfLife(fields[2], cells);
        else if (!rows.empty() && rows.back().WrittenName == row.WrittenName)
            row.HalfLife = rows.back().HalfLife;
        row.Dose = cells.Read(Trimmed(fields[3]), row.Form + " e(50)", Quantity::Coefficient);
        rows.push_back(std::move(row));
    }
    return rows;
}

}  // namespace quorvel::data
