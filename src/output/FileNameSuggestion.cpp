#include "FileNameSuggestion.h"

#include <string_view>

namespace quorvel {

namespace {

// Well under the 255 bytes a file name may have, and short enough to read in a dialog.
constexpr std::size_t LongestStem = 100;

bool Unfit(unsigned char c) {
    return c < 0x20 || c == 0x7F || std::string_view("/\\:*?\"<>|").find(c) != std::string_view::npos;
}

}  // namespace

std::string SuggestedFileName(const std::vector<std::string>& words, const std::string& ending) {
    std::string stem;
    for (const std::string& word : words)
        for (const char c : " " + word) {
            const bool blank = c == ' ' || Unfit(static_cast<unsigned char>(c));
            if (!blank)
                stem += c;
            else if (!stem.empty() && stem.back() != ' ')
                stem += ' ';
        }
    if (stem.size() > LongestStem) {
        const std::size_t cut = stem.rfind(' ', LongestStem);
        // One long word: cut before a character, never inside one.
        std::size_t at = cut != std::string::npos && cut > 0 ? cut : LongestStem;
        while (at > 0 && (static_cast<unsigned char>(stem[at]) & 0xC0U) == 0x80U) --at;
        stem.erase(at);
    }
    // A leading dot hides a file; some desktops drop a trailing one.
    const auto edge = [](char c) { return c == ' ' || c == '.'; };
    while (!stem.empty() && edge(stem.back())) stem.pop_back();
    while (!stem.empty() && edge(stem.front())) stem.erase(0, 1);
    return (stem.empty() ? std::string("Untitled") : stem) + ending;
}

}  // namespace quorvel
