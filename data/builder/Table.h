#pragma once
// A table as it goes into the database: named, typed fields in their fixed positions and the
// records in the order they are to be stored.
#include <cstdint>
#include <optional>
#include <string>
#include <variant>
#include <vector>

namespace quorvel::data {

enum class FieldType { Text, Integer, Real };

struct Field {
    std::string Name;
    FieldType Type;
};

// std::monostate is Null.
using Value = std::variant<std::monostate, std::int64_t, double, std::string>;

inline Value Nullable(const std::optional<double>& value) { return value ? Value(*value) : Value(); }

struct Table {
    std::string Name;
    std::vector<Field> Fields;
    std::vector<std::vector<Value>> Records;

    std::size_t Position(const std::string& fieldName) const;
};

}  // namespace quorvel::data
