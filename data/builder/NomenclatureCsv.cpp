#include "NomenclatureCsv.h"

#include <stdexcept>

#include "CsvFields.h"
#include "SourceLines.h"

namespace quorvel::data {

std::map<std::string, std::string> ParseNomenclatureCsv(const std::filesystem::path& file) {
    const auto lines = ReadSourceLines(file);
    if (lines.empty()) throw std::runtime_error("empty nomenclature file " + file.string());
    const auto heading = SplitCsvLine(lines[0].Text);
    std::size_t fgr12 = heading.size(), icrp107 = heading.size();
    for (std::size_t k = 0; k < heading.size(); ++k) {
        if (heading[k] == "FGR_12_name") fgr12 = k;
        if (heading[k] == "ICRP119_107_name") icrp107 = k;
    }
    if (fgr12 == heading.size() || icrp107 == heading.size())
        throw std::runtime_error("nomenclature file lacks the FGR_12_name or ICRP119_107_name column");
    std::map<std::string, std::string> spellings;
    for (std::size_t i = 1; i < lines.size(); ++i) {
        const auto fields = SplitCsvLine(lines[i].Text);
        if (fields.size() <= std::max(fgr12, icrp107) || Trimmed(fields[fgr12]).empty()) continue;
        spellings.emplace(Trimmed(fields[fgr12]), Trimmed(fields[icrp107]));
    }
    return spellings;
}

}  // namespace quorvel::data
