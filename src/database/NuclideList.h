#pragma once
// The entries of the nuclide list, built from "Nuke2", and the name taken back out of one.

#include <string>
#include <vector>

#include "Recordset.h"

namespace quorvel {

// The header line the list stands under.
inline constexpr const char* NuclideListHeader = " Z    Element         Nuclide      T1/2      Int/Ext";

// Z right-aligned to 3, Element to 13, Nuclide to 9, T1/2 to 10, Int/Ext to 4, three
// blanks between; a longer value is kept whole and shifts the rest to the right.
std::string FormatNuclideListEntry(const std::string& z, const std::string& element, const std::string& nuclide,
                                   const std::string& halfLife, const std::string& intExt);

// The 10 characters from position 23 (1-based) of an entry, blanks removed at both ends.
std::string EntryNuclide(const std::string& entry);

// One entry per record, from the first to the last; each of the five fields is read
// as text and trimmed. A missing field or a Null value fails.
std::vector<std::string> ReadNuclideListEntries(Recordset& nuclides);

}  // namespace quorvel
