#pragma once
// The daughters of every nuclide as the database's "Daughters" table holds them, read once,
// and the decay chains followed through them.

#include <map>
#include <optional>
#include <string>
#include <vector>

#include "Database.h"

namespace quorvel {

struct DecayLink {
    std::string Daughter;
    double Fraction = 0;  // branching fraction from the parent
    std::string HalfLifeText;
    std::optional<double> HalfLifeSeconds;
    std::string Source;
};

class DecayData {
public:
    // Every record of "Daughters"; a database without that table holds no decay data.
    static DecayData Read(Database& database);

    bool Empty() const { return daughters_.empty(); }
    // In the order the table lists them; none for a stable end or an unknown nuclide.
    const std::vector<DecayLink>& DaughtersOf(const std::string& nuclide) const;
    // As the table gives it for a parent or a daughter.
    std::optional<double> HalfLifeSeconds(const std::string& nuclide) const;
    std::string HalfLifeText(const std::string& nuclide) const;

private:
    std::map<std::string, std::vector<DecayLink>> daughters_;
    std::map<std::string, double> halfLives_;
    std::map<std::string, std::string> halfLifeTexts_;
};

}  // namespace quorvel
