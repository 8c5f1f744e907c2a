#pragma once
// A set of records read by one query, with a current record that moves forward
// from the first to past the last (the end).

#include <string>
#include <string_view>
#include <vector>

#include "FieldValue.h"

namespace quorvel {

class Recordset {
public:
    Recordset(std::vector<std::string> fieldNames, std::vector<std::vector<FieldValue>> records);

    // Moving to the first or last record of an empty recordset fails ("No current record.").
    void MoveFirst();
    void MoveLast();
    // Moving on from the end fails.
    void MoveNext();
    bool IsEOF() const { return current_ >= records_.size(); }

    int RecordCount() const { return static_cast<int>(records_.size()); }
    int FieldCount() const { return static_cast<int>(fieldNames_.size()); }
    const std::string& FieldName(int position) const;

    // Fields of the current record, by 0-based position or by name (names compare
    // without regard to case). Reading at the end fails.
    const FieldValue& Field(int position) const;
    const FieldValue& Field(std::string_view name) const;
    int FieldPosition(std::string_view name) const;
    // The position of the named field, or -1 when there is none.
    int FindField(std::string_view name) const;

    // Every record, for readers that group records rather than walk them.
    const std::vector<std::vector<FieldValue>>& Records() const { return records_; }

private:
    const std::vector<FieldValue>& CurrentRecord() const;

    std::vector<std::string> fieldNames_;
    std::vector<std::vector<FieldValue>> records_;
    std::size_t current_ = 0;
};

}  // namespace quorvel
