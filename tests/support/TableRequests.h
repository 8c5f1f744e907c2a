#pragma once
// Requests as the tests write them, and tables read and laid out as the dispatcher does,
// for the tests that link the request library.

#include <sstream>
#include <stdexcept>
#include <string>

#include "CoefficientDispatcher.h"
#include "CoefficientTables.h"

namespace quorvel::test {

// A request written as words, as the lists under tests/data write it: "Co-60 dose external
// ground-plane 1" (nuclide, type, pathway, geometry or "-", unit position, 1 when left out).
inline CoefficientRequest ReadRequest(std::istream& words) {
    const auto code = [&words](const auto& list) {
        std::string word;
        words >> word;
        for (const auto& [name, value] : list)
            if (name == word || word == "-") return value;
        throw std::runtime_error("no code is named " + word);
    };
    CoefficientRequest request;
    words >> request.Nuclide;
    request.Kind = {code(CoefficientTypeWords()), code(PathwayWords()), code(GeometryWords())};
    if (!(words >> request.UnitPosition)) request.UnitPosition = 1;
    return request;
}

inline CoefficientRequest RequestOf(const std::string& text) {
    std::istringstream words(text);
    return ReadRequest(words);
}

// A nuclide's table of a kind in the database file, read with the ages given and laid out.
inline FlexGrid BuildTable(const std::string& path, const TableKind& kind, const std::string& nuclide,
                           double unitFactor, const AgeGroups& ages = {}) {
    FlexGrid grid;
    LayOutCoefficientTable(ReadCoefficientTable({*OpenDatabase(path), ages}, kind, unitFactor, nuclide), grid);
    return grid;
}

}  // namespace quorvel::test
