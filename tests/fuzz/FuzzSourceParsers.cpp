// The data build's source parsers on any file content: a report or an error, never a crash.
#include <unistd.h>

#include <cstdint>
#include <exception>
#include <filesystem>
#include <fstream>

#include "cof_index_file.hpp"
#include "decay_data_csv.hpp"
#include "fgr12_file.hpp"
#include "fgr13_organ_file.hpp"
#include "icrp_effective_dose.hpp"
#include "nomenclature_csv.hpp"

namespace data = quorvel::data;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* bytes, std::size_t size) {
    if (size < 1) return 0;
    static const auto file = std::filesystem::temp_directory_path() / ("quorvel-fuzz-source-" + std::to_string(getpid()));
    {
        std::ofstream out(file, std::ios::binary | std::ios::trunc);
        out.write(reinterpret_cast<const char*>(bytes + 1), static_cast<std::streamsize>(size - 1));
    }
    data::QualityReport report;
    try {
        switch (bytes[0] % 9) {
            case 0: data::parseFgr12File(file, "fuzz", report); break;
            case 1: data::parseFgr13OrganFile(file, "fuzz", data::IntakeRoute::Ingestion, report); break;
            case 2: data::parseFgr13OrganFile(file, "fuzz", data::IntakeRoute::Inhalation, report); break;
            case 3: data::parseIcrpIngestionCsv(file, "fuzz", report); break;
            case 4: data::parseIcrpInhalationCsv(file, "fuzz", report); break;
            case 5: data::parseIcrpGasCsv(file, "fuzz", report); break;
            case 6: data::parseNomenclatureCsv(file); break;
            case 7: data::parseCofIndexFile(file, "fuzz", report); break;
            default: data::parseDecayDataCsv(file, "fuzz", report); break;
        }
    } catch (const std::exception&) {
        // A source the build cannot read stops the build with a message: allowed.
    }
    return 0;
}
