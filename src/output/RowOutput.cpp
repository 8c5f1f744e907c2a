#include "RowOutput.h"

#include <cerrno>
#include <cstddef>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <nlohmann/json.hpp>
#include <ostream>

#include "CaseFolding.h"
#include "FileReplacement.h"
#include "TerminalTable.h"

namespace quorvel {

namespace {

std::vector<std::string> HeadingsOf(const std::vector<OutputColumn>& columns) {
    std::vector<std::string> headings;
    for (const auto& column : columns) headings.push_back(column.Heading);
    return headings;
}

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
        textKeys_.clear();
        for (const auto& column : columns) {
            keys_.push_back(nlohmann::json(column.Key).dump() + ":");
            // A row of several numbers keeps each one's text apart.
            textKeys_.push_back(",\"" + (column.Key == "value" ? std::string() : column.Key + "_") + "text\":");
        }
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
                PutText(cells[i].Text);
                continue;
            }
            if (cells[i].Number) {
                number_ = *cells[i].Number;
                serializer_.dump(number_, false, false, 0);
            } else {
                line_ += "null";
            }
            line_ += textKeys_[i];
            PutText(cells[i].Text);
        }
        line_ += '}';
        out_ << line_;
        first_ = false;
    }
    void End() override { out_ << "\n]}\n"; }

private:
    void PutText(const std::string& text) {
        text_.get_ref<std::string&>() = text;
        serializer_.dump(text_, false, false, 0);
    }

    std::ostream& out_;
    std::vector<OutputColumn> columns_;
    std::vector<std::string> keys_;      // "key":
    std::vector<std::string> textKeys_;  // ,"text": or ,"key_text":
    std::string line_;
    bool first_ = true;
    // One serializer appending to the line and two reused values: a value and a serializer
    // made for every cell cost as much as the encoding.
    nlohmann::json text_ = std::string();
    nlohmann::json number_ = 0.0;
    nlohmann::detail::serializer<nlohmann::json> serializer_{nlohmann::detail::output_adapter<char>(line_), ' '};
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

// Right after the write failed, errno holds the system's reason.
[[noreturn]] void CannotWrite(const std::string& file) {
    const int cause = errno;
    throw OutputError("Cannot write " + file + ": " +
                      (cause != 0 ? std::strerror(cause) : "check that its folder exists and may be written to") + ".");
}

}  // namespace

std::vector<std::string> UnitColumn::Headings(const std::vector<OutputColumn>& columns, const std::string& unit) {
    std::vector<std::string> headings = HeadingsOf(columns);
    unit_ = {unit, std::nullopt};
    if (unit.empty()) return headings;
    at_ = headings.size();
    for (std::size_t i = 0; i < columns.size(); ++i)
        if (columns[i].Key == "value") at_ = i + 1;
    headings.insert(headings.begin() + static_cast<std::ptrdiff_t>(at_), "Unit");
    return headings;
}

const std::vector<TidyCell>& UnitColumn::Cells(const std::vector<TidyCell>& cells) {
    if (unit_.Text.empty() || cells.size() < at_) return cells;
    row_ = cells;
    row_.insert(row_.begin() + static_cast<std::ptrdiff_t>(at_), unit_);
    return row_;
}

const std::vector<std::pair<std::string, RowFormat>>& RowFormatWords() {
    static const std::vector<std::pair<std::string, RowFormat>> words = {{"text", RowFormat::Text},
                                                                         {"csv", RowFormat::Csv},
                                                                         {"tsv", RowFormat::Tsv},
                                                                         {"json", RowFormat::Json},
                                                                         {"xlsx", RowFormat::Xlsx}};
    return words;
}

RowFormat RowFormatOfFile(const std::string& fileName) {
    const std::string extension = FoldCase(std::filesystem::path(fileName).extension().string());
    if (extension == ".xlsx") return RowFormat::Xlsx;
    if (extension == ".json") return RowFormat::Json;
    if (extension == ".tsv") return RowFormat::Tsv;
    return RowFormat::Csv;
}

void WriteRows(RowFormat format, const std::string& outputFile, std::ostream& out, const RowProducer& produce) {
    errno = 0;
    if (format == RowFormat::Xlsx) {
        if (outputFile.empty())
            throw OutputError("An xlsx workbook is written to a file: name one (--output FILE.xlsx).");
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
    errno = 0;
    if (!ReplaceFileContent(outputFile, text)) CannotWrite(outputFile);
}

}  // namespace quorvel
