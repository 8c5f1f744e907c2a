// Every source file parses, with the record counts its documentation states; the number
// reader keeps the published text's meaning exactly; ICRP spellings map onto FGR-13's.
#include <algorithm>
#include <fstream>
#include <gtest/gtest.h>
#include <map>

#include "BuiltDatabase.h"
#include "CofIndexFile.h"
#include "CsvFields.h"
#include "DecayDataCsv.h"
#include "Fgr12File.h"
#include "Fgr13OrganFile.h"
#include "Fgr13PackageDoseFile.h"
#include "Fgr13RiskFile.h"
#include "IcrpEffectiveDose.h"
#include "NomenclatureCsv.h"
#include "NuclideNames.h"
#include "SourceHalfLife.h"
#include "SourceLines.h"
#include "SourceNumberText.h"
#include "WorkerAnnexFiles.h"

namespace quorvel::data {
namespace {

using test::SourcesDirectory;

TEST(NumberText, ReadsPublishedNotationsAndRejectsDamagedOnes) {
    EXPECT_EQ(ParseNumber("1.26E-13", ExponentRule::Required).Value, 1.26e-13);
    EXPECT_EQ(ParseNumber("  2E-011 ", ExponentRule::Optional).Value, 2e-11);
    EXPECT_EQ(ParseNumber(".0", ExponentRule::RequiredUnlessZero).Value, 0.0);
    EXPECT_EQ(ParseNumber("0.0017", ExponentRule::Optional).Value, 0.0017);

    const auto enDash = ParseNumber("4.3e\u201311", ExponentRule::Required);
    EXPECT_FALSE(enDash.Value);
    EXPECT_NE(enDash.Reason.find("en dash"), std::string::npos);
    const auto noExponent = ParseNumber("0.95", ExponentRule::Required);
    EXPECT_FALSE(noExponent.Value);
    EXPECT_NE(noExponent.Reason.find("no exponent"), std::string::npos);
    EXPECT_FALSE(ParseNumber("0.95", ExponentRule::RequiredUnlessZero).Value);
    EXPECT_FALSE(ParseNumber("1.2E-0x", ExponentRule::Optional).Value);
    EXPECT_FALSE(ParseNumber("", ExponentRule::Optional).Value);

    // A year is a Julian year; quoted CSV fields keep their commas and doubled quotes.
    EXPECT_EQ(ParseHalfLife("2 y")->Seconds, 2 * 365.25 * 86400);
    EXPECT_EQ(ParseHalfLife("1.5m")->Seconds, 90);
    EXPECT_EQ(SplitCsvLine("a,\"b, \"\"c\"\"\",d"), (std::vector<std::string>{"a", "b, \"c\"", "d"}));
}

TEST(SourceFiles, Fgr12TablesHold825NuclidesWith25Columns) {
    for (const char* file : {"fgr12/FGR12F31.DAT", "fgr12/FGR12F33.DAT", "fgr12/FGR12F37.DAT"}) {
        QualityReport report;
        const auto table = ParseFgr12File(SourcesDirectory() / file, file, report);
        EXPECT_EQ(table.Rows.size(), 825u) << file;
        EXPECT_EQ(table.ColumnLabels.size(), 25u);
        EXPECT_EQ(table.Rows.front().Nuclide, "H-3");
        EXPECT_EQ(table.Rows.front().Values[0], 0.0) << "'.0' is a tabulated zero";
        EXPECT_TRUE(report.Rejected().empty()) << file;
        EXPECT_EQ(table.Title.find('\xff'), std::string::npos) << "padding left in the title";
    }
}

std::size_t LineCount(const std::filesystem::path& file) { return ReadSourceLines(file).size(); }

// The data package: 733 nuclides in 757 forms (PROVENANCE.md), six ages each.
TEST(SourceFiles, Fgr13PackageFilesParseWhole) {
    QualityReport report;
    const auto doses = ParseFgr13PackageDoseFile(SourcesDirectory() / "fgr13pak/FGR13ING.GDB", "GDB", report);
    EXPECT_EQ(ParseFgr13RiskFile(SourcesDirectory() / "fgr13pak/FGR13ING.RBS", "RBS", report).Forms.size(), 757u);
    EXPECT_TRUE(report.Rejected().empty());
    EXPECT_TRUE(report.Notes().empty());

    // Every line past the two header lines is the first line of a block or its continuation.
    const auto continuations =
        std::count_if(doses.Lines.begin(), doses.Lines.end(), [](auto& l) { return l.HighLet.has_value(); });
    EXPECT_EQ(doses.Lines.size() + static_cast<std::size_t>(continuations),
              LineCount(SourcesDirectory() / "fgr13pak/FGR13ING.GDB") - 2);
    EXPECT_EQ(doses.Lines.size(), 757u * 6);
    std::map<int, int> ages;
    std::map<std::string, int> blocks;
    for (const auto& line : doses.Lines) {
        ++ages[line.AgeDays];
        ++blocks[line.Nuclide];
        if (line.HighLet) {
            EXPECT_EQ(line.LetType, "L") << line.Line;
        }
    }
    EXPECT_EQ(ages, (std::map<int, int>{{100, 757}, {365, 757}, {1825, 757}, {3650, 757}, {5475, 757}, {7300, 757}}));
    EXPECT_EQ(blocks.size(), 733u);
    EXPECT_EQ(blocks.at("Hg-203"), 18) << "three forms";
    EXPECT_EQ(doses.OrganLabels.size(), 31u);
    // Pure alpha emitters: one high-LET line that holds the effective dose itself.
    for (const auto& line : doses.Lines)
        if (line.LetType == "H") {
            EXPECT_TRUE(line.Effective && !line.HighLet) << line.Line;
        }
}

// A damaged value is Null and reported with its line; the rest of the line stands.
TEST(SourceFiles, Fgr13PackageFilesRejectDamagedValues) {
    quorvel::test::TemporaryFolder folder;
    const auto copyDamaged = [&](const char* name, std::size_t keep, std::size_t damagedLine, std::size_t column) {
        const auto lines = ReadSourceLines(SourcesDirectory() / "fgr13pak" / name);
        std::ofstream out(folder.Path() / name, std::ios::binary);
        for (std::size_t k = 0; k < keep; ++k) {
            std::string text = lines[k].Text;
            if (k + 1 == damagedLine) text[column] = 'x';
            out << text << '\n';
        }
    };
    // The first value of the third site line of the first run; the Adrenals of the first adult line.
    copyDamaged("FGR13ING.RBS", 3 + 30, 6, 36);
    copyDamaged("FGR13ING.GDB", 2 + 6, 8, 29);
    QualityReport report;
    const auto risks = ParseFgr13RiskFile(folder.Path() / "FGR13ING.RBS", "RBS", report);
    const auto doses = ParseFgr13PackageDoseFile(folder.Path() / "FGR13ING.GDB", "GDB", report);
    ASSERT_EQ(report.Rejected().size(), 2u);
    EXPECT_EQ(report.Rejected()[0].Line, 6);
    EXPECT_EQ(report.Rejected()[1].Line, 8);
    EXPECT_TRUE(report.Notes().empty());
    ASSERT_EQ(risks.Forms.size(), 1u);
    EXPECT_FALSE(risks.Forms[0].Runs[0].Sites[2].Values[0]);
    EXPECT_TRUE(risks.Forms[0].Runs[0].Sites[2].Values[1]);
    ASSERT_EQ(doses.Lines.size(), 6u);
    EXPECT_FALSE(doses.Lines[5].Organs[0]);
    EXPECT_TRUE(doses.Lines[5].Organs[1]);
}

// Found by fuzzing: an age far beyond any whole number of days was cast to an int.
TEST(SourceFiles, AnAgeThatIsNoWholeNumberOfDaysLeavesItsLineOut) {
    std::ifstream in(SourcesDirectory() / "fgr13-organ/FGR13INH.DAT", std::ios::binary);
    std::string header, heading, line;
    std::getline(in, header);
    std::getline(in, heading);
    std::getline(in, line);
    quorvel::test::TemporaryFolder folder;
    const auto file = folder.Path() / "ages.dat";
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
    const auto parsed = ParseFgr13OrganFile(file, "ages", IntakeRoute::Inhalation, report);
    ASSERT_EQ(parsed.Lines.size(), 1u);
    EXPECT_EQ(parsed.Lines.front().AgeDays, 100);
    EXPECT_EQ(report.Notes().size(), 3u);
}

TEST(SourceFiles, IcrpCsvTranscriptionsParse) {
    QualityReport report;
    const auto ingestion = ParseIcrpIngestionCsv(
        SourcesDirectory() / "icrp72-effective/AnnexF_ICRP119_dcf_ingestion_public.csv", "F", report);
    const auto inhalation = ParseIcrpInhalationCsv(
        SourcesDirectory() / "icrp72-effective/pydoseia_Annex_G_ICRP119_inh_public.csv", "G", report);
    const auto gases = ParseIcrpGasCsv(
        SourcesDirectory() / "icrp72-effective/Annex_H_ICRP119_dcf_inhal_reactive_soluble_gases_public.csv", "H",
        report);
    EXPECT_EQ(ingestion.size(), 762u);
    EXPECT_EQ(inhalation.size(), 1686u);
    EXPECT_EQ(gases.size(), 72u);

    // Rows without a name are further forms of the nuclide above; they inherit its half-life.
    const auto cr48 =
        std::find_if(ingestion.begin(), ingestion.end(), [](auto& r) { return r.WrittenName == "Cr-48"; });
    ASSERT_NE(cr48, ingestion.end());
    ASSERT_NE(cr48 + 1, ingestion.end());
    EXPECT_EQ((cr48 + 1)->WrittenName, "Cr-48");
    EXPECT_EQ((cr48 + 1)->F1Infant, 0.02);
    ASSERT_TRUE((cr48 + 1)->HalfLife);
    EXPECT_EQ((cr48 + 1)->HalfLife->Text(), "23.0 h");

    const auto cs137 =
        std::find_if(ingestion.begin(), ingestion.end(), [](auto& r) { return r.WrittenName == "Cs-137"; });
    ASSERT_NE(cs137, ingestion.end());
    EXPECT_EQ(cs137->Dose[0], 2.1e-8);
    EXPECT_EQ(cs137->Dose[5], 1.3e-8);
    std::map<std::string, double> inhaled;
    for (const auto& row : inhalation)
        if (row.WrittenName == "Cs-137") inhaled[row.AbsorptionType] = row.Dose[5].value();
    EXPECT_EQ(inhaled, (std::map<std::string, double>{{"F", 4.6e-9}, {"M", 9.7e-9}, {"S", 3.9e-8}}));
}

// Text in a number cell is a form or a footnote mark the workers' annex uses, or it is refused.
TEST(SourceFiles, WorkerAnnexRefusesTextItDoesNotKnow) {
    quorvel::test::TemporaryFolder folder;
    std::ofstream(folder.Path() / "a.csv", std::ios::binary)
        << "element,nuclide,half_life,Type,f1,1um,5um,f1,ing\n"
        << "Iron,Co-60,5.27 y,F§,0.1,1e-09,2e-09,0.05 tea,3e-09\n"  // not iron; f1 with a word
        << ",Co-60,5.27 y,X,0.1,1e-09,2e-09,1.0§,3e-09\n"           // no type X
        << ",Co-60,5.27 y,M,1.5,1e-09,2e-09,1.0 HTO,3e-09\n";       // f1 above 1
    QualityReport report;
    const auto rows = ParseWorkerAnnexA(folder.Path() / "a.csv", "A", report);
    ASSERT_EQ(rows.size(), 3u);
    std::vector<std::string> refused;
    for (const auto& r : report.Rejected()) refused.push_back(std::to_string(r.Line) + " " + r.Text);
    EXPECT_EQ(refused, (std::vector<std::string>{"2 0.05 tea", "3 0.1", "3 1e-09", "3 2e-09", "4 1.5"}));
    EXPECT_EQ(report.Notes().size(), 1u);
    EXPECT_EQ(rows[0].AbsorptionType + rows[2].AbsorptionType, "FM");
    EXPECT_FALSE(rows[0].TypeNote.empty());
    EXPECT_FALSE(rows[1].IngestionNote.empty());
    EXPECT_EQ(rows[2].IngestionForm, "HTO");
    EXPECT_EQ(rows[2].Dose5um, 2e-9);
}

TEST(SourceFiles, NuclideDataFilesParseAndNameTheIcrpSpellings) {
    QualityReport report;
    const auto index = ParseCofIndexFile(SourcesDirectory() / "nuclides/FGR13COF.NDX", "NDX", report);
    EXPECT_EQ(index.size(), 838u);
    ASSERT_TRUE(index.contains("At-215"));
    EXPECT_EQ(index.at("At-215").HalfLife.Text(), "0.10 ms");
    EXPECT_EQ(index.at("Np-236a").HalfLife.Text(), "115E3 y");

    const auto decay =
        ParseDecayDataCsv(SourcesDirectory() / "nuclides/radionuclides_halflife_complete.csv", "107", report);
    EXPECT_EQ(decay.size(), 1247u);
    ASSERT_TRUE(decay.at("Cs-137").HalfLife);
    EXPECT_EQ(decay.at("Cs-137").HalfLife->Text(), "30.1671 y");
    EXPECT_TRUE(report.Notes().empty());

    const auto spellings = ParseNomenclatureCsv(SourcesDirectory() / "nuclides/formatted_nuclide_nomenclature.csv");
    EXPECT_EQ(spellings.at("Eu-150a"), "Eu-150m");
    EXPECT_EQ(spellings.at("Ta-180"), "");

    const NuclideNamer namer(index, decay);
    const auto resolve = [&](const std::string& written, const std::string& halfLife) {
        return namer.Resolve(written, ParseHalfLife(halfLife)).value_or(ResolvedName{"(not resolved)", "", ""});
    };
    for (const auto& name : test::ReadListFile("shipped/nuclide-names.txt"))
        EXPECT_EQ(resolve(name.at(0), name.at(1)).Nuclide, name.at(2)) << name.at(0) << ", " << name.at(1);
    EXPECT_EQ(resolve("OBT", "12.3 a").Form, "OBT");
    EXPECT_EQ(resolve("Hg-197-org", "2.67 d").Form, "organic");
    EXPECT_EQ(resolve("S-35_inorg", "87.4 d").Form, "inorganic");
}

}  // namespace
}  // namespace quorvel::data
