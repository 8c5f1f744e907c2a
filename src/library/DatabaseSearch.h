#pragma once
// How a value is sought in the fields of a database, and where it was found.

#include <string>

namespace quorvel {

enum class SearchMode {
    WholeValue,  // the field's text equals the value
    Beginning,   // the field's text begins with the value
    End,         // the field's text ends with the value
};

struct SearchSettings {
    SearchMode Mode = SearchMode::WholeValue;
    bool IgnoreCase = false;
};

// One field of one record that holds the value sought; records count from 1 in the
// table's stored order.
struct SearchMatch {
    std::string Table;
    std::string Field;
    int Record = 0;
    std::string Value;
    friend bool operator==(const SearchMatch&, const SearchMatch&) = default;
};

// Whether a field's text holds the value as the settings ask.
bool MatchesSearch(const std::string& fieldText, const std::string& value, const SearchSettings& settings);

}  // namespace quorvel
