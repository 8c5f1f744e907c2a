#pragma once
// The one case folding of the program: names and words compared whatever their case, as the
// database's queries compare nuclide names (ASCII letters only).

#include <string>
#include <string_view>

namespace quorvel {

// The text in lower case.
std::string FoldCase(std::string_view text);

// Whether two texts, or a text's beginning and another, are the same whatever their case.
bool SameFoldingCase(std::string_view a, std::string_view b);
bool StartsFoldingCase(std::string_view text, std::string_view start);

}  // namespace quorvel
