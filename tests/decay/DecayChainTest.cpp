// Decay chains followed through a made-up table: branches, joins and the cutoff; the
// shipped chains are the progeny tests'.
#include <gtest/gtest.h>

#include "DecayChain.h"
#include "FixtureDatabase.h"

namespace quorvel {
namespace {

const ChainMember* Find(const std::vector<ChainMember>& members, const std::string& nuclide) {
    for (const ChainMember& member : members)
        if (member.Nuclide == nuclide) return &member;
    return nullptr;
}

// A branching chain that joins again: A -> B (0.9), A -> C (0.1), B -> D, C -> D, D -> E,
// with D long-lived: D ends the chain and takes both paths' shares.
class DecayChainTest : public ::testing::Test {
protected:
    DecayChainTest() {
        fixture.Execute(
            "CREATE TABLE Daughters (Nuclide TEXT, \"Half-life (s)\" REAL, Daughter TEXT, \"Branching Fraction\" REAL, "
            "\"Daughter T1/2\" TEXT, \"Daughter Half-life (s)\" REAL, ID INTEGER, Source TEXT)");
        Add("A", 1e9, "B", 0.9, 10);
        Add("A", 1e9, "C", 0.1, 20);
        Add("B", 10, "D", 1.0, 1e12);
        Add("C", 20, "D", 1.0, 1e12);
        Add("D", 1e12, "E", 1.0, 5);
        auto database = OpenDatabase(fixture.Path());
        data = DecayData::Read(*database);
    }
    void Add(const std::string& parent, double parentHalfLife, const std::string& daughter, double fraction,
             double halfLife) {
        fixture.Insert("Daughters", {parent, parentHalfLife, daughter, fraction, "t", halfLife, ++id, "file:1"});
    }

    test::FixtureDatabase fixture;
    std::int64_t id = 0;
    DecayData data;
};

TEST_F(DecayChainTest, BranchesJoinAndALongLivedMemberEndsTheChain) {
    const auto members = FollowDecayChain(data, "A", 100);
    ASSERT_EQ(members.size(), 3u);
    EXPECT_DOUBLE_EQ(Find(members, "B")->CumulativeFraction, 0.9);
    EXPECT_DOUBLE_EQ(Find(members, "C")->CumulativeFraction, 0.1);
    EXPECT_DOUBLE_EQ(Find(members, "D")->CumulativeFraction, 1.0);
    EXPECT_FALSE(Find(members, "D")->ShortLived);
    EXPECT_EQ(Find(members, "E"), nullptr) << "the chain stops at the long-lived member";

    const auto progeny = ShortLivedProgeny(data, "A", 100);
    ASSERT_EQ(progeny.size(), 2u);
    EXPECT_EQ(progeny[0].Nuclide, "B");
    EXPECT_EQ(progeny[1].Nuclide, "C");
}

TEST_F(DecayChainTest, ALongerCutoffFollowsThroughAndAStableEndOrNoDataHasNoMembers) {
    const auto members = FollowDecayChain(data, "A", 1e13);
    ASSERT_NE(Find(members, "E"), nullptr);
    EXPECT_DOUBLE_EQ(Find(members, "E")->CumulativeFraction, 1.0);
    EXPECT_TRUE(FollowDecayChain(data, "E", 1e13).empty());
    EXPECT_TRUE(FollowDecayChain(data, "Unknown", 1e13).empty());
    test::FixtureDatabase without;
    EXPECT_TRUE(DecayData::Read(*OpenDatabase(without.Path())).Empty()) << "a database without decay data";
}

TEST(Durations, ANumberAndAUnit) {
    EXPECT_DOUBLE_EQ(*ReadDurationSeconds("180d"), 180 * 86400.0);
    EXPECT_DOUBLE_EQ(*ReadDurationSeconds(" 0.5 y "), 0.5 * 365.25 * 86400.0);
    EXPECT_DOUBLE_EQ(*ReadDurationSeconds("30min"), 1800.0);
    for (const char* bad : {"", "180", "d", "5 weeks", "-1d", "1e999y", "1..5h"})
        EXPECT_FALSE(ReadDurationSeconds(bad).has_value()) << bad;
}

}  // namespace
}  // namespace quorvel
