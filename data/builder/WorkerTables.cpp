#include "WorkerTables.h"

#include <cmath>
#include <map>
#include <set>
#include <tuple>

#include "SourceNumberText.h"

namespace quorvel::data {

namespace {

Value TextOrNull(const std::string& text) { return text.empty() ? Value() : Value(text); }

std::string SourceOf(const std::string& file, int line) { return file + ":" + std::to_string(line); }

bool SameValue(const std::optional<double>& a, const std::optional<double>& b) {
    return a && b ? std::abs(*a - *b) <= 1e-9 * std::abs(*b) : !a && !b;
}

std::string ValueText(const std::optional<double>& value) { return value ? ShortNumberText(*value) : "none"; }

// The nuclide list's spelling of a written name; a doubtful match or a nuclide the list lacks
// is noted once per file and name.
class WorkerNames {
public:
    WorkerNames(const NuclideNamer& namer, const NuclideCatalogue& catalogue, QualityReport& report)
        : namer_(namer), catalogue_(catalogue), report_(report) {}

    std::optional<std::string> Of(const std::string& written, const std::optional<HalfLife>& halfLife,
                                  const std::string& file, int line) {
        const auto resolved = namer_.Resolve(written, halfLife);
        const bool first = noted_.insert(file + "|" + written).second;
        if (resolved && !resolved->Remark.empty() && first) report_.Note(file, line, written + ": " + resolved->Remark);
        if (resolved && catalogue_.Contains(resolved->Nuclide)) return resolved->Nuclide;
        if (first)
            report_.Note(file, line,
                         written + (resolved ? " (" + resolved->Nuclide + ")" : std::string()) +
                             " is not in the nuclide list Nuke2, which stays as the public tables have it: left out");
        return std::nullopt;
    }

private:
    const NuclideNamer& namer_;
    const NuclideCatalogue& catalogue_;
    QualityReport& report_;
    std::set<std::string> noted_;
};

std::int64_t NextId(const Table& table) { return static_cast<std::int64_t>(table.Records.size()) + 1; }

// A nuclide's options are its distinct (f1, e) pairs, whichever rows they stand on.
Table IngestionTable(const WorkerSources& sources, WorkerNames& names) {
    Table table{"Icrp68Ingestion",
                {{"Nuclide", FieldType::Text},
                 {"f1 (Gut Uptake Fraction)", FieldType::Real},
                 {"Form", FieldType::Text},
                 {"Note", FieldType::Text},
                 {"Effective Dose (e50)", FieldType::Real},
                 {"ID", FieldType::Integer},
                 {"Source", FieldType::Text}},
                {}};
    using Option = std::tuple<std::string, std::optional<double>, std::optional<double>, std::string, std::string>;
    std::set<Option> listed;
    for (const auto& row : sources.AnnexA) {
        if (!row.HasIngestion) continue;
        const auto nuclide = names.Of(row.WrittenName, row.HalfLife, sources.AnnexAFile, row.Line);
        if (!nuclide ||
            !listed.insert({*nuclide, row.IngestionF1, row.IngestionDose, row.IngestionForm, row.IngestionNote}).second)
            continue;
        table.Records.push_back({*nuclide, Nullable(row.IngestionF1), TextOrNull(row.IngestionForm),
                                 TextOrNull(row.IngestionNote), Nullable(row.IngestionDose), NextId(table),
                                 SourceOf(sources.AnnexAFile, row.Line)});
    }
    return table;
}

// One record per nuclide, absorption type, footnote and f1; a row repeating one is noted.
Table InhalationTable(const WorkerSources& sources, WorkerNames& names, QualityReport& report) {
    Table table{"Icrp68Inhalation",
                {{"Nuclide", FieldType::Text},
                 {"Absorption Type", FieldType::Text},
                 {"f1 (Gut Uptake Fraction)", FieldType::Real},
                 {"Note", FieldType::Text},
                 {"Effective Dose (e50), AMAD 1 um", FieldType::Real},
                 {"Effective Dose (e50), AMAD 5 um", FieldType::Real},
                 {"ID", FieldType::Integer},
                 {"Source", FieldType::Text}},
                {}};
    std::map<std::tuple<std::string, std::string, std::string, std::optional<double>>, const WorkerAnnexARow*> stored;
    for (const auto& row : sources.AnnexA) {
        if (row.AbsorptionType.empty()) continue;
        const auto nuclide = names.Of(row.WrittenName, row.HalfLife, sources.AnnexAFile, row.Line);
        if (!nuclide) continue;
        const auto [at, added] =
            stored.try_emplace({*nuclide, row.AbsorptionType, row.TypeNote, row.InhalationF1}, &row);
        if (!added) {
            const WorkerAnnexARow& first = *at->second;
            const bool same = SameValue(first.Dose1um, row.Dose1um) && SameValue(first.Dose5um, row.Dose5um);
            report.Note(sources.AnnexAFile, row.Line,
                        row.WrittenName + " type " + row.AbsorptionType + (same ? " repeats" : " differs from") +
                            " line " + std::to_string(first.Line) + ": stored once, from line " +
                            std::to_string(first.Line));
            continue;
        }
        table.Records.push_back({*nuclide, row.AbsorptionType, Nullable(row.InhalationF1), TextOrNull(row.TypeNote),
                                 Nullable(row.Dose1um), Nullable(row.Dose5um), NextId(table),
                                 SourceOf(sources.AnnexAFile, row.Line)});
    }
    return table;
}

// Annex B's forms in its order, then any form Annex A writes in its Type column that Annex B
// lacks. A form both list is stored once, from Annex B; the report says whether Annex A agrees.
Table GasTable(const WorkerSources& sources, WorkerNames& names, QualityReport& report) {
    Table table{"Icrp68Gases",
                {{"Nuclide", FieldType::Text},
                 {"Form", FieldType::Text},
                 {"Effective Dose (e50)", FieldType::Real},
                 {"ID", FieldType::Integer},
                 {"Source", FieldType::Text}},
                {}};
    std::map<std::pair<std::string, std::string>, const WorkerGasRow*> listed;
    for (const auto& row : sources.AnnexB) {
        const auto nuclide = names.Of(row.WrittenName, row.HalfLife, sources.AnnexBFile, row.Line);
        if (!nuclide) continue;
        listed.emplace(std::pair{*nuclide, row.Form}, &row);
        table.Records.push_back(
            {*nuclide, row.Form, Nullable(row.Dose), NextId(table), SourceOf(sources.AnnexBFile, row.Line)});
    }
    for (const auto& row : sources.AnnexA) {
        if (row.GasForm.empty()) continue;
        const auto nuclide = names.Of(row.WrittenName, row.HalfLife, sources.AnnexAFile, row.Line);
        if (!nuclide) continue;
        const auto inB = listed.find({*nuclide, row.GasForm});
        if (inB == listed.end()) {
            table.Records.push_back(
                {*nuclide, row.GasForm, Nullable(row.Dose1um), NextId(table), SourceOf(sources.AnnexAFile, row.Line)});
            continue;
        }
        const WorkerGasRow& b = *inB->second;
        const std::string where = SourceOf(sources.AnnexBFile, b.Line);
        report.Note(sources.AnnexAFile, row.Line,
                    *nuclide + " " + row.GasForm +
                        (SameValue(row.Dose1um, b.Dose)
                             ? ": the same form and value as " + where + ", stored once from there"
                             : ": " + ValueText(row.Dose1um) + " here, " + ValueText(b.Dose) + " in " + where +
                                   "; the form is stored once, with the value of " + where));
    }
    return table;
}

}  // namespace

std::vector<Table> WorkerTables(const WorkerSources& sources, const NuclideNamer& namer,
                                const NuclideCatalogue& catalogue, QualityReport& report) {
    WorkerNames names(namer, catalogue, report);
    std::vector<Table> tables;
    tables.push_back(IngestionTable(sources, names));
    tables.push_back(InhalationTable(sources, names, report));
    tables.push_back(GasTable(sources, names, report));
    return tables;
}

}  // namespace quorvel::data
