#pragma once
// Type-ahead in the nuclide list: which entry the typed text selects.

#include <string>
#include <vector>

namespace quorvel {

// The selection after typing: the selected entry stays when its nuclide is the text
// (without regard to case); otherwise the first entry whose nuclide begins with the text,
// or -1 (no entry selected) when none does. An empty text matches the first entry.
int TypeAheadSelection(const std::vector<std::string>& entries, int selectedEntry, const std::string& text);

}  // namespace quorvel
