// Malformed source values become Null in the database and appear in the report with file,
// line and reason.
#include "built_database.hpp"

#include <gtest/gtest.h>

#include <algorithm>

namespace quorvel::data {
namespace {

const test::BuiltDatabase& db() { return test::BuiltDatabase::instance(); }

const char* const ingestionCsv = "icrp72-effective/AnnexF_ICRP119_dcf_ingestion_public.csv";

const RejectedValue* rejectedAt(const std::string& file, int line)
{
    const auto& rejected = db().report().rejected();
    const auto found = std::find_if(rejected.begin(), rejected.end(),
                                    [&](const RejectedValue& r) { return r.file == file && r.line == line; });
    return found == rejected.end() ? nullptr : &*found;
}

TEST(QualityReport, EnDashExponentsAreRejected)
{
    for (const auto& [line, text] : {std::pair{4, "2.4e-\u20139"}, std::pair{5, "4.3e\u201311"}}) {
        const auto* rejected = rejectedAt(ingestionCsv, line);
        ASSERT_NE(rejected, nullptr) << line;
        EXPECT_EQ(rejected->text, text);
        EXPECT_NE(rejected->reason.find("dash"), std::string::npos);
        EXPECT_NE(rejected->what.find("10 years"), std::string::npos);
    }
    EXPECT_FALSE(db().real("SELECT \"Effective Dose (e50)\" FROM Fgr13ingGDB WHERE Nuclide = 'Be-10' AND Age = 3650"));
    EXPECT_TRUE(db().real("SELECT \"Effective Dose (e50)\" FROM Fgr13ingGDB WHERE Nuclide = 'Be-10' AND Age = 5475"));
}

TEST(QualityReport, ValuesWithoutExponentAreRejected)
{
    const std::vector<std::pair<std::string, int>> faults = {
        {"Zr-95", 163}, {"Tc-101", 194}, {"Te-116", 284}, {"Te-121", 285}, {"Lu-173", 473},
        {"Re-182", 524}, {"Os-181", 534}, {"Ir-193m", 555}, {"Po-207", 646}};
    for (const auto& [nuclide, line] : faults) {
        const auto* rejected = rejectedAt(ingestionCsv, line);
        ASSERT_NE(rejected, nullptr) << nuclide;
        EXPECT_NE(rejected->reason.find("no exponent"), std::string::npos) << nuclide;
        EXPECT_NE(rejected->what.find("adult"), std::string::npos) << nuclide;
    }
    EXPECT_FALSE(db().real("SELECT \"Effective Dose (e50)\" FROM Fgr13ingGDB WHERE Nuclide = 'Tc-101' AND Age = 7300"));
    EXPECT_DOUBLE_EQ(db().real("SELECT \"Effective Dose (e50)\" FROM Fgr13ingGDB WHERE Nuclide = 'Tc-101' AND Age = 5475").value(),
                     2.4e-11);
    // Re-182 of 12.7 h is FGR's Re-182a; its adult value is the damaged one.
    EXPECT_FALSE(db().real("SELECT \"Effective Dose (e50)\" FROM Fgr13ingGDB WHERE Nuclide = 'Re-182a' AND Age = 7300"));
    EXPECT_TRUE(db().real("SELECT \"Effective Dose (e50)\" FROM Fgr13ingGDB WHERE Nuclide = 'Re-182b' AND Age = 7300"));
}

TEST(QualityReport, OnlyTheKnownFaultsAreRejected)
{
    EXPECT_EQ(db().report().rejected().size(), 11u);
    // Every Null effective dose of a low-LET record is a reported rejection; Zr-95's is not in
    // the database, as its FGR-13 organ doses take the place of the ICRP-72 row.
    EXPECT_EQ(db().count("SELECT count(*) FROM Fgr13ingGDB WHERE \"LET Type\" = 'L' AND \"Effective Dose (e50)\" IS NULL"), 10);
    EXPECT_EQ(db().count("SELECT count(*) FROM Fgr13inhHDB WHERE \"LET Type\" = 'L' AND \"Effective Dose (e50)\" IS NULL"), 0);
}

TEST(QualityReport, TextListsCountsRejectionsAndNotes)
{
    const std::string text = db().report().text();
    EXPECT_NE(text.find("F12TIII1: 825"), std::string::npos);
    EXPECT_NE(text.find("FGR13INGRBS: 0"), std::string::npos);
    EXPECT_NE(text.find(std::string(ingestionCsv) + ":163: Zr-95 e(adult) '0.95'"), std::string::npos);
    EXPECT_NE(text.find("As-76"), std::string::npos) << "the half-life written as 110 d is remarked";
    EXPECT_NE(text.find("Ar-41"), std::string::npos) << "the line without values is remarked";
}

}  // namespace
}  // namespace quorvel::data
