#include "TypeAhead.h"

#include <algorithm>
#include <cctype>

#include "NuclideList.h"

namespace quorvel {

namespace {

bool SameTextIgnoringCase(const std::string& a, const std::string& b) {
    return a.size() == b.size() && std::equal(a.begin(), a.end(), b.begin(), [](char x, char y) {
               return std::tolower(static_cast<unsigned char>(x)) == std::tolower(static_cast<unsigned char>(y));
           });
}

}  // namespace

int TypeAheadSelection(const std::vector<std::string>& entries, int selectedEntry, const std::string& text) {
    if (selectedEntry >= 0 && selectedEntry < static_cast<int>(entries.size()) &&
        SameTextIgnoringCase(EntryNuclide(entries[static_cast<std::size_t>(selectedEntry)]), text))
        return selectedEntry;
    for (std::size_t i = 0; i < entries.size(); ++i)
        if (SameTextIgnoringCase(EntryNuclide(entries[i]).substr(0, text.size()), text)) return static_cast<int>(i);
    return -1;
}

}  // namespace quorvel
