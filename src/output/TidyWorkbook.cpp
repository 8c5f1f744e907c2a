// The workbook of headed rows, written without a spreadsheet library: a sheet of every
// coefficient is large, and streaming it into the zip at zlib's fastest level keeps its
// export near the cost of the CSV.
#include <charconv>
#include <cmath>
#include <utility>

#include "FileReplacement.h"
#include "TidyTable.h"
#include "ZipWriter.h"

namespace quorvel {

namespace {

// The package around the sheet: content types, relations, the workbook of one sheet and
// the styles (1: bold headings, 2: numbers in the grid's 0.00E+00 look).
constexpr const char* XmlDeclaration = "<?xml version=\"1.0\" encoding=\"UTF-8\" standalone=\"yes\"?>\n";
constexpr const char* SheetNamespace = "http://schemas.openxmlformats.org/spreadsheetml/2006/main";
const std::pair<const char*, std::string> PackageParts[] = {
    {"[Content_Types].xml",
     "<Types xmlns=\"http://schemas.openxmlformats.org/package/2006/content-types\">"
     "<Default Extension=\"rels\" ContentType=\"application/vnd.openxmlformats-package.relationships+xml\"/>"
     "<Default Extension=\"xml\" ContentType=\"application/xml\"/>"
     "<Override PartName=\"/xl/workbook.xml\" "
     "ContentType=\"application/vnd.openxmlformats-officedocument.spreadsheetml.sheet.main+xml\"/>"
     "<Override PartName=\"/xl/worksheets/sheet1.xml\" "
     "ContentType=\"application/vnd.openxmlformats-officedocument.spreadsheetml.worksheet+xml\"/>"
     "<Override PartName=\"/xl/styles.xml\" "
     "ContentType=\"application/vnd.openxmlformats-officedocument.spreadsheetml.styles+xml\"/></Types>"},
    {"_rels/.rels",
     "<Relationships xmlns=\"http://schemas.openxmlformats.org/package/2006/relationships\">"
     "<Relationship Id=\"rId1\" "
     "Type=\"http://schemas.openxmlformats.org/officeDocument/2006/relationships/officeDocument\" "
     "Target=\"xl/workbook.xml\"/></Relationships>"},
    {"xl/workbook.xml", std::string("<workbook xmlns=\"") + SheetNamespace +
                            "\" xmlns:r=\"http://schemas.openxmlformats.org/officeDocument/2006/relationships\">"
                            "<sheets><sheet name=\"Sheet1\" sheetId=\"1\" r:id=\"rId1\"/></sheets></workbook>"},
    {"xl/_rels/workbook.xml.rels",
     "<Relationships xmlns=\"http://schemas.openxmlformats.org/package/2006/relationships\">"
     "<Relationship Id=\"rId1\" Type=\"http://schemas.openxmlformats.org/officeDocument/2006/relationships/worksheet\" "
     "Target=\"worksheets/sheet1.xml\"/>"
     "<Relationship Id=\"rId2\" Type=\"http://schemas.openxmlformats.org/officeDocument/2006/relationships/styles\" "
     "Target=\"styles.xml\"/></Relationships>"},
    {"xl/styles.xml",
     std::string("<styleSheet xmlns=\"") + SheetNamespace +
         "\"><numFmts count=\"1\"><numFmt numFmtId=\"164\" formatCode=\"0.00E+00\"/></numFmts>"
         "<fonts count=\"2\"><font><sz val=\"11\"/><name val=\"Calibri\"/></font>"
         "<font><b/><sz val=\"11\"/><name val=\"Calibri\"/></font></fonts>"
         "<fills count=\"2\"><fill><patternFill patternType=\"none\"/></fill>"
         "<fill><patternFill patternType=\"gray125\"/></fill></fills>"
         "<borders count=\"1\"><border><left/><right/><top/><bottom/><diagonal/></border></borders>"
         "<cellStyleXfs count=\"1\"><xf numFmtId=\"0\" fontId=\"0\" fillId=\"0\" borderId=\"0\"/></cellStyleXfs>"
         "<cellXfs count=\"3\"><xf numFmtId=\"0\" fontId=\"0\" fillId=\"0\" borderId=\"0\" xfId=\"0\"/>"
         "<xf numFmtId=\"0\" fontId=\"1\" fillId=\"0\" borderId=\"0\" xfId=\"0\" applyFont=\"1\"/>"
         "<xf numFmtId=\"164\" fontId=\"0\" fillId=\"0\" borderId=\"0\" xfId=\"0\" applyNumberFormat=\"1\"/>"
         "</cellXfs><cellStyles count=\"1\"><cellStyle name=\"Normal\" xfId=\"0\" builtinId=\"0\"/></cellStyles>"
         "</styleSheet>"},
};

// Text as XML element content: markup characters escaped, the control characters XML
// cannot hold left out.
void AppendEscaped(std::string& out, const std::string& text) {
    for (char c : text) {
        switch (c) {
            case '&': out += "&amp;"; break;
            case '<': out += "&lt;"; break;
            case '>': out += "&gt;"; break;
            default:
                if (static_cast<unsigned char>(c) >= 0x20 || c == '\t' || c == '\n' || c == '\r') out += c;
        }
    }
}

}  // namespace

// The sheet is streamed into the zip as the rows come. Every cell carries its reference
// ("B7"), as spreadsheet programs expect; an empty cell is left out.
struct TidyWorkbook::Book {
    explicit Book(const std::string& path) : Zip(path) {}
    ZipWriter Zip;
    std::string Line;
    std::size_t Row = 0;     // counted from 1
    std::string RowNumber;   // its digits
    std::size_t Column = 0;  // of the next cell, from 0

    std::vector<std::string> Letters;  // of the columns met so far: "A", "B", ...

    // Opens the cell element up to its style and type: <c r="B7".
    void Open() {
        while (Letters.size() <= Column) {
            std::string letters;
            for (std::size_t n = Letters.size() + 1; n > 0; n = (n - 1) / 26)
                letters.insert(letters.begin(), static_cast<char>('A' + (n - 1) % 26));
            Letters.push_back(std::move(letters));
        }
        Line += "<c r=\"";
        Line += Letters[Column];
        Line += RowNumber;
        Line += '"';
    }

    void Text(const std::string& text, bool heading) {
        if (!text.empty()) {
            Open();
            Line += heading ? " s=\"1\" t=\"inlineStr\"><is><t" : " t=\"inlineStr\"><is><t";
            if (text.front() == ' ' || text.back() == ' ') Line += " xml:space=\"preserve\"";
            Line += '>';
            AppendEscaped(Line, text);
            Line += "</t></is></c>";
        }
        ++Column;
    }

    void Number(double value) {
        char digits[32];
        const auto written = std::to_chars(digits, digits + sizeof digits, value);
        Open();
        Line += " s=\"2\"><v>";
        Line.append(digits, written.ptr);
        Line += "</v></c>";
        ++Column;
    }

    void StartRow() {
        RowNumber = std::to_string(++Row);
        Column = 0;
        Line.assign("<row r=\"" + RowNumber + "\">");
    }

    void EndRow() {
        Line += "</row>";
        Zip.Write(Line);
    }
};

TidyWorkbook::TidyWorkbook(const std::string& path) : book_(std::make_unique<Book>(path)) {
    for (const auto& [name, content] : PackageParts) {
        book_->Zip.Begin(name);
        book_->Zip.Write(XmlDeclaration);
        book_->Zip.Write(content);
    }
    book_->Zip.Begin("xl/worksheets/sheet1.xml");
    book_->Zip.Write(XmlDeclaration);
    book_->Zip.Write(std::string("<worksheet xmlns=\"") + SheetNamespace + "\"><sheetData>");
}

TidyWorkbook::~TidyWorkbook() = default;

void TidyWorkbook::AddHeadings(const std::vector<std::string>& headings) {
    book_->StartRow();
    for (const auto& heading : headings) book_->Text(heading, true);
    book_->EndRow();
}

void TidyWorkbook::AddRow(const std::vector<TidyCell>& cells) {
    book_->StartRow();
    for (const auto& cell : cells) {
        if (cell.Number && std::isfinite(*cell.Number))
            book_->Number(*cell.Number);
        else
            book_->Text(cell.Text, false);
    }
    book_->EndRow();
}

bool TidyWorkbook::Close() {
    book_->Zip.Write("</sheetData></worksheet>");
    return book_->Zip.Close();
}

bool WriteTidyTableWorkbook(const TidyTable& table, const std::string& fileName) {
    return ReplaceFile(fileName, [&](const std::string& path) {
        TidyWorkbook workbook(path);
        workbook.AddHeadings(table.Headings);
        for (const auto& row : table.Rows) workbook.AddRow(row);
        return workbook.Close();
    });
}

}  // namespace quorvel
