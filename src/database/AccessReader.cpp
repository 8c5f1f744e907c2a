#include "AccessReader.h"

#include <charconv>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <mdbtools.h>
#include <strings.h>
#include <vector>

#include "AccessDateText.h"
#include "DatabaseError.h"

namespace quorvel {

namespace {

// The row offsets of a data page carry flags in their top bits.
constexpr int RowOffsetMask = 0x1fff;
// Texts and memos longer than this are cut; a coefficient table's texts are short.
constexpr std::size_t TextBufferSize = 256 * 1024;

class ReadFailure : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

class AccessFile {
public:
    explicit AccessFile(const std::string& path) : mdb_(mdb_open(path.c_str(), MDB_NOFLAGS)) {
        if (!mdb_) throw ReadFailure("it cannot be read as a Microsoft Access file");
        mdb_set_bind_size(mdb_, TextBufferSize);
    }
    ~AccessFile() { mdb_close(mdb_); }
    AccessFile(const AccessFile&) = delete;
    AccessFile& operator=(const AccessFile&) = delete;
    MdbHandle* get() const { return mdb_; }

private:
    MdbHandle* mdb_;
};

class TableDefinition {
public:
    explicit TableDefinition(MdbCatalogEntry* entry) : table_(mdb_read_table(entry)) {
        if (!table_ || !mdb_read_columns(table_)) {
            // A constructor that throws runs no destructor: free the definition here.
            if (table_) mdb_free_tabledef(table_);
            throw ReadFailure(std::string("the definition of the table ") + entry->object_name + " is damaged");
        }
    }
    ~TableDefinition() { mdb_free_tabledef(table_); }
    TableDefinition(const TableDefinition&) = delete;
    TableDefinition& operator=(const TableDefinition&) = delete;
    MdbTableDef* get() const { return table_; }
    MdbColumn* Column(unsigned int i) const { return static_cast<MdbColumn*>(g_ptr_array_index(table_->columns, i)); }

private:
    MdbTableDef* table_;
};

class Insertion {
public:
    Insertion(sqlite3* db, const std::string& sql) : db_(db) {
        if (sqlite3_prepare_v2(db, sql.c_str(), -1, &stmt_, nullptr) != SQLITE_OK)
            throw DatabaseError(sqlite3_errmsg(db));
    }
    ~Insertion() { sqlite3_finalize(stmt_); }
    Insertion(const Insertion&) = delete;
    Insertion& operator=(const Insertion&) = delete;

    void Run(const std::vector<QueryParameter>& values) {
        sqlite3_reset(stmt_);
        for (std::size_t i = 0; i < values.size(); ++i) Bind(static_cast<int>(i + 1), values[i]);
        if (sqlite3_step(stmt_) != SQLITE_DONE) throw DatabaseError(sqlite3_errmsg(db_));
    }

private:
    void Bind(int index, const QueryParameter& value) {
        int rc = SQLITE_OK;
        if (const auto* text = std::get_if<std::string>(&value))
            rc = sqlite3_bind_text(stmt_, index, text->data(), static_cast<int>(text->size()), SQLITE_TRANSIENT);
        else if (const auto* real = std::get_if<double>(&value))
            rc = sqlite3_bind_double(stmt_, index, *real);
        else if (const auto* whole = std::get_if<std::int64_t>(&value))
            rc = sqlite3_bind_int64(stmt_, index, *whole);
        else
            rc = sqlite3_bind_null(stmt_, index);
        if (rc != SQLITE_OK) throw DatabaseError(sqlite3_errmsg(db_));
    }

    sqlite3* db_;
    sqlite3_stmt* stmt_ = nullptr;
};

bool IsUserTable(MdbCatalogEntry* entry) {
    return mdb_is_user_table(entry) && strncasecmp(entry->object_name, "MSys", 4) != 0;
}

const char* DeclaredType(int columnType) {
    switch (columnType) {
        case MDB_BYTE:
        case MDB_INT:
        case MDB_LONGINT: return "INTEGER";
        case MDB_MONEY:
        case MDB_FLOAT:
        case MDB_DOUBLE:
        case MDB_NUMERIC: return "REAL";
        case MDB_BOOL:
        case MDB_DATETIME:
        case MDB_TEXT:
        case MDB_MEMO:
        case MDB_REPID: return "TEXT COLLATE NOCASE";
        default: return "BLOB";
    }
}

std::string LibraryText(MdbHandle* mdb, const MdbField& field, int columnType) {
    char* text = mdb_col_to_string(mdb, mdb->pg_buf, field.start, columnType, field.siz);
    std::string value = text ? text : "";
    g_free(text);
    return value;
}

double ReadDecimal(const std::string& text) {
    double value = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (error != std::errc() || end != text.data() + text.size())
        throw ReadFailure("a decimal value reads \"" + text + "\"");
    return value;
}

// A single as the shortest decimal that reads back as the same single.
double SingleAsShown(float value) {
    char text[32];
    const auto written = std::to_chars(text, text + sizeof text, value);
    return ReadDecimal(std::string(text, written.ptr));
}

std::int64_t ReadInt64(const unsigned char* bytes) {
    std::uint64_t value = 0;
    for (int i = 7; i >= 0; --i) value = value << 8 | bytes[i];
    return static_cast<std::int64_t>(value);
}

QueryParameter FieldValueOf(MdbHandle* mdb, const MdbColumn& column, const MdbField& field) {
    // A Yes/No field keeps its value in the null mask: a clear bit is No.
    if (column.col_type == MDB_BOOL) return std::string(field.is_null ? "False" : "True");
    if (field.is_null) return std::monostate{};
    if (field.start < 0 || field.siz < 0 || field.start + field.siz > mdb->fmt->pg_size)
        throw ReadFailure("a record of " + std::string(column.table->name) + " lies outside its page");
    const auto need = [&](int bytes) {
        if (field.siz < bytes) throw ReadFailure("a value of " + std::string(column.name) + " is too short");
    };
    const unsigned char* bytes = mdb->pg_buf + field.start;
    switch (column.col_type) {
        case MDB_BYTE: need(1); return std::int64_t{bytes[0]};
        case MDB_INT: need(2); return std::int64_t{static_cast<std::int16_t>(mdb_get_int16(mdb->pg_buf, field.start))};
        case MDB_LONGINT:
            need(4);
            return std::int64_t{static_cast<std::int32_t>(mdb_get_int32(mdb->pg_buf, field.start))};
        case MDB_MONEY: need(8); return static_cast<double>(ReadInt64(bytes)) / 10000.0;
        case MDB_FLOAT: need(4); return SingleAsShown(mdb_get_single(mdb->pg_buf, field.start));
        case MDB_DOUBLE: need(8); return mdb_get_double(mdb->pg_buf, field.start);
        case MDB_DATETIME: need(8); return FormatAccessDate(mdb_get_double(mdb->pg_buf, field.start));
        case MDB_NUMERIC: {
            need(17);
            char* text = mdb_numeric_to_string(mdb, field.start, column.col_scale, column.col_prec);
            const std::string digits = text ? text : "";
            g_free(text);
            return ReadDecimal(digits);
        }
        case MDB_TEXT: return field.siz == 0 ? std::string() : LibraryText(mdb, field, column.col_type);
        case MDB_MEMO: {
            if (field.siz < MDB_MEMO_OVERHEAD) return std::string();
            // The library gives an empty text for a memo whose pages it cannot read.
            const bool announced = (mdb_get_int32(mdb->pg_buf, field.start) & 0x3fffffff) != 0;
            std::string text = LibraryText(mdb, field, column.col_type);
            if (announced && text.empty())
                throw ReadFailure("a memo of " + std::string(column.name) + " cannot be read");
            return text;
        }
        case MDB_REPID: need(16); return LibraryText(mdb, field, column.col_type);
        default: return std::monostate{};
    }
}

void CopyTable(MdbHandle* mdb, MdbCatalogEntry* entry, SqliteDatabase& target) {
    const TableDefinition definition(entry);
    MdbTableDef* table = definition.get();
    const std::string name = entry->object_name;
    if (table->num_cols == 0) throw ReadFailure("the table " + name + " has no fields");

    std::string create = "CREATE TABLE " + QuoteIdentifier(name) + " (";
    std::string insert = "INSERT INTO " + QuoteIdentifier(name) + " VALUES (";
    for (unsigned int i = 0; i < table->num_cols; ++i) {
        const MdbColumn* column = definition.Column(i);
        create += (i ? ", " : "") + QuoteIdentifier(column->name) + " " + DeclaredType(column->col_type);
        insert += i ? ", ?" : "?";
    }
    target.Execute(create + ")");
    Insertion insertion(target.Handle(), insert + ")");

    std::vector<MdbField> fields(table->num_cols);
    std::vector<QueryParameter> values(table->num_cols);
    unsigned int records = 0;
    mdb_rewind_table(table);
    while (mdb_fetch_row(table)) {
        // A damaged page map can lead the scan round in circles.
        if (records == table->num_rows)
            throw ReadFailure("the table " + name + " holds more records than it announces");
        // The library hands out Null and an empty text alike; the row itself tells them apart.
        int start = 0;
        std::size_t size = 0;
        if (table->cur_row == 0 || mdb_find_row(mdb, static_cast<int>(table->cur_row - 1), &start, &size) != 0 ||
            mdb_crack_row(table, start & RowOffsetMask, size, fields.data()) < 0)
            throw ReadFailure("a record of " + name + " is damaged");
        for (unsigned int i = 0; i < table->num_cols; ++i) {
            const auto position = static_cast<unsigned int>(fields[i].colnum);
            if (position >= table->num_cols) throw ReadFailure("a record of " + name + " is damaged");
            values[position] = FieldValueOf(mdb, *definition.Column(position), fields[i]);
        }
        insertion.Run(values);
        ++records;
    }
    // A page that cannot be read ends the scan early: the table's own count tells.
    if (records != table->num_rows)
        throw ReadFailure("only " + std::to_string(records) + " of the " + std::to_string(table->num_rows) +
                          " records of " + name + " could be read");
}

// The tables listed in the catalog table MSysObjects. The library's own catalog reader also
// reads every object's properties, and on a damaged file it can loop there without end.
std::vector<MdbCatalogEntry> ReadTableCatalog(MdbHandle* mdb) {
    MdbCatalogEntry catalogTable{};
    catalogTable.mdb = mdb;
    catalogTable.object_type = MDB_TABLE;
    catalogTable.table_pg = 2;
    std::snprintf(catalogTable.object_name, sizeof catalogTable.object_name, "MSysObjects");
    const TableDefinition definition(&catalogTable);
    MdbTableDef* table = definition.get();

    std::vector<char> id(TextBufferSize), name(TextBufferSize), type(TextBufferSize), flags(TextBufferSize);
    const std::pair<const char*, char*> columns[] = {
        {"Id", id.data()}, {"Name", name.data()}, {"Type", type.data()}, {"Flags", flags.data()}};
    for (const auto& [column, buffer] : columns)
        if (mdb_bind_column_by_name(table, const_cast<gchar*>(column), buffer, nullptr) < 0)
            throw ReadFailure("its table catalog is damaged");

    std::vector<MdbCatalogEntry> entries;
    unsigned int records = 0;
    mdb_rewind_table(table);
    while (mdb_fetch_row(table)) {
        if (records++ == table->num_rows) throw ReadFailure("its table catalog holds more objects than it announces");
        if ((std::atoi(type.data()) & 0x7f) != MDB_TABLE) continue;
        MdbCatalogEntry entry{};
        entry.mdb = mdb;
        entry.object_type = MDB_TABLE;
        entry.table_pg = static_cast<unsigned long>(std::atol(id.data())) & 0x00ffffff;
        entry.flags = static_cast<int>(std::strtoul(flags.data(), nullptr, 10));
        std::snprintf(entry.object_name, sizeof entry.object_name, "%s", name.data());
        entries.push_back(entry);
    }
    if (records != table->num_rows) throw ReadFailure("its table catalog is incomplete");
    return entries;
}

void CopyTables(const std::string& path, SqliteDatabase& target) {
    const AccessFile file(path);
    MdbHandle* mdb = file.get();
    std::error_code error;
    const auto size = std::filesystem::file_size(path, error);
    if (error || mdb->fmt->pg_size <= 0 || size % static_cast<std::uintmax_t>(mdb->fmt->pg_size) != 0)
        throw ReadFailure("the file is truncated");
    for (MdbCatalogEntry& entry : ReadTableCatalog(mdb))
        if (IsUserTable(&entry)) CopyTable(mdb, &entry, target);
}

}  // namespace

std::unique_ptr<SqliteDatabase> ReadAccessDatabase(const std::string& path) {
    auto target = std::make_unique<SqliteDatabase>(":memory:", SqliteDatabase::Mode::Create);
    try {
        target->Execute("BEGIN");
        CopyTables(path, *target);
        target->Execute("COMMIT");
    } catch (const std::exception& e) {
        throw DatabaseError("Cannot open the database " + path + ": " + e.what());
    }
    return target;
}

}  // namespace quorvel
