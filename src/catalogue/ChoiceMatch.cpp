#include "ChoiceMatch.h"

#include "CaseFolding.h"
#include "NumberText.h"

namespace quorvel {

std::vector<std::string> MatchChoice(const std::vector<std::string>& choices, std::string_view text) {
    const std::string wanted = FoldCase(text);
    std::vector<std::string> begun;
    for (const auto& choice : choices) {
        const std::string key = FoldCase(choice);
        if (key == wanted) return {choice};
        if (key.starts_with(wanted)) begun.push_back(choice);
    }
    return begun;
}

}  // namespace quorvel
