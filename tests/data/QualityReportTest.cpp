// Malformed source values become Null in the database and appear in the report with file,
// line and reason.
#include <algorithm>
#include <gtest/gtest.h>

#include "BuiltDatabase.h"

namespace quorvel::data {
namespace {

const test::BuiltDatabase& Db() { return test::BuiltDatabase::Instance(); }

const char* const IngestionCsv = "icrp72-effective/AnnexF_ICRP119_dcf_ingestion_public.csv";

const RejectedValue* RejectedAt(const std::string& file, int line) {
    const auto& rejected = Db().Report().Rejected();
    const auto found = std::find_if(rejected.begin(), rejected.end(),
                                    [&](const RejectedValue& r) { return r.File == file && r.Line == line; });
    return found == rejected.end() ? nullptr : &*found;
}

TEST(QualityReport, ValuesWithoutExponentAreRejected) {
    const std::vector<std::pair<std::string, int>> faults = {{"Zr-95", 163},  {"Tc-101", 194},  {"Te-116", 284},
                                                             {"Te-121", 285}, {"Lu-173", 473},  {"Re-182", 524},
                                                             {"Os-181", 534}, {"Ir-193m", 555}, {"Po-207", 646}};
    for (const auto& [nuclide, line] : faults) {
        const auto* rejected = RejectedAt(IngestionCsv, line);
        ASSERT_NE(rejected, nullptr) << nuclide;
        EXPECT_NE(rejected->Reason.find("no exponent"), std::string::npos) << nuclide;
        EXPECT_NE(rejected->What.find("adult"), std::string::npos) << nuclide;
    }
    // Ir-193m is not in the FGR-13 data package: its ICRP-72 adult value stays Null, the others stand.
    EXPECT_FALSE(
        Db().Real("SELECT \"Effective Dose (e50)\" FROM Fgr13ingGDB WHERE Nuclide = 'Ir-193m' AND Age = 7300"));
    EXPECT_DOUBLE_EQ(
        Db().Real("SELECT \"Effective Dose (e50)\" FROM Fgr13ingGDB WHERE Nuclide = 'Ir-193m' AND Age = 5475").value(),
        3.4e-10);
}

TEST(QualityReport, OnlyTheKnownFaultsAreRejected) {
    EXPECT_EQ(Db().Report().Rejected().size(), 11u);
    // Every Null effective dose of a low-LET record is a reported rejection; of the rejected
    // ICRP-72 rows only Ir-193m's is in the database, the other nuclides have FGR-13 doses.
    EXPECT_EQ(
        Db().Count("SELECT count(*) FROM Fgr13ingGDB WHERE \"LET Type\" = 'L' AND \"Effective Dose (e50)\" IS NULL"),
        1);
    EXPECT_EQ(
        Db().Count("SELECT count(*) FROM Fgr13inhHDB WHERE \"LET Type\" = 'L' AND \"Effective Dose (e50)\" IS NULL"),
        0);
}

}  // namespace
}  // namespace quorvel::data
