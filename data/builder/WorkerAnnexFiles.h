#pragma once
// ICRP-68 dose coefficients for workers, as ICRP-119 reprints them (CSV transcriptions of its
// Annexes A and B): committed effective dose e(50) per unit intake of the adult worker, Sv/Bq.
// Each cell is read on its own here; what rows say together is the tables' business.
#include <filesystem>
#include <optional>
#include <string>
#include <vector>

#include "QualityReport.h"
#include "SourceHalfLife.h"

namespace quorvel::data {

// Annex A: element, nuclide, half-life, Type, f1, e(50) at 1 and 5 um AMAD, f1, e(50) ingested.
struct WorkerAnnexARow {
    int Line = 0;
    std::string WrittenName;  // as written, or the name of the row above when the cell is empty
    std::optional<data::HalfLife> HalfLife;
    // Inhalation: a particulate row has an absorption type, a gas row names its form (in Annex B's
    // words) in the Type column and gives its value in the 1 um column; a row may have neither.
    std::string AbsorptionType;  // F, M or S
    std::string GasForm;
    std::string TypeNote;  // the meaning of a footnote mark beside the type
    std::optional<double> InhalationF1, Dose1um, Dose5um;
    // Ingestion, not tied to the row's inhalation type.
    bool HasIngestion = false;
    std::optional<double> IngestionF1, IngestionDose;
    std::string IngestionForm;  // HTO or OBT where the f1 cell names one
    std::string IngestionNote;  // the meaning of a footnote mark beside the f1
};

// Annex B, soluble or reactive gases and vapours: nuclide, chemical form, half-life, e(50).
struct WorkerGasRow {
    int Line = 0;
    std::string WrittenName;
    std::optional<data::HalfLife> HalfLife;  // written on a nuclide's first row only
    std::string Form;                        // as written: "Tritiated water", "CH3I", "vapour"
    std::optional<double> Dose;
};

// The rows up to the first empty one, which ends the table; rows after it are noted and left out.
std::vector<WorkerAnnexARow> ParseWorkerAnnexA(const std::filesystem::path& file, const std::string& displayName,
                                               QualityReport& report);
std::vector<WorkerGasRow> ParseWorkerAnnexB(const std::filesystem::path& file, const std::string& displayName,
                                            QualityReport& report);

}  // namespace quorvel::data
