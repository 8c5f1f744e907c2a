#pragma once
#include <string>
#include <vector>

#include "FieldValue.h"

namespace quorvel {

// The records of one block as a builder hands them to a coefficient class: the field
// names of the query, then the block's records in order (record 1 first).
struct BlockTable {
    std::vector<std::string> FieldNames;
    std::vector<std::vector<FieldValue>> Records;

    int RecordCount() const { return static_cast<int>(Records.size()); }
    const FieldValue& Value(int record, int position) const;
    const std::string& FieldName(int position) const;
};

}  // namespace quorvel
