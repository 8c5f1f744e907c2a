#pragma once
// The words an option takes for a request code, as CLI11 checks and converts them.

#include <CLI/CLI.hpp>
#include <map>
#include <string>
#include <utility>
#include <vector>

namespace quorvel {

// CLI11's transformer of a word list of the request codes, any case.
template <typename Code>
CLI::CheckedTransformer WordsOf(const std::vector<std::pair<std::string, Code>>& words) {
    return CLI::CheckedTransformer(std::map<std::string, Code>(words.begin(), words.end()), CLI::ignore_case);
}

// An option that takes a word of a code list into the code; its help shows the words, their
// codes, and INT as the kind of value.
template <typename Code>
CLI::Option* AddCodeOption(CLI::App& app, const std::string& name, Code& code, const std::string& help,
                           const std::vector<std::pair<std::string, Code>>& words) {
    return app.add_option(name, code, help)->transform(WordsOf(words))->type_name("INT");
}

}  // namespace quorvel
