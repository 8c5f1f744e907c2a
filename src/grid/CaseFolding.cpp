#include "CaseFolding.h"

#include <algorithm>
#include <cctype>

namespace quorvel {

namespace {

char Folded(char c) { return static_cast<char>(std::tolower(static_cast<unsigned char>(c))); }

bool SameFolded(char a, char b) { return Folded(a) == Folded(b); }

}  // namespace

std::string FoldCase(std::string_view text) {
    std::string folded(text);
    std::transform(folded.begin(), folded.end(), folded.begin(), Folded);
    return folded;
}

bool SameFoldingCase(std::string_view a, std::string_view b) {
    return std::equal(a.begin(), a.end(), b.begin(), b.end(), SameFolded);
}

bool StartsFoldingCase(std::string_view text, std::string_view start) {
    return text.size() >= start.size() && SameFoldingCase(text.substr(0, start.size()), start);
}

}  // namespace quorvel
