// Every source file parses, with the record counts its documentation states, and the number
// reader keeps the published text's meaning exactly.
#include "built_database.hpp"
#include "cof_index_file.hpp"
#include "csv_fields.hpp"
#include "decay_data_csv.hpp"
#include "fgr12_file.hpp"
#include "fgr13_organ_file.hpp"
#include "fgr13_package_dose_file.hpp"
#include "fgr13_risk_file.hpp"
#include "half_life.hpp"
#include "icrp_effective_dose.hpp"
#include "nomenclature_csv.hpp"
#include "number_text.hpp"
#include "source_lines.hpp"

#include <gtest/gtest.h>

#include <algorithm>
#include <fstream>
#include <map>

namespace quorvel::data {
namespace {

using test::sourcesDirectory;

TEST(NumberText, ReadsPublishedNotationsAndRejectsDamagedOnes)
{
    EXPECT_EQ(parseNumber("1.26E-13", ExponentRule::Required).value, 1.26e-13);
    EXPECT_EQ(parseNumber("  2E-011 ", ExponentRule::Optional).value, 2e-11);
    EXPECT_EQ(parseNumber(".0", ExponentRule::RequiredUnlessZero).value, 0.0);
    EXPECT_EQ(parseNumber("0.0017", ExponentRule::Optional).value, 0.0017);

    const auto enDash = parseNumber("4.3e\u201311", ExponentRule::Required);
    EXPECT_FALSE(enDash.value);
    EXPECT_NE(enDash.reason.find("en dash"), std::string::npos);
    const auto noExponent = parseNumber("0.95", ExponentRule::Required);
    EXPECT_FALSE(noExponent.value);
    EXPECT_NE(noExponent.reason.find("no exponent"), std::string::npos);
    EXPECT_FALSE(parseNumber("0.95", ExponentRule::RequiredUnlessZero).value);
    EXPECT_FALSE(parseNumber("1.2E-0x", ExponentRule::Optional).value);
    EXPECT_FALSE(parseNumber("", ExponentRule::Optional).value);

    // A year is a Julian year; quoted CSV fields keep their commas and doubled quotes.
    EXPECT_EQ(parseHalfLife("2 y")->seconds, 2 * 365.25 * 86400);
    EXPECT_EQ(parseHalfLife("1.5m")->seconds, 90);
    EXPECT_EQ(splitCsvLine("a,\"b, \"\"c\"\"\",d"), (std::vector<std::string>{"a", "b, \"c\"", "d"}));
}

TEST(SourceFiles, Fgr12TablesHold825NuclidesWith25Columns)
{
    for (const char* file : {"fgr12/FGR12F31.DAT", "fgr12/FGR12F33.DAT", "fgr12/FGR12F37.DAT"}) {
        QualityReport report;
        const auto table = parseFgr12File(sourcesDirectory() / file, file, report);
        EXPECT_EQ(table.rows.size(), 825u) << file;
        EXPECT_EQ(table.columnLabels.size(), 25u);
        EXPECT_EQ(table.rows.front().nuclide, "H-3");
        EXPECT_EQ(table.rows.front().values[0], 0.0) << "'.0' is a tabulated zero";
        EXPECT_TRUE(report.rejected().empty()) << file;
        EXPECT_EQ(table.title.find('\xff'), std::string::npos) << "padding left in the title";
    }
}

std::size_t lineCount(const std::filesystem::path& file)
{
    return readSourceLines(file).size();
}

// The data package: 733 nuclides in 757 forms (PROVENANCE.md), six ages each.
TEST(SourceFiles, Fgr13PackageFilesParseWhole)
{
    QualityReport report;
    const auto doses = parseFgr13PackageDoseFile(sourcesDirectory() / "fgr13pak/FGR13ING.GDB", "GDB", report);
    const auto risks = parseFgr13RiskFile(sourcesDirectory() / "fgr13pak/FGR13ING.RBS", "RBS", report);
    EXPECT_TRUE(report.rejected().empty());
    EXPECT_TRUE(report.notes().empty());

    // Every line past the two header lines is the first line of a block or its continuation.
    const auto continuations = std::count_if(doses.lines.begin(), doses.lines.end(), [](auto& l) { return l.highLet.has_value(); });
    EXPECT_EQ(doses.lines.size() + static_cast<std::size_t>(continuations),
              lineCount(sourcesDirectory() / "fgr13pak/FGR13ING.GDB") - 2);
    EXPECT_EQ(doses.lines.size(), 757u * 6);
    std::map<int, int> ages;
    std::map<std::string, int> blocks;
    for (const auto& line : doses.lines) {
        ++ages[line.ageDays];
        ++blocks[line.nuclide];
        if (line.highLet) {
            EXPECT_EQ(line.letType, "L") << line.line;
        }
    }
    EXPECT_EQ(ages, (std::map<int, int>{{100, 757}, {365, 757}, {1825, 757}, {3650, 757}, {5475, 757}, {7300, 757}}));
    EXPECT_EQ(blocks.size(), 733u);
    EXPECT_EQ(blocks.at("Hg-203"), 18) << "three forms";
    EXPECT_EQ(doses.organLabels.size(), 31u);
    // Pure alpha emitters: one high-LET line that holds the effective dose itself.
    for (const auto& line : doses.lines)
        if (line.letType == "H") {
            EXPECT_TRUE(line.effective && !line.highLet) << line.line;
        }

    // Past three header lines and before the closing note: per form 15 sites for each intake.
    ASSERT_EQ(risks.forms.size(), 757u);
    std::size_t siteLines = 0;
    std::map<std::string, int> forms;
    for (const auto& form : risks.forms) {
        ++forms[form.nuclide];
        ASSERT_EQ(form.runs.size(), 2u) << form.nuclide;
        EXPECT_EQ(form.runs[0].intake, "D Water");
        EXPECT_EQ(form.runs[1].intake, "Dietary");
        for (const auto& run : form.runs)
            siteLines += run.sites.size();
    }
    EXPECT_EQ(siteLines, lineCount(sourcesDirectory() / "fgr13pak/FGR13ING.RBS") - 4);
    EXPECT_EQ(forms.size(), 733u);
    EXPECT_EQ(forms.at("Hg-203"), 3);
    EXPECT_EQ(forms.at("H-3"), 2);
}

// A damaged value is Null and reported with its line; the rest of the line stands.
TEST(SourceFiles, Fgr13PackageFilesRejectDamagedValues)
{
    test::TemporaryDirectory folder;
    const auto copyDamaged = [&](const char* name, std::size_t keep, std::size_t damagedLine, std::size_t column) {
        const auto lines = readSourceLines(sourcesDirectory() / "fgr13pak" / name);
        std::ofstream out(folder.path() / name, std::ios::binary);
        for (std::size_t k = 0; k < keep; ++k) {
            std::string text = lines[k].text;
            if (k + 1 == damagedLine)
                text[column] = 'x';
            out << text << '\n';
        }
    };
    // The first value of the third site line of the first run; the Adrenals of the first adult line.
    copyDamaged("FGR13ING.RBS", 3 + 30, 6, 36);
    copyDamaged("FGR13ING.GDB", 2 + 6, 8, 29);
    QualityReport report;
    const auto risks = parseFgr13RiskFile(folder.path() / "FGR13ING.RBS", "RBS", report);
    const auto doses = parseFgr13PackageDoseFile(folder.path() / "FGR13ING.GDB", "GDB", report);
    ASSERT_EQ(report.rejected().size(), 2u);
    EXPECT_EQ(report.rejected()[0].line, 6);
    EXPECT_EQ(report.rejected()[1].line, 8);
    EXPECT_TRUE(report.notes().empty());
    ASSERT_EQ(risks.forms.size(), 1u);
    EXPECT_FALSE(risks.forms[0].runs[0].sites[2].values[0]);
    EXPECT_TRUE(risks.forms[0].runs[0].sites[2].values[1]);
    ASSERT_EQ(doses.lines.size(), 6u);
    EXPECT_FALSE(doses.lines[5].organs[0]);
    EXPECT_TRUE(doses.lines[5].organs[1]);
}

// Found by fuzzing: an age far beyond any whole number of days was cast to an int.
TEST(SourceFiles, AnAgeThatIsNoWholeNumberOfDaysLeavesItsLineOut)
{
    std::ifstream in(sourcesDirectory() / "fgr13-organ/FGR13INH.DAT", std::ios::binary);
    std::string header, heading, line;
    std::getline(in, header);
    std::getline(in, heading);
    std::getline(in, line);
    test::TemporaryDirectory folder;
    const auto file = folder.path() / "ages.dat";
    {
        std::ofstream out(file, std::ios::binary);
        out << header << '\n' << heading << '\n' << line << '\n';
        for (const char* age : {"7.30044E+11", "-365", "365.5"}) {
            std::string damaged = line;
            damaged.replace(damaged.find(" 100 "), 5, std::string(" ") + age + " ");
            out << damaged << '\n';
        }
    }
    QualityReport report;
    const auto parsed = parseFgr13OrganFile(file, "ages", IntakeRoute::Inhalation, report);
    ASSERT_EQ(parsed.lines.size(), 1u);
    EXPECT_EQ(parsed.lines.front().ageDays, 100);
    EXPECT_EQ(report.notes().size(), 3u);
}

TEST(SourceFiles, IcrpCsvTranscriptionsParse)
{
    QualityReport report;
    const auto ingestion = parseIcrpIngestionCsv(
        sourcesDirectory() / "icrp72-effective/AnnexF_ICRP119_dcf_ingestion_public.csv", "F", report);
    const auto inhalation = parseIcrpInhalationCsv(
        sourcesDirectory() / "icrp72-effective/pydoseia_Annex_G_ICRP119_inh_public.csv", "G", report);
    const auto gases = parseIcrpGasCsv(
        sourcesDirectory() / "icrp72-effective/Annex_H_ICRP119_dcf_inhal_reactive_soluble_gases_public.csv", "H",
        report);
    EXPECT_EQ(ingestion.size(), 762u);
    EXPECT_EQ(inhalation.size(), 1686u);
    EXPECT_EQ(gases.size(), 72u);

    // Rows without a name are further forms of the nuclide above; they inherit its half-life.
    const auto cr48 = std::find_if(ingestion.begin(), ingestion.end(), [](auto& r) { return r.writtenName == "Cr-48"; });
    ASSERT_NE(cr48, ingestion.end());
    ASSERT_NE(cr48 + 1, ingestion.end());
    EXPECT_EQ((cr48 + 1)->writtenName, "Cr-48");
    EXPECT_EQ((cr48 + 1)->f1Infant, 0.02);
    ASSERT_TRUE((cr48 + 1)->halfLife);
    EXPECT_EQ((cr48 + 1)->halfLife->text(), "23.0 h");

    const auto organic = std::find_if(ingestion.begin(), ingestion.end(), [](auto& r) { return r.formNote == "organic"; });
    ASSERT_NE(organic, ingestion.end());
    EXPECT_EQ(organic->writtenName, "Hg-197m");

    const auto cs137 = std::find_if(ingestion.begin(), ingestion.end(), [](auto& r) { return r.writtenName == "Cs-137"; });
    ASSERT_NE(cs137, ingestion.end());
    EXPECT_EQ(cs137->dose[0], 2.1e-8);
    EXPECT_EQ(cs137->dose[5], 1.3e-8);
    std::map<std::string, double> inhaled;
    for (const auto& row : inhalation)
        if (row.writtenName == "Cs-137")
            inhaled[row.absorptionType] = row.dose[5].value();
    EXPECT_EQ(inhaled, (std::map<std::string, double>{{"F", 4.6e-9}, {"M", 9.7e-9}, {"S", 3.9e-8}}));

    const auto iodide = std::find_if(gases.begin(), gases.end(),
                                     [](auto& r) { return r.writtenName == "I-131" && r.formNote == "CH3I"; });
    ASSERT_NE(iodide, gases.end());
    EXPECT_EQ(iodide->dose[5], 1.5e-8);
}

TEST(SourceFiles, NuclideDataFilesParse)
{
    QualityReport report;
    const auto index = parseCofIndexFile(sourcesDirectory() / "nuclides/FGR13COF.NDX", "NDX", report);
    EXPECT_EQ(index.size(), 838u);
    ASSERT_TRUE(index.contains("At-215"));
    EXPECT_EQ(index.at("At-215").halfLife.text(), "0.10 ms");
    EXPECT_EQ(index.at("Np-236a").halfLife.text(), "115E3 y");

    const auto decay = parseDecayDataCsv(sourcesDirectory() / "nuclides/radionuclides_halflife_complete.csv", "107", report);
    EXPECT_EQ(decay.size(), 1247u);
    ASSERT_TRUE(decay.at("Cs-137").halfLife);
    EXPECT_EQ(decay.at("Cs-137").halfLife->text(), "30.1671 y");
    EXPECT_TRUE(report.notes().empty());

    const auto spellings = parseNomenclatureCsv(sourcesDirectory() / "nuclides/formatted_nuclide_nomenclature.csv");
    EXPECT_EQ(spellings.at("Eu-150a"), "Eu-150m");
    EXPECT_EQ(spellings.at("Ta-180"), "");
}

}  // namespace
}  // namespace quorvel::data
