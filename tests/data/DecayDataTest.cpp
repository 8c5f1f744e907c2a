// The daughters of the FGR-12/13 index as the build stores them, checked against the index
// file's own lines, read here with a pattern of their own.
#include <cmath>
#include <fstream>
#include <gtest/gtest.h>
#include <regex>

#include "BuiltDatabase.h"

namespace quorvel::data {
namespace {

const test::BuiltDatabase& Db() { return test::BuiltDatabase::Instance(); }

std::vector<std::string> IndexLines() {
    std::ifstream in(test::SourcesDirectory() / "nuclides/FGR13COF.NDX", std::ios::binary);
    std::vector<std::string> lines;
    for (std::string line; std::getline(in, line);) lines.push_back(line);
    return lines;
}

// (name, fraction) of the daughter slots of a nuclide's line: "  73 9.4600E-01".
std::vector<std::pair<std::string, double>> DaughtersInFile(const std::string& nuclide) {
    const auto lines = IndexLines();
    static const std::regex slot(R"( *(\d+) (\d\.\d{4})E([ -])(\d\d))");
    for (const auto& line : lines) {
        if (line.rfind(nuclide + " ", 0) != 0) continue;
        std::vector<std::pair<std::string, double>> daughters;
        const std::string slots = line.substr(23, 45);
        for (auto it = std::sregex_iterator(slots.begin(), slots.end(), slot); it != std::sregex_iterator(); ++it) {
            const int record = std::stoi((*it)[1].str());
            if (record == 999) continue;  // spontaneous fission
            const double mantissa = std::stod((*it)[2].str());
            const int exponent = ((*it)[3].str() == "-" ? -1 : 1) * std::stoi((*it)[4].str());
            const std::string& target = lines.at(static_cast<std::size_t>(record - 1));
            daughters.emplace_back(target.substr(0, target.find(' ')), mantissa * std::pow(10.0, exponent));
        }
        return daughters;
    }
    ADD_FAILURE() << nuclide << " not in the index";
    return {};
}

TEST(DecayData, DaughtersAndFractionsAreThoseOfTheIndexFile) {
    // Cs-137 to Ba-137m, a branching decay, a chain member ending the chain, and one that
    // also decays by spontaneous fission.
    for (const std::string nuclide : {"Cs-137", "Bi-212", "Th-234", "U-238", "Ba-137m"}) {
        const auto expected = DaughtersInFile(nuclide);
        const auto names = Db().Texts("SELECT Daughter FROM Daughters WHERE Nuclide = '" + nuclide + "' ORDER BY ID");
        ASSERT_EQ(names.size(), expected.size()) << nuclide;
        for (std::size_t k = 0; k < expected.size(); ++k) {
            EXPECT_EQ(names[k], expected[k].first) << nuclide;
            const auto fraction = Db().Real("SELECT \"Branching Fraction\" FROM Daughters WHERE Nuclide = '" + nuclide +
                                            "' AND Daughter = '" + expected[k].first + "'");
            ASSERT_TRUE(fraction.has_value());
            EXPECT_DOUBLE_EQ(*fraction, expected[k].second) << nuclide << " -> " << expected[k].first;
        }
    }
    EXPECT_EQ(*Db().Real("SELECT \"Daughter Half-life (s)\" FROM Daughters WHERE Daughter = 'Ba-137m' AND "
                         "Nuclide = 'Cs-137'"),
              2.552 * 60);
    EXPECT_EQ(*Db().Text("SELECT Source FROM Daughters WHERE Nuclide = 'Cs-137'"), "nuclides/FGR13COF.NDX:181");
}

}  // namespace
}  // namespace quorvel::data
