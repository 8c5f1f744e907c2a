#pragma once
// Chemical elements by symbol, for the atomic number and name of every nuclide (spelt as in
// ICRP-107: Aluminium, Sulphur, Caesium).
#include <optional>
#include <string>

namespace quorvel::data {

struct Element {
    int AtomicNumber;
    std::string Name;
};

std::optional<Element> ElementOf(const std::string& symbol);

}  // namespace quorvel::data
