#include "FieldValue.h"

#include "DatabaseError.h"
#include "NumberText.h"

namespace quorvel {

std::string FieldValue::Text() const {
    if (IsNull()) throw DatabaseError("Invalid use of Null");
    return TextOrEmpty();
}

std::string FieldValue::TextOrEmpty() const {
    if (const auto* text = std::get_if<std::string>(&value_)) return *text;
    if (const auto* whole = std::get_if<std::int64_t>(&value_)) return std::to_string(*whole);
    if (const auto* real = std::get_if<double>(&value_)) return FormatGeneralNumber(*real);
    return {};
}

bool FieldValue::IsNumeric() const {
    if (IsNull()) return false;
    if (const auto* text = std::get_if<std::string>(&value_)) return ReadNumber(*text).has_value();
    return true;
}

double FieldValue::Number() const {
    if (IsNull()) throw DatabaseError("Invalid use of Null");
    if (const auto* text = std::get_if<std::string>(&value_)) return ConvertTextToNumber(*text);
    if (const auto* whole = std::get_if<std::int64_t>(&value_)) return static_cast<double>(*whole);
    return std::get<double>(value_);
}

}  // namespace quorvel
