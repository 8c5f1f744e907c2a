#pragma once
// "Nuke2": every nuclide that a coefficient table holds, with atomic number, element,
// half-life and which kinds of coefficient the database has for it.
#include "cof_index_file.hpp"
#include "decay_data_csv.hpp"
#include "table.hpp"

#include <map>
#include <set>
#include <string>
#include <vector>

namespace quorvel::data {

struct CatalogueEntry {
    std::string nuclide;
    int atomicNumber = 0;
    std::string element;
    std::string halfLife;  // value and unit, e.g. "30.17 y"
    bool internal = false;
    bool external = false;

    std::string kinds() const { return internal && external ? "I/E" : internal ? "I" : "E"; }
    // Position 1 of the coefficient tables: "Cs-137, T1/2 = 30.17 y".
    std::string headerText() const { return nuclide + ", T1/2 = " + halfLife; }
};

class NuclideCatalogue {
public:
    // Half-lives from ICRP-107 (through the nomenclature for FGR's isomer spellings) where it
    // agrees with the FGR-12/13 index, else from the index.
    NuclideCatalogue(const std::set<std::string>& internalNuclides, const std::set<std::string>& externalNuclides,
                     const std::map<std::string, CofIndexEntry>& index,
                     const std::map<std::string, DecayDataEntry>& decayData,
                     const std::map<std::string, std::string>& fgr12ToIcrp107);

    // By atomic number, mass number, isomer.
    const std::vector<CatalogueEntry>& entries() const { return entries_; }
    const CatalogueEntry& entry(const std::string& nuclide) const;

    // Z, Element, Nuclide, T1/2, Int/Ext, ID.
    Table table() const;

private:
    std::vector<CatalogueEntry> entries_;
    std::map<std::string, std::size_t> positions_;
};

}  // namespace quorvel::data
