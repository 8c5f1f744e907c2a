#include "shipped_database.hpp"

#include "age_groups.hpp"
#include "cof_index_file.hpp"
#include "daughter_table.hpp"
#include "database_writer.hpp"
#include "decay_data_csv.hpp"
#include "external_dose_table.hpp"
#include "fgr12_file.hpp"
#include "fgr13_organ_file.hpp"
#include "fgr13_package_dose_file.hpp"
#include "fgr13_risk_file.hpp"
#include "form_names.hpp"
#include "icrp_effective_dose.hpp"
#include "internal_dose_table.hpp"
#include "internal_doses.hpp"
#include "nomenclature_csv.hpp"
#include "nuclide_catalogue.hpp"
#include "nuclide_names.hpp"
#include "risk_tables.hpp"
#include "unit_tables.hpp"

#include <set>

namespace quorvel::data {

namespace {

struct ExternalSource {
    const char* file;
    const char* table;
    const char* sourceName;
};

const ExternalSource externalSources[] = {
    {"fgr12/FGR12F31.DAT", "F12TIII1", "FGR-12 Table III.1"},
    {"fgr12/FGR12F33.DAT", "F12TIII3", "FGR-12 Table III.3"},
    {"fgr12/FGR12F37.DAT", "F12TIII7", "FGR-12 Table III.7"},
};

const char* const ingestionOrganFile = "fgr13pak/FGR13ING.GDB";
const char* const ingestionRiskFile = "fgr13pak/FGR13ING.RBS";
const char* const inhalationOrganFile = "fgr13-organ/FGR13INH.DAT";
const char* const icrpIngestionFile = "icrp72-effective/AnnexF_ICRP119_dcf_ingestion_public.csv";
const char* const icrpInhalationFile = "icrp72-effective/pydoseia_Annex_G_ICRP119_inh_public.csv";
const char* const icrpGasFile = "icrp72-effective/Annex_H_ICRP119_dcf_inhal_reactive_soluble_gases_public.csv";
const char* const cofIndexFile = "nuclides/FGR13COF.NDX";
const char* const decayDataFile = "nuclides/radionuclides_halflife_complete.csv";
const char* const nomenclatureFile = "nuclides/formatted_nuclide_nomenclature.csv";

std::set<std::string> nuclidesOf(const InternalDoses& doses)
{
    std::set<std::string> nuclides;
    for (const auto& [nuclide, forms] : doses)
        nuclides.insert(nuclide);
    return nuclides;
}

}  // namespace

ShippedDatabase assembleShippedDatabase(const std::filesystem::path& sources)
{
    ShippedDatabase result;
    QualityReport& report = result.report;

    const auto index = parseCofIndexFile(sources / cofIndexFile, cofIndexFile, report);
    const auto decayData = parseDecayDataCsv(sources / decayDataFile, decayDataFile, report);
    const auto spellings = parseNomenclatureCsv(sources / nomenclatureFile);
    const NuclideNamer namer(index, decayData);

    std::vector<Fgr12Table> external;
    std::set<std::string> externalNuclides;
    for (const auto& source : externalSources) {
        external.push_back(parseFgr12File(sources / source.file, source.file, report));
        for (const auto& row : external.back().rows) {
            if (!index.contains(row.nuclide))
                report.note(source.file, row.line, row.nuclide + " is not in " + std::string(cofIndexFile));
            externalNuclides.insert(row.nuclide);
        }
    }

    const auto ingestionOrgans = parseFgr13PackageDoseFile(sources / ingestionOrganFile, ingestionOrganFile, report);
    const auto inhalationOrgans = parseFgr13OrganFile(sources / inhalationOrganFile, inhalationOrganFile,
                                                      IntakeRoute::Inhalation, report);
    const auto ingestionRisks = parseFgr13RiskFile(sources / ingestionRiskFile, ingestionRiskFile, report);
    const auto icrpIngestion = parseIcrpIngestionCsv(sources / icrpIngestionFile, icrpIngestionFile, report);
    const auto icrpInhalation = parseIcrpInhalationCsv(sources / icrpInhalationFile, icrpInhalationFile, report);
    const auto icrpGases = parseIcrpGasCsv(sources / icrpGasFile, icrpGasFile, report);

    InternalDoses ingestion = organDoseForms(ingestionOrgans, ingestionOrganFile, report);
    InternalDoses inhalation = organDoseForms(inhalationOrgans, inhalationOrganFile, report);
    const auto ingestionFormNames = nameRepeatedForms(ingestion, icrpIngestion, namer);
    auto icrpInhaled = icrpInhalation;
    icrpInhaled.insert(icrpInhaled.end(), icrpGases.begin(), icrpGases.end());
    nameRepeatedForms(inhalation, icrpInhaled, namer);
    Table ingestionRisk = ingestionRiskTable(ingestionRisks, ingestionRiskFile, ingestionFormNames, ingestion, report);

    const auto ingestionCovered = nuclidesOf(ingestion);
    const auto inhalationCovered = nuclidesOf(inhalation);
    addEffectiveDoseForms(ingestion, icrpIngestion, namer, ingestionCovered, IntakeRoute::Ingestion, "", false,
                          report);
    addEffectiveDoseForms(inhalation, icrpInhalation, namer, inhalationCovered, IntakeRoute::Inhalation, "", true,
                          report);
    addEffectiveDoseForms(inhalation, icrpGases, namer, inhalationCovered, IntakeRoute::Inhalation,
                          "Gas or vapour", false, report);

    std::set<std::string> internalNuclides = nuclidesOf(ingestion);
    internalNuclides.merge(nuclidesOf(inhalation));
    for (const auto& form : ingestionRisks.forms)
        internalNuclides.insert(form.nuclide);
    const NuclideCatalogue catalogue(internalNuclides, externalNuclides, index, decayData, spellings);

    auto& tables = result.tables;
    tables.push_back(ageUnitsTable());
    tables.push_back(catalogue.table());
    tables.push_back(unitTable("Dose Units", doseUnitCategories()));
    tables.push_back(unitTable("Risk Units", riskUnitCategories()));
    tables.push_back(internalDoseTable("Fgr13ingGDB", ingestion, catalogue, ingestionOrgans.organLabels,
                                       IntakeRoute::Ingestion));
    tables.push_back(internalDoseTable("Fgr13inhHDB", inhalation, catalogue, inhalationOrgans.organLabels,
                                       IntakeRoute::Inhalation));
    for (std::size_t k = 0; k < external.size(); ++k)
        tables.push_back(externalDoseTable(externalSources[k].table, external[k], externalSources[k].sourceName,
                                           externalSources[k].file, catalogue));
    tables.push_back(std::move(ingestionRisk));
    tables.push_back(inhalationRiskTable());
    tables.push_back(externalRiskTable());
    tables.push_back(daughterTable(index, cofIndexFile, decayData, spellings, report));
    for (const auto& table : tables)
        report.countTable(table.name, static_cast<long>(table.records.size()));
    return result;
}

QualityReport buildShippedDatabase(const std::filesystem::path& sourcesDirectory,
                                   const std::filesystem::path& databaseFile)
{
    ShippedDatabase database = assembleShippedDatabase(sourcesDirectory);
    writeDatabase(database.tables, databaseFile);
    return database.report;
}

}  // namespace quorvel::data
