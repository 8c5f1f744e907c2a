#include "NuclideCatalogue.h"

#include <algorithm>
#include <stdexcept>
#include <tuple>

#include "Elements.h"
#include "NuclideNames.h"

namespace quorvel::data {

namespace {

std::string Icrp107Spelling(const std::string& nuclide, const std::map<std::string, std::string>& fgr12ToIcrp107) {
    const auto spelling = fgr12ToIcrp107.find(nuclide);
    return spelling == fgr12ToIcrp107.end() ? nuclide : spelling->second;
}

}  // namespace

NuclideCatalogue::NuclideCatalogue(const std::set<std::string>& internalNuclides,
                                   const std::set<std::string>& externalNuclides,
                                   const std::map<std::string, CofIndexEntry>& index,
                                   const std::map<std::string, DecayDataEntry>& decayData,
                                   const std::map<std::string, std::string>& fgr12ToIcrp107) {
    std::set<std::string> all = internalNuclides;
    all.insert(externalNuclides.begin(), externalNuclides.end());
    for (const auto& nuclide : all) {
        const auto key = ParseNuclideKey(nuclide);
        if (!key) throw std::runtime_error("nuclide name '" + nuclide + "' is not of the form Xx-NNN[a-z]");
        const auto element = ElementOf(key->Symbol);
        if (!element) throw std::runtime_error("no element known for the symbol of " + nuclide);
        CatalogueEntry entry{nuclide,
                             element->AtomicNumber,
                             element->Name,
                             {},
                             internalNuclides.contains(nuclide),
                             externalNuclides.contains(nuclide)};

        const auto indexed = index.find(nuclide);
        const auto decay = decayData.find(Icrp107Spelling(nuclide, fgr12ToIcrp107));
        const bool decayAgrees =
            decay != decayData.end() && decay->second.HalfLife &&
            (indexed == index.end() || SameHalfLife(decay->second.HalfLife->Seconds, indexed->second.HalfLife.Seconds));
        if (decayAgrees)
            entry.HalfLife = decay->second.HalfLife->Text();
        else if (indexed != index.end())
            entry.HalfLife = indexed->second.HalfLife.Text();
        else
            throw std::runtime_error("no half-life known for " + nuclide);
        entries_.push_back(entry);
    }
    std::sort(entries_.begin(), entries_.end(), [](const CatalogueEntry& a, const CatalogueEntry& b) {
        const auto ka = *ParseNuclideKey(a.Nuclide), kb = *ParseNuclideKey(b.Nuclide);
        return std::tie(a.AtomicNumber, ka.MassNumber, ka.Isomer) < std::tie(b.AtomicNumber, kb.MassNumber, kb.Isomer);
    });
    for (std::size_t k = 0; k < entries_.size(); ++k) positions_.emplace(entries_[k].Nuclide, k);
}

const CatalogueEntry& NuclideCatalogue::Entry(const std::string& nuclide) const {
    const auto position = positions_.find(nuclide);
    if (position == positions_.end()) throw std::logic_error("nuclide " + nuclide + " is not in the catalogue");
    return entries_[position->second];
}

Table NuclideCatalogue::NuclideListTable() const {
    Table table{"Nuke2",
                {{"Z", FieldType::Integer},
                 {"Element", FieldType::Text},
                 {"Nuclide", FieldType::Text},
                 {"T1/2", FieldType::Text},
                 {"Int/Ext", FieldType::Text},
                 {"ID", FieldType::Integer}},
                {}};
    std::int64_t id = 0;
    for (const auto& e : entries_)
        table.Records.push_back({std::int64_t{e.AtomicNumber}, e.Element, e.Nuclide, e.HalfLife, e.Kinds(), ++id});
    return table;
}

}  // namespace quorvel::data
