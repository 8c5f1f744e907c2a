#pragma once
// "Nuke2": every nuclide that a coefficient table holds, with atomic number, element,
// half-life and which kinds of coefficient the database has for it.
#include <map>
#include <set>
#include <string>
#include <vector>

#include "CofIndexFile.h"
#include "DecayDataCsv.h"
#include "Table.h"

namespace quorvel::data {

struct CatalogueEntry {
    std::string Nuclide;
    int AtomicNumber = 0;
    std::string Element;
    std::string HalfLife;  // value and unit, e.g. "30.17 y"
    bool Internal = false;
    bool External = false;

    std::string Kinds() const { return Internal && External ? "I/E" : Internal ? "I" : "E"; }
    // Position 1 of the coefficient tables: "Cs-137, T1/2 = 30.17 y".
    std::string HeaderText() const { return Nuclide + ", T1/2 = " + HalfLife; }
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
    const std::vector<CatalogueEntry>& Entries() const { return entries_; }
    const CatalogueEntry& Entry(const std::string& nuclide) const;
    bool Contains(const std::string& nuclide) const { return positions_.contains(nuclide); }

    // Z, Element, Nuclide, T1/2, Int/Ext, ID.
    Table NuclideListTable() const;

private:
    std::vector<CatalogueEntry> entries_;
    std::map<std::string, std::size_t> positions_;
};

}  // namespace quorvel::data
