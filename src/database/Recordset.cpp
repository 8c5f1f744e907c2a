#include "Recordset.h"

#include "CaseFolding.h"
#include "DatabaseError.h"

namespace quorvel {

Recordset::Recordset(std::vector<std::string> fieldNames, std::vector<std::vector<FieldValue>> records)
    : fieldNames_(std::move(fieldNames)), records_(std::move(records)) {}

void Recordset::MoveFirst() {
    if (records_.empty()) throw DatabaseError("No current record.");
    current_ = 0;
}

void Recordset::MoveLast() {
    if (records_.empty()) throw DatabaseError("No current record.");
    current_ = records_.size() - 1;
}

void Recordset::MoveNext() {
    if (IsEOF()) throw DatabaseError("No current record.");
    ++current_;
}

const std::string& Recordset::FieldName(int position) const {
    if (position < 0 || position >= FieldCount())
        throw DatabaseError("Item not found in this collection (field " + std::to_string(position) + ").");
    return fieldNames_[static_cast<std::size_t>(position)];
}

const FieldValue& Recordset::Field(int position) const {
    const auto& record = CurrentRecord();
    if (position < 0 || position >= FieldCount())
        throw DatabaseError("Item not found in this collection (field " + std::to_string(position) + ").");
    return record[static_cast<std::size_t>(position)];
}

const FieldValue& Recordset::Field(std::string_view name) const {
    const int position = FieldPosition(name);
    return CurrentRecord()[static_cast<std::size_t>(position)];
}

int Recordset::FindField(std::string_view name) const {
    for (std::size_t i = 0; i < fieldNames_.size(); ++i)
        if (SameFoldingCase(fieldNames_[i], name)) return static_cast<int>(i);
    return -1;
}

int Recordset::FieldPosition(std::string_view name) const {
    if (const int position = FindField(name); position >= 0) return position;
    throw DatabaseError("Item not found in this collection (field " + std::string(name) + ").");
}

const std::vector<FieldValue>& Recordset::CurrentRecord() const {
    if (IsEOF()) throw DatabaseError("No current record.");
    return records_[current_];
}

}  // namespace quorvel
