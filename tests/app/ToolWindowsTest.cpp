// The decay chain and intake calculator windows on the shipped database.
#include <gtest/gtest.h>

#include <QPushButton>
#include <filesystem>

#include "DecayChainWindow.h"
#include "FixtureDatabase.h"
#include "IntakeCalculatorWindow.h"

namespace quorvel {
namespace {

const std::string Shipped = std::string(QUORVEL_APPLICATION_DIRECTORY) + "/DoseAndRisk.mdb";

QPushButton* ButtonOf(QWidget& window, const QString& caption) {
    for (auto* button : window.findChildren<QPushButton*>())
        if (button->text() == caption) return button;
    return nullptr;
}

TEST(DecayChainWindow, ShowsTheChainAndHandsAMemberToTheMainWindow) {
    DecayChainWindow window(Shipped);
    window.ShowChain("U-238");
    std::vector<std::string> members;
    for (int row = 0; row < window.Chain().Rows(); ++row)
        if (!window.MemberAt(row).empty()) members.push_back(window.MemberAt(row));
    EXPECT_EQ(members.front(), "U-238");
    EXPECT_EQ(members.back(), "U-234");

    window.ShowChain("Xx-1");
    EXPECT_NE(window.Message().find("Xx-1"), std::string::npos);
    for (int row = 0; row < window.Chain().Rows(); ++row)
        EXPECT_EQ(window.MemberAt(row), "") << "no stale chain of another nuclide";
}

TEST(IntakeCalculatorWindow, ComputesShowsStepsAndLendsItsTableToTheOutputs) {
    IntakeCalculatorWindow window(Shipped);
    window.SetRows({ReadMixtureRow("Cs-137,ingestion,,,Adult,1E4,Bq", 1), ReadMixtureRow("Xx-1,ingestion,,,,1,Bq", 2)});
    window.Calculate();
    ASSERT_EQ(window.Result().Rows.size(), 2u);
    EXPECT_DOUBLE_EQ(window.Result().TotalEffectiveDoseSv, 1e4 * 1.356e-8);
    EXPECT_NE(window.Steps().find("1.36E-04 Sv = 0.136 mSv"), std::string::npos) << window.Steps();
    window.SelectResult(1);
    EXPECT_NE(window.Steps().find("Xx-1"), std::string::npos);
    EXPECT_NE(window.Message().find("1 row(s) could not be computed"), std::string::npos);

    const FlexGrid* copied = nullptr;
    window.CopyTable = [&](const FlexGrid& grid) { copied = &grid; };
    ButtonOf(window, "Copy")->click();
    EXPECT_EQ(copied, &window.Results());
}

TEST(IntakeCalculatorWindow, MixturesSaveAndOpenAndAnUnwritableFileIsSaid) {
    test::TemporaryFolder folder;
    const std::string path = (folder.Path() / "mixture.csv").string();
    IntakeCalculatorWindow window(Shipped);
    window.SetRows({ReadMixtureRow("Co-60,ground-plane,,,,1,Bq/m2,1,y", 1)});
    ASSERT_TRUE(window.SaveMixture(path));
    IntakeCalculatorWindow other(Shipped);
    ASSERT_TRUE(other.OpenMixture(path));
    ASSERT_EQ(other.Rows().size(), 1u);
    EXPECT_EQ(other.Rows()[0].TimeUnit, "y");

    EXPECT_FALSE(window.SaveMixture((folder.Path() / "missing" / "mixture.csv").string()));
    EXPECT_NE(window.Message().find("could not be written"), std::string::npos);
    EXPECT_FALSE(other.OpenMixture((folder.Path() / "none.csv").string()));
}

}  // namespace
}  // namespace quorvel
