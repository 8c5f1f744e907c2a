#pragma once
// Chemical elements by symbol, for the atomic number and name of every nuclide (spelt as in
// ICRP-107: Aluminium, Sulphur, Caesium).
#include <optional>
#include <string>

namespace quorvel::data {

struct Element {
    int atomicNumber;
    std::string name;
};

std::optional<Element> elementOf(const std::string& symbol);

}  // namespace quorvel::data
