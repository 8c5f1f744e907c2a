#include "TidyTable.h"

#include <algorithm>

#include "CsvFields.h"
#include "GridConventions.h"

namespace quorvel {

namespace {

std::string TsvField(std::string text) {
    for (char& c : text)
        if (c == '\t' || c == '\r' || c == '\n') c = ' ';
    return text;
}

template <typename Cell, typename TextOf>
std::string Line(const std::vector<Cell>& cells, SeparatedText format, TextOf textOf) {
    std::string line;
    for (std::size_t i = 0; i < cells.size(); ++i) {
        if (i > 0) line += format == SeparatedText::Tab ? '\t' : ',';
        line += format == SeparatedText::Tab ? TsvField(textOf(cells[i])) : CsvField(textOf(cells[i]));
    }
    return line + '\n';
}

std::string Join(const TidyTable& table, SeparatedText format) {
    std::string text = FormatTidyLine(table.Headings, format);
    for (const auto& row : table.Rows) text += FormatTidyLine(row, format);
    return text;
}

}  // namespace

std::string FormatTidyLine(const std::vector<TidyCell>& cells, SeparatedText format) {
    return Line(cells, format, [](const TidyCell& cell) -> const std::string& { return cell.Text; });
}

std::string FormatTidyLine(const std::vector<std::string>& headings, SeparatedText format) {
    return Line(headings, format, [](const std::string& heading) -> const std::string& { return heading; });
}

std::string FormatTidyTableAsCsv(const TidyTable& table) { return Join(table, SeparatedText::Comma); }

std::string FormatTidyTableAsTsv(const TidyTable& table) { return Join(table, SeparatedText::Tab); }

FlexGrid TidyTableGrid(const TidyTable& table) {
    FlexGrid grid;
    grid.SetRows(static_cast<int>(table.Rows.size()) + 1);
    grid.SetCols(static_cast<int>(table.Headings.size()));
    for (std::size_t c = 0; c < table.Headings.size(); ++c)
        grid.SetTextMatrix(0, static_cast<int>(c), table.Headings[c]);
    for (std::size_t r = 0; r < table.Rows.size(); ++r)
        for (std::size_t c = 0; c < table.Rows[r].size() && c < table.Headings.size(); ++c)
            grid.SetTextMatrix(static_cast<int>(r) + 1, static_cast<int>(c), table.Rows[r][c].Text);
    return grid;
}

FlexGrid TitledTidyTableGrid(const TidyTable& table, const std::string& title) {
    const int columns = static_cast<int>(table.Headings.size());
    FlexGrid grid(static_cast<int>(table.Rows.size()) + 2, std::max(columns, 1));
    grid.SetFixedRows(1);
    grid.SetTextMatrix(0, 0, title);
    grid.SetRowStructure(0, {-1, RowRole::Title});
    grid.SetRowStructure(1, {0, RowRole::Heading});
    for (int c = 0; c < columns; ++c) grid.SetTextMatrix(1, c, table.Headings[static_cast<std::size_t>(c)]);
    for (int r = 0; r < 2; ++r)
        for (int c = 0; c < grid.Cols(); ++c)
            if (!grid.TextMatrix(r, c).empty()) BoldTheCell(grid, r, c);
    for (std::size_t r = 0; r < table.Rows.size(); ++r) {
        const int row = static_cast<int>(r) + 2;
        grid.SetRowStructure(row, {0, RowRole::Data});
        for (std::size_t c = 0; c < table.Rows[r].size() && c < table.Headings.size(); ++c)
            grid.SetTextMatrix(row, static_cast<int>(c), table.Rows[r][c].Text);
    }
    return grid;
}

}  // namespace quorvel
