#include "BlockTable.h"

#include "DatabaseError.h"

namespace quorvel {

const FieldValue& BlockTable::Value(int record, int position) const {
    if (record < 1 || record > RecordCount())
        throw DatabaseError("No record " + std::to_string(record) + " in the block.");
    const auto& fields = Records[static_cast<std::size_t>(record - 1)];
    if (position < 0 || position >= static_cast<int>(fields.size()))
        throw DatabaseError("Item not found in this collection (field " + std::to_string(position) + ").");
    return fields[static_cast<std::size_t>(position)];
}

const std::string& BlockTable::FieldName(int position) const {
    if (position < 0 || position >= static_cast<int>(FieldNames.size()))
        throw DatabaseError("Item not found in this collection (field " + std::to_string(position) + ").");
    return FieldNames[static_cast<std::size_t>(position)];
}

}  // namespace quorvel
