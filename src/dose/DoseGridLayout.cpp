#include "DoseGridLayout.h"

#include <exception>

#include "GridConventions.h"

namespace quorvel {

namespace {

// The descriptor and value columns are written cell by cell; a cell that cannot be
// written is left as it is and the rest of the column still goes in.
template <typename Statement>
void IgnoringFailure(Statement statement) {
    try {
        statement();
    } catch (const std::exception&) {}
}

void PrepareColumn(FlexGrid& grid, int startRow, int upperBound, int col) {
    IgnoringFailure([&] {
        if (startRow + upperBound >= grid.Rows()) grid.SetRows(startRow + upperBound + 1);
    });
    IgnoringFailure([&] {
        if (col > grid.Cols() - 1) grid.SetCols(col + 1);
    });
    IgnoringFailure([&] { grid.SetColAlignment(0, AlignLeftTop); });
}

}  // namespace

void SetupHeaderInformation(FlexGrid& grid, int row, const std::string& title, const std::string& headerText,
                            const std::string& unitLabel, const std::string& subtitleText) {
    if (row + 5 > grid.Rows() - 1) grid.SetRows(row + 5);
    grid.SetTextMatrix(row, 0, title);
    grid.SetTextMatrix(row + 1, 0, headerText);
    grid.SetTextMatrix(row + 2, 0, "Units = " + unitLabel);
    grid.SetTextMatrix(row + 3, 0, subtitleText);
    for (int r = row; r <= row + 4; ++r) BoldTheCell(grid, r, 0);
}

void SetupExternalHeaderInformation(FlexGrid& grid, int row, const std::string& title, const std::string& headerText,
                                    const std::string& unitLabel) {
    if (row + 3 > grid.Rows() - 1) grid.SetRows(row + 3);
    if (grid.Cols() < 2) grid.SetCols(2);
    grid.SetTextMatrix(row, 0, title);
    grid.SetTextMatrix(row + 1, 0, headerText);
    grid.SetTextMatrix(row + 2, 0, "Units = " + unitLabel);
    grid.SetTextMatrix(row + 2, 1, "Adult");
    BoldTheCell(grid, row, 0);
    BoldTheCell(grid, row + 1, 0);
    BoldTheCell(grid, row + 2, 0);
    BoldTheCell(grid, row + 2, 1);
}

void SetupCoefficientDescriptorsInAnMSFlexGrid(FlexGrid& grid, const DescriptorList& descriptors, int startRow, int col,
                                               FirstRowStyle style) {
    const int n = static_cast<int>(descriptors.size()) - 1;
    if (n < 1) return;
    PrepareColumn(grid, startRow, n, col);
    IgnoringFailure([&] { grid.SetTextMatrix(startRow, col, "Description"); });
    if (style == FirstRowStyle::Bold) IgnoringFailure([&] { BoldTheCell(grid, startRow + 1, col); });
    IgnoringFailure([&] { BoldTheCell(grid, startRow, col); });
    for (int i = 1; i <= n; ++i)
        IgnoringFailure([&] { grid.SetTextMatrix(startRow + i, col, descriptors[static_cast<std::size_t>(i)]); });
}

void PlaceCoefficientsInAnMSFlexGrid(FlexGrid& grid, const std::string& heading, const CoefficientTexts& coefficients,
                                     int startRow, int col, FirstRowStyle style) {
    const int n = static_cast<int>(coefficients.size()) - 1;
    if (n < 1) return;
    PrepareColumn(grid, startRow, n, col);
    IgnoringFailure([&] { grid.SetTextMatrix(startRow, col, heading); });
    IgnoringFailure([&] { BoldTheCell(grid, startRow, col); });
    for (int i = 1; i <= n; ++i) {
        if (i == 1 && style == FirstRowStyle::Bold) IgnoringFailure([&] { BoldTheCell(grid, startRow + 1, col); });
        IgnoringFailure([&] { grid.SetTextMatrix(startRow + i, col, coefficients[static_cast<std::size_t>(i)]); });
    }
}

}  // namespace quorvel
