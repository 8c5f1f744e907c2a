#include "TypeAhead.h"

#include "CaseFolding.h"
#include "NuclideList.h"

namespace quorvel {

int TypeAheadSelection(const std::vector<std::string>& entries, int selectedEntry, const std::string& text) {
    if (selectedEntry >= 0 && selectedEntry < static_cast<int>(entries.size()) &&
        SameFoldingCase(EntryNuclide(entries[static_cast<std::size_t>(selectedEntry)]), text))
        return selectedEntry;
    for (std::size_t i = 0; i < entries.size(); ++i)
        if (StartsFoldingCase(EntryNuclide(entries[i]), text)) return static_cast<int>(i);
    return -1;
}

}  // namespace quorvel
