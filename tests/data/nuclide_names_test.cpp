// The ICRP spellings map onto the one spelling of FGR-12 and FGR-13.
#include "built_database.hpp"
#include "cof_index_file.hpp"
#include "decay_data_csv.hpp"
#include "nuclide_names.hpp"

#include <gtest/gtest.h>

namespace quorvel::data {
namespace {

class NuclideNamerTest : public ::testing::Test {
protected:
    NuclideNamerTest()
        : index_(parseCofIndexFile(test::sourcesDirectory() / "nuclides/FGR13COF.NDX", "NDX", report_)),
          decay_(parseDecayDataCsv(test::sourcesDirectory() / "nuclides/radionuclides_halflife_complete.csv", "107",
                                   report_)),
          namer_(index_, decay_)
    {
    }

    ResolvedName resolve(const std::string& written, const std::string& halfLife) const
    {
        const auto name = namer_.resolve(written, parseHalfLife(halfLife));
        if (!name)
            throw std::runtime_error("not resolved: " + written);
        return *name;
    }

    QualityReport report_;
    std::map<std::string, CofIndexEntry> index_;
    std::map<std::string, DecayDataEntry> decay_;
    NuclideNamer namer_;
};

TEST_F(NuclideNamerTest, ChemicalFormsAreFormsOfOneNuclide)
{
    EXPECT_EQ(resolve("HTO", "12.3 a").nuclide, "H-3");
    EXPECT_EQ(resolve("OBT", "12.3 a").form, "OBT");
    const auto organic = resolve("Hg-197-org", "2.67 d");
    EXPECT_EQ(organic.nuclide, "Hg-197");
    EXPECT_EQ(organic.form, "organic");
    const auto inorganic = resolve("S-35_inorg", "87.4 d");
    EXPECT_EQ(inorganic.nuclide, "S-35");
    EXPECT_EQ(inorganic.form, "inorganic");
    EXPECT_EQ(resolve("Hg-193m_org", "11.1 h").nuclide, "Hg-193m");
}

TEST_F(NuclideNamerTest, IsomersAreTakenByHalfLife)
{
    EXPECT_EQ(resolve("Eu-150", "34.2 a").nuclide, "Eu-150b");
    EXPECT_EQ(resolve("Eu-150m", "12.6 h").nuclide, "Eu-150a");
    EXPECT_EQ(resolve("In-110", "4.90 h").nuclide, "In-110b");
    EXPECT_EQ(resolve("In-110", "1.15 h").nuclide, "In-110a");
    EXPECT_EQ(resolve("Np-236", "1.15E+05 a").nuclide, "Np-236a");
    EXPECT_EQ(resolve("Ir-190m", "3.10 h").nuclide, "Ir-190n");
    EXPECT_EQ(resolve("Sb-124m", "0.337 h").nuclide, "Sb-124n");
    EXPECT_EQ(resolve("Cs-137", "30.0 a").nuclide, "Cs-137");
}

TEST_F(NuclideNamerTest, NonAsciiHyphensAndPrimesAreRead)
{
    EXPECT_EQ(resolve("Tb\u2011156m\u02b9", "5.00 h").nuclide, "Tb-156n");
    EXPECT_EQ(resolve("Ir\u2011190m\u02b9", "1.20 h").nuclide, "Ir-190m");
}

}  // namespace
}  // namespace quorvel::data
