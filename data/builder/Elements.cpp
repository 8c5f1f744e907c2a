#include "Elements.h"

#include <array>
#include <utility>

namespace quorvel::data {

namespace {

// Symbol and name, in order of atomic number from 1.
constexpr std::array<std::pair<const char*, const char*>, 103> Elements = {{
    {"H", "Hydrogen"},      {"He", "Helium"},     {"Li", "Lithium"},     {"Be", "Beryllium"},    {"B", "Boron"},
    {"C", "Carbon"},        {"N", "Nitrogen"},    {"O", "Oxygen"},       {"F", "Fluorine"},      {"Ne", "Neon"},
    {"Na", "Sodium"},       {"Mg", "Magnesium"},  {"Al", "Aluminium"},   {"Si", "Silicon"},      {"P", "Phosphorus"},
    {"S", "Sulphur"},       {"Cl", "Chlorine"},   {"Ar", "Argon"},       {"K", "Potassium"},     {"Ca", "Calcium"},
    {"Sc", "Scandium"},     {"Ti", "Titanium"},   {"V", "Vanadium"},     {"Cr", "Chromium"},     {"Mn", "Manganese"},
    {"Fe", "Iron"},         {"Co", "Cobalt"},     {"Ni", "Nickel"},      {"Cu", "Copper"},       {"Zn", "Zinc"},
    {"Ga", "Gallium"},      {"Ge", "Germanium"},  {"As", "Arsenic"},     {"Se", "Selenium"},     {"Br", "Bromine"},
    {"Kr", "Krypton"},      {"Rb", "Rubidium"},   {"Sr", "Strontium"},   {"Y", "Yttrium"},       {"Zr", "Zirconium"},
    {"Nb", "Niobium"},      {"Mo", "Molybdenum"}, {"Tc", "Technetium"},  {"Ru", "Ruthenium"},    {"Rh", "Rhodium"},
    {"Pd", "Palladium"},    {"Ag", "Silver"},     {"Cd", "Cadmium"},     {"In", "Indium"},       {"Sn", "Tin"},
    {"Sb", "Antimony"},     {"Te", "Tellurium"},  {"I", "Iodine"},       {"Xe", "Xenon"},        {"Cs", "Caesium"},
    {"Ba", "Barium"},       {"La", "Lanthanum"},  {"Ce", "Cerium"},      {"Pr", "Praseodymium"}, {"Nd", "Neodymium"},
    {"Pm", "Promethium"},   {"Sm", "Samarium"},   {"Eu", "Europium"},    {"Gd", "Gadolinium"},   {"Tb", "Terbium"},
    {"Dy", "Dysprosium"},   {"Ho", "Holmium"},    {"Er", "Erbium"},      {"Tm", "Thulium"},      {"Yb", "Ytterbium"},
    {"Lu", "Lutetium"},     {"Hf", "Hafnium"},    {"Ta", "Tantalum"},    {"W", "Tungsten"},      {"Re", "Rhenium"},
    {"Os", "Osmium"},       {"Ir", "Iridium"},    {"Pt", "Platinum"},    {"Au", "Gold"},         {"Hg", "Mercury"},
    {"Tl", "Thallium"},     {"Pb", "Lead"},       {"Bi", "Bismuth"},     {"Po", "Polonium"},     {"At", "Astatine"},
    {"Rn", "Radon"},        {"Fr", "Francium"},   {"Ra", "Radium"},      {"Ac", "Actinium"},     {"Th", "Thorium"},
    {"Pa", "Protactinium"}, {"U", "Uranium"},     {"Np", "Neptunium"},   {"Pu", "Plutonium"},    {"Am", "Americium"},
    {"Cm", "Curium"},       {"Bk", "Berkelium"},  {"Cf", "Californium"}, {"Es", "Einsteinium"},  {"Fm", "Fermium"},
    {"Md", "Mendelevium"},  {"No", "Nobelium"},   {"Lr", "Lawrencium"},
}};

}  // namespace

std::optional<Element> ElementOf(const std::string& symbol) {
    for (std::size_t k = 0; k < Elements.size(); ++k)
        if (symbol == Elements[k].first) return Element{static_cast<int>(k + 1), Elements[k].second};
    return std::nullopt;
}

}  // namespace quorvel::data
