#include "fgr13_risk_file.hpp"

#include "nuclide_names.hpp"
#include "number_text.hpp"
#include "source_lines.hpp"

#include <algorithm>

namespace quorvel::data {

namespace {

constexpr std::size_t headerLines = 3;
constexpr std::size_t siteColumn = 24;
constexpr std::size_t siteWidth = 9;
constexpr std::size_t firstValueColumn = 33;
constexpr std::size_t valueWidth = 9;

const char* const sites[riskSiteCount] = {"esophagus", "stomach", "colon",   "liver",  "lung",
                                          "bone",      "skin",    "breast",  "ovary",  "bladder",
                                          "kidney",    "thyroid", "leukemia", "residual", "Total"};

std::string column(const std::string& text, std::size_t first, std::size_t width)
{
    return first < text.size() ? trimmed(text.substr(first, width)) : std::string();
}

}  // namespace

Fgr13RiskFile parseFgr13RiskFile(const std::filesystem::path& file, const std::string& displayName,
                                 QualityReport& report)
{
    Fgr13RiskFile result;
    const auto lines = readSourceLines(file);
    RiskRun* run = nullptr;
    for (std::size_t i = headerLines; i < lines.size(); ++i) {
        const auto& line = lines[i];
        const std::string& text = line.text;
        if (trimmed(text).empty())
            continue;
        if (text.starts_with("Record length"))
            continue;  // the closing note on the record format
        const std::string nuclide = column(text, 0, 7);
        if (!nuclide.empty() && !parseNuclideKey(nuclide)) {
            report.note(displayName, line.number, "'" + nuclide + "' is no nuclide name: run left out");
            run = nullptr;
            continue;
        }
        if (!nuclide.empty()) {
            const std::string intake = column(text, 8, 7);
            const ParsedNumber f1 = parseNumber(column(text, 15, 8), ExponentRule::Optional);
            if (!f1.value)
                report.reject({displayName, line.number, nuclide + " " + intake + " f1", column(text, 15, 8), f1.reason});
            bool sameForm = !result.forms.empty() && result.forms.back().nuclide == nuclide &&
                            result.forms.back().f1 == f1.value;
            if (sameForm)
                for (const auto& earlier : result.forms.back().runs)
                    sameForm = sameForm && earlier.intake != intake;
            if (!sameForm)
                result.forms.push_back({nuclide, f1.value, {}});
            result.forms.back().runs.push_back({intake, {}});
            run = &result.forms.back().runs.back();
        } else if (!run || !trimmed(text.substr(0, std::min(text.size(), siteColumn))).empty()) {
            report.note(displayName, line.number, "line outside a run of cancer sites: left out");
            continue;
        }
        RiskSiteLine site;
        site.line = line.number;
        site.site = column(text, siteColumn, siteWidth);
        const std::size_t position = run->sites.size();
        if (position >= riskSiteCount || site.site != sites[position]) {
            report.note(displayName, line.number, result.forms.back().nuclide + " " + run->intake + ": site '" +
                        site.site + "' out of the order esophagus ... Total: line left out");
            continue;
        }
        for (std::size_t k = 0; k < riskValueCount; ++k) {
            const std::string written = column(text, firstValueColumn + k * valueWidth, valueWidth);
            const ParsedNumber value = parseNumber(written, ExponentRule::Required);
            if (!value.value)
                report.reject({displayName, line.number, result.forms.back().nuclide + " " + run->intake + " " +
                               site.site + " column " + std::to_string(k + 1), written, value.reason});
            site.values[k] = value.value;
        }
        run->sites.push_back(std::move(site));
    }
    for (const auto& form : result.forms)
        for (const auto& r : form.runs)
            if (r.sites.size() != riskSiteCount)
                report.note(displayName, r.sites.empty() ? 0 : r.sites.front().line, form.nuclide + " " + r.intake +
                            ": " + std::to_string(r.sites.size()) + " cancer sites instead of 15");
    return result;
}

}  // namespace quorvel::data
