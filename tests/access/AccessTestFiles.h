#pragma once
// The Access fixtures, the file operations and the value texts the Access tests share.

#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>

#include "Database.h"
#include "FixtureDatabase.h"

namespace quorvel::test {

inline std::string AccessFixture(const std::string& name) { return std::string(QUORVEL_ACCESS_FIXTURES) + "/" + name; }

// A value as the tests write it: texts in quotes, so that types show, and "<Null>".
inline std::string ValueText(const FieldValue& value) {
    return value.IsNull() ? "<Null>" : value.IsText() ? "'" + value.Text() + "'" : value.Text();
}

}  // namespace quorvel::test
