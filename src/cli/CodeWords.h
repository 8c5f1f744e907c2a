#pragma once
// The words an option takes for a request code, as CLI11 checks and converts them.

#include <CLI/CLI.hpp>
#include <map>
#include <string>
#include <utility>
#include <vector>

#include "CaseFolding.h"

namespace quorvel {

// The words of a list as a message names them: "dose, risk".
template <typename Code>
std::string ListedWords(const std::vector<std::pair<std::string, Code>>& words) {
    std::string listed;
    for (const auto& [word, code] : words) listed += (listed.empty() ? "" : ", ") + word;
    return listed;
}

// CLI11's transformer of a word list of the request codes, any case; a word the list lacks
// is refused with the list's words, in the list's order, never with CLI11's own text.
template <typename Code>
CLI::Validator WordsOf(const std::vector<std::pair<std::string, Code>>& words) {
    const CLI::CheckedTransformer transformer(std::map<std::string, Code>(words.begin(), words.end()),
                                              CLI::ignore_case);
    return CLI::Validator(
        [transformer, listed = ListedWords(words)](std::string& text) {
            const std::string given = text;
            return transformer(text).empty() ? std::string() : "\"" + given + "\" is none of " + listed;
        },
        transformer.get_description());
}

// CLI11's check that a word is one of a list, any case, refusing one it lacks as WordsOf does.
inline CLI::Validator OneOf(const std::vector<std::string>& words) {
    std::vector<std::pair<std::string, int>> coded;
    for (const auto& word : words) coded.emplace_back(word, 0);
    const std::string listed = ListedWords(coded);
    return CLI::Validator(
        [words, listed](std::string& text) {
            for (const auto& word : words)
                if (FoldCase(text) == FoldCase(word)) return std::string();
            return "\"" + text + "\" is none of " + listed;
        },
        "{" + listed + "}");
}

// An option that takes a word of a code list into the code; its help shows the words, their
// codes, and INT as the kind of value.
template <typename Code>
CLI::Option* AddCodeOption(CLI::App& app, const std::string& name, Code& code, const std::string& help,
                           const std::vector<std::pair<std::string, Code>>& words) {
    return app.add_option(name, code, help)->transform(WordsOf(words))->type_name("INT");
}

}  // namespace quorvel
