#include "FormNames.h"

#include <algorithm>
#include <cctype>

#include "CaseFolding.h"
#include "ChoiceMatch.h"
#include "NumberText.h"

namespace quorvel {

namespace {

bool IsLetter(char c) { return std::isalpha(static_cast<unsigned char>(c)) != 0; }

// "Type M, ..." or "Class V, ...": the letter after the word, alone.
bool HasTypeLetter(const std::string& folded, char letter) {
    for (const std::string word : {"type ", "class "}) {
        for (auto at = folded.find(word); at != std::string::npos; at = folded.find(word, at + 1)) {
            const std::size_t next = at + word.size();
            if (next < folded.size() && folded[next] == letter &&
                (next + 1 == folded.size() || !IsLetter(folded[next + 1])) && (at == 0 || !IsLetter(folded[at - 1])))
                return true;
        }
    }
    return false;
}

// The f1 values a form states: "f1 = 0.2 (3 Months), 0.1 (1 Year to Adult); ..." gives 0.2 and 0.1.
std::vector<double> F1Values(const std::string& folded) {
    std::vector<double> values;
    const auto at = folded.find("f1 =");
    if (at == std::string::npos) return values;
    std::string clause = folded.substr(at + 4, folded.find(';', at) - at - 4);
    std::string field;
    int depth = 0;
    clause += ',';
    for (char c : clause) {
        if (c == '(') ++depth;
        if (c == ')') --depth;
        if (c == ',' && depth == 0) {
            if (const auto value = ReadNumber(field)) values.push_back(*value);
            field.clear();
        } else if (depth == 0 && c != ')') {
            field += c;
        }
    }
    return values;
}

// The f1 value of a name "f1=0.1" (blanks allowed), none for any other name.
std::optional<double> F1OfName(const std::string& folded) {
    if (!folded.starts_with("f1")) return std::nullopt;
    const std::string rest = TrimBlanks(folded.substr(2));
    if (!rest.starts_with('=')) return std::nullopt;
    return ReadNumber(rest.substr(1));
}

template <typename Picks>
std::vector<std::string> FormsWhere(const std::vector<std::string>& forms, Picks picks) {
    std::vector<std::string> chosen;
    for (const auto& form : forms)
        if (picks(FoldCase(form))) chosen.push_back(form);
    return chosen;
}

}  // namespace

std::vector<std::string> FormsNamed(const std::vector<std::string>& forms, const std::string& name) {
    const std::string folded = FoldCase(TrimBlanks(name));
    if (folded.empty()) return forms;
    if (folded.size() == 1 && std::string("fmsv").find(folded) != std::string::npos)
        return FormsWhere(forms, [&](const std::string& form) { return HasTypeLetter(form, folded[0]); });
    if (folded == "hto" || folded == "obt")
        return FormsWhere(forms, [&](const std::string& form) { return form.find("(" + folded + ")") != form.npos; });
    if (const auto f1 = F1OfName(folded))
        return FormsWhere(forms, [&](const std::string& form) {
            const auto values = F1Values(form);
            return std::find(values.begin(), values.end(), *f1) != values.end();
        });
    return MatchChoice(forms, TrimBlanks(name));
}

std::string ShortFormName(const std::vector<std::string>& forms, const std::string& form) {
    const std::string folded = FoldCase(form);
    std::vector<std::string> names;
    for (const char* letter : {"F", "M", "S", "V"}) names.emplace_back(letter);
    names.insert(names.end(), {"HTO", "OBT"});
    for (double f1 : F1Values(folded)) names.push_back("f1=" + FormatGeneralNumber(f1));
    for (const auto& name : names)
        if (FormsNamed(forms, name) == std::vector<std::string>{form}) return name;
    return form;
}

}  // namespace quorvel
