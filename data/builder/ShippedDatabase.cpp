#include "ShippedDatabase.h"

#include <set>

#include "AgeGroups.h"
#include "CofIndexFile.h"
#include "DatabaseWriter.h"
#include "DaughterTable.h"
#include "DecayDataCsv.h"
#include "ExternalDoseTable.h"
#include "Fgr12File.h"
#include "Fgr13OrganFile.h"
#include "Fgr13PackageDoseFile.h"
#include "Fgr13RiskFile.h"
#include "FormNames.h"
#include "IcrpEffectiveDose.h"
#include "InternalDoseTable.h"
#include "InternalDoses.h"
#include "NomenclatureCsv.h"
#include "NuclideCatalogue.h"
#include "NuclideNames.h"
#include "RiskTables.h"
#include "UnitTables.h"
#include "WorkerTables.h"

namespace quorvel::data {

namespace {

struct ExternalSource {
    const char* File;
    const char* Table;
    const char* SourceName;
};

const ExternalSource ExternalSources[] = {
    {"fgr12/FGR12F31.DAT", "F12TIII1", "FGR-12 Table III.1"},
    {"fgr12/FGR12F33.DAT", "F12TIII3", "FGR-12 Table III.3"},
    {"fgr12/FGR12F37.DAT", "F12TIII7", "FGR-12 Table III.7"},
};

const char* const IngestionOrganFile = "fgr13pak/FGR13ING.GDB";
const char* const IngestionRiskFile = "fgr13pak/FGR13ING.RBS";
const char* const InhalationOrganFile = "fgr13-organ/FGR13INH.DAT";
const char* const IcrpIngestionFile = "icrp72-effective/AnnexF_ICRP119_dcf_ingestion_public.csv";
const char* const IcrpInhalationFile = "icrp72-effective/pydoseia_Annex_G_ICRP119_inh_public.csv";
const char* const IcrpGasFile = "icrp72-effective/Annex_H_ICRP119_dcf_inhal_reactive_soluble_gases_public.csv";
const char* const CofIndexFile = "nuclides/FGR13COF.NDX";
const char* const DecayDataFile = "nuclides/radionuclides_halflife_complete.csv";
const char* const NomenclatureFile = "nuclides/formatted_nuclide_nomenclature.csv";
const char* const WorkerAnnexAFile = "icrp68-workers/AnnexA_ICRP119_dcf_inhal_Worker.csv";
const char* const WorkerAnnexBFile = "icrp68-workers/AnnexB_ICRP119_dcf_inh_soluble_reactive_gas_worker.csv";

std::set<std::string> NuclidesOf(const InternalDoses& doses) {
    std::set<std::string> nuclides;
    for (const auto& [nuclide, forms] : doses) nuclides.insert(nuclide);
    return nuclides;
}

}  // namespace

ShippedDatabase AssembleShippedDatabase(const std::filesystem::path& sources) {
    ShippedDatabase result;
    QualityReport& report = result.Report;

    const auto index = ParseCofIndexFile(sources / CofIndexFile, CofIndexFile, report);
    const auto decayData = ParseDecayDataCsv(sources / DecayDataFile, DecayDataFile, report);
    const auto spellings = ParseNomenclatureCsv(sources / NomenclatureFile);
    const NuclideNamer namer(index, decayData);

    std::vector<Fgr12Table> external;
    std::set<std::string> externalNuclides;
    for (const auto& source : ExternalSources) {
        external.push_back(ParseFgr12File(sources / source.File, source.File, report));
        for (const auto& row : external.back().Rows) {
            if (!index.contains(row.Nuclide))
                report.Note(source.File, row.Line, row.Nuclide + " is not in " + std::string(CofIndexFile));
            externalNuclides.insert(row.Nuclide);
        }
    }

    const auto ingestionOrgans = ParseFgr13PackageDoseFile(sources / IngestionOrganFile, IngestionOrganFile, report);
    const auto inhalationOrgans =
        ParseFgr13OrganFile(sources / InhalationOrganFile, InhalationOrganFile, IntakeRoute::Inhalation, report);
    const auto ingestionRisks = ParseFgr13RiskFile(sources / IngestionRiskFile, IngestionRiskFile, report);
    const auto icrpIngestion = ParseIcrpIngestionCsv(sources / IcrpIngestionFile, IcrpIngestionFile, report);
    const auto icrpInhalation = ParseIcrpInhalationCsv(sources / IcrpInhalationFile, IcrpInhalationFile, report);
    const auto icrpGases = ParseIcrpGasCsv(sources / IcrpGasFile, IcrpGasFile, report);

    InternalDoses ingestion = OrganDoseForms(ingestionOrgans, IngestionOrganFile, report);
    InternalDoses inhalation = OrganDoseForms(inhalationOrgans, InhalationOrganFile, report);
    const auto ingestionFormNames = NameRepeatedForms(ingestion, icrpIngestion, namer);
    auto icrpInhaled = icrpInhalation;
    icrpInhaled.insert(icrpInhaled.end(), icrpGases.begin(), icrpGases.end());
    NameRepeatedForms(inhalation, icrpInhaled, namer);
    Table ingestionRisk = IngestionRiskTable(ingestionRisks, IngestionRiskFile, ingestionFormNames, ingestion, report);

    const auto ingestionCovered = NuclidesOf(ingestion);
    const auto inhalationCovered = NuclidesOf(inhalation);
    AddEffectiveDoseForms(ingestion, icrpIngestion, namer, ingestionCovered, IntakeRoute::Ingestion, "", false, report);
    AddEffectiveDoseForms(inhalation, icrpInhalation, namer, inhalationCovered, IntakeRoute::Inhalation, "", true,
                          report);
    AddEffectiveDoseForms(inhalation, icrpGases, namer, inhalationCovered, IntakeRoute::Inhalation, "Gas or vapour",
                          false, report);

    std::set<std::string> internalNuclides = NuclidesOf(ingestion);
    internalNuclides.merge(NuclidesOf(inhalation));
    for (const auto& form : ingestionRisks.Forms) internalNuclides.insert(form.Nuclide);
    const NuclideCatalogue catalogue(internalNuclides, externalNuclides, index, decayData, spellings);

    auto& tables = result.Tables;
    tables.push_back(AgeUnitsTable());
    tables.push_back(catalogue.NuclideListTable());
    tables.push_back(UnitTable("Dose Units", DoseUnitCategories()));
    tables.push_back(UnitTable("Risk Units", RiskUnitCategories()));
    tables.push_back(
        InternalDoseTable("Fgr13ingGDB", ingestion, catalogue, ingestionOrgans.OrganLabels, IntakeRoute::Ingestion));
    tables.push_back(
        InternalDoseTable("Fgr13inhHDB", inhalation, catalogue, inhalationOrgans.OrganLabels, IntakeRoute::Inhalation));
    for (std::size_t k = 0; k < external.size(); ++k)
        tables.push_back(ExternalDoseTable(ExternalSources[k].Table, external[k], ExternalSources[k].SourceName,
                                           ExternalSources[k].File, catalogue));
    tables.push_back(std::move(ingestionRisk));
    tables.push_back(InhalationRiskTable());
    tables.push_back(ExternalRiskTable());
    tables.push_back(DaughterTable(index, CofIndexFile, decayData, spellings, report));
    // The workers' tables come last and leave everything above as it was.
    const WorkerSources workers{
        WorkerAnnexAFile, ParseWorkerAnnexA(sources / WorkerAnnexAFile, WorkerAnnexAFile, report), WorkerAnnexBFile,
        ParseWorkerAnnexB(sources / WorkerAnnexBFile, WorkerAnnexBFile, report)};
    for (auto& table : WorkerTables(workers, namer, catalogue, report)) tables.push_back(std::move(table));
    for (const auto& table : tables) report.CountTable(table.Name, static_cast<long>(table.Records.size()));
    return result;
}

QualityReport BuildShippedDatabase(const std::filesystem::path& sourcesDirectory,
                                   const std::filesystem::path& databaseFile) {
    ShippedDatabase database = AssembleShippedDatabase(sourcesDirectory);
    WriteDatabase(database.Tables, databaseFile);
    return database.Report;
}

}  // namespace quorvel::data
