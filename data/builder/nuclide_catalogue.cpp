#include "nuclide_catalogue.hpp"

#include "elements.hpp"
#include "nuclide_names.hpp"

#include <algorithm>
#include <stdexcept>
#include <tuple>

namespace quorvel::data {

namespace {

std::string icrp107Spelling(const std::string& nuclide, const std::map<std::string, std::string>& fgr12ToIcrp107)
{
    const auto spelling = fgr12ToIcrp107.find(nuclide);
    return spelling == fgr12ToIcrp107.end() ? nuclide : spelling->second;
}

}  // namespace

NuclideCatalogue::NuclideCatalogue(const std::set<std::string>& internalNuclides,
                                   const std::set<std::string>& externalNuclides,
                                   const std::map<std::string, CofIndexEntry>& index,
                                   const std::map<std::string, DecayDataEntry>& decayData,
                                   const std::map<std::string, std::string>& fgr12ToIcrp107)
{
    std::set<std::string> all = internalNuclides;
    all.insert(externalNuclides.begin(), externalNuclides.end());
    for (const auto& nuclide : all) {
        const auto key = parseNuclideKey(nuclide);
        if (!key)
            throw std::runtime_error("nuclide name '" + nuclide + "' is not of the form Xx-NNN[a-z]");
        const auto element = elementOf(key->symbol);
        if (!element)
            throw std::runtime_error("no element known for the symbol of " + nuclide);
        CatalogueEntry entry{nuclide, element->atomicNumber, element->name, {},
                             internalNuclides.contains(nuclide), externalNuclides.contains(nuclide)};

        const auto indexed = index.find(nuclide);
        const auto decay = decayData.find(icrp107Spelling(nuclide, fgr12ToIcrp107));
        const bool decayAgrees = decay != decayData.end() && decay->second.halfLife &&
                                 (indexed == index.end() ||
                                  sameHalfLife(decay->second.halfLife->seconds, indexed->second.halfLife.seconds));
        if (decayAgrees)
            entry.halfLife = decay->second.halfLife->text();
        else if (indexed != index.end())
            entry.halfLife = indexed->second.halfLife.text();
        else
            throw std::runtime_error("no half-life known for " + nuclide);
        entries_.push_back(entry);
    }
    std::sort(entries_.begin(), entries_.end(), [](const CatalogueEntry& a, const CatalogueEntry& b) {
        const auto ka = *parseNuclideKey(a.nuclide), kb = *parseNuclideKey(b.nuclide);
        return std::tie(a.atomicNumber, ka.massNumber, ka.isomer) < std::tie(b.atomicNumber, kb.massNumber, kb.isomer);
    });
    for (std::size_t k = 0; k < entries_.size(); ++k)
        positions_.emplace(entries_[k].nuclide, k);
}

const CatalogueEntry& NuclideCatalogue::entry(const std::string& nuclide) const
{
    const auto position = positions_.find(nuclide);
    if (position == positions_.end())
        throw std::logic_error("nuclide " + nuclide + " is not in the catalogue");
    return entries_[position->second];
}

Table NuclideCatalogue::table() const
{
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
        table.records.push_back({std::int64_t{e.atomicNumber}, e.element, e.nuclide, e.halfLife, e.kinds(), ++id});
    return table;
}

}  // namespace quorvel::data
