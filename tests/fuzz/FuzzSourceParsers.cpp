// The data build's source parsers on any file content: a report or an error, never a crash.
#include <exception>

#include "CofIndexFile.h"
#include "DecayDataCsv.h"
#include "Fgr12File.h"
#include "Fgr13OrganFile.h"
#include "FuzzInputFile.h"
#include "IcrpEffectiveDose.h"
#include "NomenclatureCsv.h"

namespace data = quorvel::data;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* bytes, std::size_t size) {
    if (size < 1) return 0;
    const std::filesystem::path file = WriteFuzzInput("source", bytes + 1, size - 1);
    data::QualityReport report;
    try {
        switch (bytes[0] % 9) {
            case 0: data::ParseFgr12File(file, "fuzz", report); break;
            case 1: data::ParseFgr13OrganFile(file, "fuzz", data::IntakeRoute::Ingestion, report); break;
            case 2: data::ParseFgr13OrganFile(file, "fuzz", data::IntakeRoute::Inhalation, report); break;
            case 3: data::ParseIcrpIngestionCsv(file, "fuzz", report); break;
            case 4: data::ParseIcrpInhalationCsv(file, "fuzz", report); break;
            case 5: data::ParseIcrpGasCsv(file, "fuzz", report); break;
            case 6: data::ParseNomenclatureCsv(file); break;
            case 7: data::ParseCofIndexFile(file, "fuzz", report); break;
            default: data::ParseDecayDataCsv(file, "fuzz", report); break;
        }
    } catch (const std::exception&) {
        // A source the build cannot read stops the build with a message: allowed.
    }
    return 0;
}
