// The ICRP spellings map onto the one spelling of FGR-12 and FGR-13.
#include <gtest/gtest.h>

#include "BuiltDatabase.h"
#include "CofIndexFile.h"
#include "DecayDataCsv.h"
#include "NuclideNames.h"

namespace quorvel::data {
namespace {

class NuclideNamerTest : public ::testing::Test {
protected:
    NuclideNamerTest()
        : index_(ParseCofIndexFile(test::SourcesDirectory() / "nuclides/FGR13COF.NDX", "NDX", report_)),
          decay_(ParseDecayDataCsv(test::SourcesDirectory() / "nuclides/radionuclides_halflife_complete.csv", "107",
                                   report_)),
          namer_(index_, decay_) {}

    ResolvedName Resolve(const std::string& written, const std::string& halfLife) const {
        const auto name = namer_.Resolve(written, ParseHalfLife(halfLife));
        if (!name) throw std::runtime_error("not resolved: " + written);
        return *name;
    }

    QualityReport report_;
    std::map<std::string, CofIndexEntry> index_;
    std::map<std::string, DecayDataEntry> decay_;
    NuclideNamer namer_;
};

TEST_F(NuclideNamerTest, ChemicalFormsAreFormsOfOneNuclide) {
    EXPECT_EQ(Resolve("HTO", "12.3 a").Nuclide, "H-3");
    EXPECT_EQ(Resolve("OBT", "12.3 a").Form, "OBT");
    const auto organic = Resolve("Hg-197-org", "2.67 d");
    EXPECT_EQ(organic.Nuclide, "Hg-197");
    EXPECT_EQ(organic.Form, "organic");
    const auto inorganic = Resolve("S-35_inorg", "87.4 d");
    EXPECT_EQ(inorganic.Nuclide, "S-35");
    EXPECT_EQ(inorganic.Form, "inorganic");
    EXPECT_EQ(Resolve("Hg-193m_org", "11.1 h").Nuclide, "Hg-193m");
}

TEST_F(NuclideNamerTest, IsomersAreTakenByHalfLife) {
    EXPECT_EQ(Resolve("Eu-150", "34.2 a").Nuclide, "Eu-150b");
    EXPECT_EQ(Resolve("Eu-150m", "12.6 h").Nuclide, "Eu-150a");
    EXPECT_EQ(Resolve("In-110", "4.90 h").Nuclide, "In-110b");
    EXPECT_EQ(Resolve("In-110", "1.15 h").Nuclide, "In-110a");
    EXPECT_EQ(Resolve("Np-236", "1.15E+05 a").Nuclide, "Np-236a");
    EXPECT_EQ(Resolve("Ir-190m", "3.10 h").Nuclide, "Ir-190n");
    EXPECT_EQ(Resolve("Sb-124m", "0.337 h").Nuclide, "Sb-124n");
    EXPECT_EQ(Resolve("Cs-137", "30.0 a").Nuclide, "Cs-137");
}

TEST_F(NuclideNamerTest, NonAsciiHyphensAndPrimesAreRead) {
    EXPECT_EQ(Resolve("Tb\u2011156m\u02b9", "5.00 h").Nuclide, "Tb-156n");
    EXPECT_EQ(Resolve("Ir\u2011190m\u02b9", "1.20 h").Nuclide, "Ir-190m");
}

}  // namespace
}  // namespace quorvel::data
