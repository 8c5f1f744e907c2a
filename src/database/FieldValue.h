#pragma once
#include <cstdint>
#include <optional>
#include <string>
#include <variant>

namespace quorvel {

// One field of one record: Null, a whole number, a real number or a text.
class FieldValue {
public:
    FieldValue() = default;
    FieldValue(std::int64_t value) : value_(value) {}
    FieldValue(double value) : value_(value) {}
    FieldValue(std::string value) : value_(std::move(value)) {}
    FieldValue(const char* value) : value_(std::string(value)) {}

    bool IsNull() const { return std::holds_alternative<std::monostate>(value_); }
    bool IsText() const { return std::holds_alternative<std::string>(value_); }

    // The value as text; Null is an error ("Invalid use of Null").
    std::string Text() const;
    // The value as text, Null giving an empty text.
    std::string TextOrEmpty() const;

    // A number, or a text that reads as one.
    bool IsNumeric() const;
    // The value as a number; Null or a text that is not a number is an error.
    double Number() const;

    friend bool operator==(const FieldValue&, const FieldValue&) = default;

private:
    std::variant<std::monostate, std::int64_t, double, std::string> value_;
};

}  // namespace quorvel
