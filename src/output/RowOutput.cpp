#include "RowOutput.h"

#include <cctype>
#include <cstddef>
#include <filesystem>
#include <fstream>
#include <nlohmann/json.hpp>
#include <ostream>

#include "FileReplacement.h"
#include "TerminalTable.h"

namespace quorvel {

namespace {

std::vector<std::string> HeadingsOf(const std::vector<OutputColumn>& columns) {
    std::vector<std::string> headings;
    for (const auto& column : columns) headings.push_back(column.Heading);
    return headings;
}

// A plain table has no place above its headings for the unit (and its +D label) that the
// text table and JSON give once: it goes in a "Unit" column after the values, as the dump's.
class UnitColumn {
public:
    std::vector<std::string> Headings(const std::vector<OutputColumn>& columns, const std::string& unit) {
        std::vector<std::string> headings = HeadingsOf(columns);
        unit_ = {unit, std::nullopt};
        if (unit.empty()) return headings;
        at_ = headings.size();
        for (std::size_t i = 0; i < columns.size(); ++i)
            if (columns[i].Key == "value") at_ = i + 1;
        headings.insert(headings.begin() + static_cast<std::ptrdiff_t>(at_), "Unit");
        return headings;
    }

    const std::vector<TidyCell>& Cells(const std::vector<TidyCell>& cells) {
        if (unit_.Text.empty() || cells.size() < at_) return cells;
        row_ = cells;
        row_.insert(row_.begin() + static_cast<std::ptrdiff_t>(at_), unit_);
        return row_;
    }

private:
    TidyCell unit_;
    std::size_t at_ = 0;
    std::vector<TidyCell> row_;
};

class SeparatedWriter : public RowWriter {
public:
    SeparatedWriter(std::ostream& out, SeparatedText format) : out_(out), format_(format) {}
    void Begin(const std::vector<OutputColumn>& columns, const std::string& unit) override {
        out_ << FormatTidyLine(unit_.Headings(columns, unit), format_);
    }
    void Row(const std::vector<TidyCell>& cells) override { out_ << FormatTidyLine(unit_.Cells(cells), format_); }
    void End() override {}

private:
    std::ostream& out_;
    SeparatedText format_;
    UnitColumn unit_;
};

class AlignedWriter : public RowWriter {
public:
    explicit AlignedWriter(std::ostream& out) : out_(out) {}
    void Begin(const std::vector<OutputColumn>& columns, const std::string& unit) override {
        table_.Headings = HeadingsOf(columns);
        unit_ = unit;
    }
    void Row(const std::vector<TidyCell>& cells) override { table_.Rows.push_back(cells); }
    void End() override {
        if (!unit_.empty()) out_ << "Units = " << unit_ << '\n';
        out_ << FormatGridAsAlignedText(TidyTableGrid(table_));
    }

private:
    std::ostream& out_;
    TidyTable table_;
    std::string unit_;
};

class JsonWriter : public RowWriter {
public:
    explicit JsonWriter(std::ostream& out) : out_(out) {}
    void Begin(const std::vector<OutputColumn>& columns, const std::string& unit) override {
        columns_ = columns;
        keys_.clear();
        for (const auto& column : columns) keys_.push_back(nlohmann::json(column.Key).dump() + ":");
        out_ << "{\"unit\":" << (unit.empty() ? nlohmann::json(nullptr) : nlohmann::json(unit)).dump() << ",\"rows\":[";
    }
    // Each row is an object whose keys are the columns' (in column order); the values are
    // written by the JSON library, which also escapes them.
    void Row(const std::vector<TidyCell>& cells) override {
        line_.assign(first_ ? "\n{" : ",\n{");
        for (std::size_t i = 0; i < columns_.size() && i < cells.size(); ++i) {
            if (i > 0) line_ += ',';
            line_ += keys_[i];
            if (!columns_[i].Numeric) {
                line_ += nlohmann::json(cells[i].Text).dump();
                continue;
            }
            line_ += cells[i].Number ? nlohmann::json(*cells[i].Number).dump() : "null";
            line_ += ",\"text\":" + nlohmann::json(cells[i].Text).dump();
        }
        line_ += '}';
        out_ << line_;
        first_ = false;
    }
    void End() override { out_ << "\n]}\n"; }

private:
    std::ostream& out_;
    std::vector<OutputColumn> columns_;
    std::vector<std::string> keys_;  // "key":
    std::string line_;
    bool first_ = true;
};

class WorkbookWriter : public RowWriter {
public:
    explicit WorkbookWriter(const std::string& path) : workbook_(path) {}
    void Begin(const std::vector<OutputColumn>& columns, const std::string& unit) override {
        workbook_.AddHeadings(unit_.Headings(columns, unit));
    }
    void Row(const std::vector<TidyCell>& cells) override { workbook_.AddRow(unit_.Cells(cells)); }
    void End() override {}
    bool Close() { return workbook_.Close(); }

private:
    TidyWorkbook workbook_;
    UnitColumn unit_;
};

void Produce(RowWriter& writer, const RowProducer& produce) { produce(writer); }

void ProduceText(RowFormat format, std::ostream& out, const RowProducer& produce) {
    switch (format) {
        case RowFormat::Csv: {
            SeparatedWriter writer(out, SeparatedText::Comma);
            return Produce(writer, produce);
        }
        case RowFormat::Tsv: {
            SeparatedWriter writer(out, SeparatedText::Tab);
            return Produce(writer, produce);
        }
        case RowFormat::Json: {
            JsonWriter writer(out);
            return Produce(writer, produce);
        }
        default: {
            AlignedWriter writer(out);
            return Produce(writer, produce);
        }
    }
}

void CannotWrite(const std::string& file) {
    throw OutputError("Cannot write " + file + ": check that its folder exists and may be written to.");
}

}  // namespace

const std::vector<std::pair<std::string, RowFormat>>& RowFormatWords() {
    static const std::vector<std::pair<std::string, RowFormat>> words = {{"text", RowFormat::Text},
                                                                               {"csv", RowFormat::Csv},
                                                                               {"tsv", RowFormat::Tsv},
                                                                               {"json", RowFormat::Json},
                                                                               {"xlsx", RowFormat::Xlsx}};
    return words;
}

RowFormat RowFormatOfFile(const std::string& fileName) {
    std::string extension = std::filesystem::path(fileName).extension().string();
    for (char& c : extension) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    if (extension == ".xlsx") return RowFormat::Xlsx;
    if (extension == ".json") return RowFormat::Json;
    if (extension == ".tsv") return RowFormat::Tsv;
    return RowFormat::Csv;
}

void WriteRows(RowFormat format, const std::string& outputFile, std::ostream& out, const RowProducer& produce) {
    if (format == RowFormat::Xlsx) {
        if (outputFile.empty()) throw OutputError("An xlsx workbook is written to a file: name one (--output FILE.xlsx).");
        if (!ReplaceFile(outputFile, [&](const std::string& path) {
                WorkbookWriter writer(path);
                produce(writer);
                return writer.Close();
            }))
            CannotWrite(outputFile);
        return;
    }
    if (outputFile.empty()) return ProduceText(format, out, produce);
    if (!ReplaceFile(outputFile, [&](const std::string& path) {
            std::ofstream file(path, std::ios::binary | std::ios::trunc);
            if (!file) return false;
            ProduceText(format, file, produce);
            file.close();
            return !file.fail();
        }))
        CannotWrite(outputFile);
}

void WriteText(const std::string& text, const std::string& outputFile, std::ostream& out) {
    if (outputFile.empty()) {
        out << text;
        return;
    }
    if (!ReplaceFileContent(outputFile, text)) CannotWrite(outputFile);
}

}  // namespace quorvel
