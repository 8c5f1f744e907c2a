#include "Fgr13RiskFile.h"

#include <algorithm>

#include "NuclideNames.h"
#include "SourceLines.h"
#include "SourceNumberText.h"

namespace quorvel::data {

namespace {

constexpr std::size_t HeaderLines = 3;
constexpr std::size_t SiteColumn = 24;
constexpr std::size_t SiteWidth = 9;
constexpr std::size_t FirstValueColumn = 33;
constexpr std::size_t ValueWidth = 9;

const char* const Sites[RiskSiteCount] = {"esophagus", "stomach", "colon",    "liver",    "lung",
                                          "bone",      "skin",    "breast",   "ovary",    "bladder",
                                          "kidney",    "thyroid", "leukemia", "residual", "Total"};

std::string Column(const std::string& text, std::size_t first, std::size_t width) {
    return first < text.size() ? Trimmed(text.substr(first, width)) : std::string();
}

}  // namespace

Fgr13RiskFile ParseFgr13RiskFile(const std::filesystem::path& file, const std::string& displayName,
                                 QualityReport& report) {
    Fgr13RiskFile result;
    const auto lines = ReadSourceLines(file);
    RiskRun* run = nullptr;
    for (std::size_t i = HeaderLines; i < lines.size(); ++i) {
        const auto& line = lines[i];
        const std::string& text = line.Text;
        if (Trimmed(text).empty()) continue;
        if (text.starts_with("Record length")) continue;  // the closing note on the record format
        const std::string nuclide = Column(text, 0, 7);
        if (!nuclide.empty() && !ParseNuclideKey(nuclide)) {
            report.Note(displayName, line.Number, "'" + nuclide + "' is no nuclide name: run left out");
            run = nullptr;
            continue;
        }
        if (!nuclide.empty()) {
            const std::string intake = Column(text, 8, 7);
            const ParsedNumber f1 = ParseNumber(Column(text, 15, 8), ExponentRule::Optional);
            if (!f1.Value)
                report.Reject(
                    {displayName, line.Number, nuclide + " " + intake + " f1", Column(text, 15, 8), f1.Reason});
            bool sameForm =
                !result.Forms.empty() && result.Forms.back().Nuclide == nuclide && result.Forms.back().F1 == f1.Value;
            if (sameForm)
                for (const auto& earlier : result.Forms.back().Runs) sameForm = sameForm && earlier.Intake != intake;
            if (!sameForm) result.Forms.push_back({nuclide, f1.Value, {}});
            result.Forms.back().Runs.push_back({intake, {}});
            run = &result.Forms.back().Runs.back();
        } else if (!run || !Trimmed(text.substr(0, std::min(text.size(), SiteColumn))).empty()) {
            report.Note(displayName, line.Number, "line outside a run of cancer sites: left out");
            continue;
        }
        RiskSiteLine site;
        site.Line = line.Number;
        site.Site = Column(text, SiteColumn, SiteWidth);
        const std::size_t position = run->Sites.size();
        if (position >= RiskSiteCount || site.Site != Sites[position]) {
            report.Note(displayName, line.Number,
                        result.Forms.back().Nuclide + " " + run->Intake + ": site '" + site.Site +
                            "' out of the order esophagus ... Total: line left out");
            continue;
        }
        for (std::size_t k = 0; k < RiskValueCount; ++k) {
            const std::string written = Column(text, FirstValueColumn + k * ValueWidth, ValueWidth);
            const ParsedNumber value = ParseNumber(written, ExponentRule::Required);
            if (!value.Value)
                report.Reject({displayName, line.Number,
                               result.Forms.back().Nuclide + " " + run->Intake + " " + site.Site + " column " +
                                   std::to_string(k + 1),
                               written, value.Reason});
            site.Values[k] = value.Value;
        }
        run->Sites.push_back(std::move(site));
    }
    for (const auto& form : result.Forms)
        for (const auto& r : form.Runs)
            if (r.Sites.size() != RiskSiteCount)
                report.Note(displayName, r.Sites.empty() ? 0 : r.Sites.front().Line,
                            form.Nuclide + " " + r.Intake + ": " + std::to_string(r.Sites.size()) +
                                " cancer sites instead of 15");
    return result;
}

}  // namespace quorvel::data
