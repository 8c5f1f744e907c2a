#pragma once
// Grid conventions that every coefficient table shares.

#include "FlexGrid.h"

namespace quorvel {

inline constexpr int DescriptorColumnWidth = 3000;
inline constexpr const char* NoneAvailableText = "(None Available)";

// A table that matches its options is white; one that no longer does is grey, and the
// button that updates it says so.
inline constexpr RgbColour CurrentTableColour{255, 255, 255};
inline constexpr RgbColour StaleTableColour{220, 220, 220};
inline constexpr const char* CurrentTableCaption = "Updated";
inline constexpr const char* StaleTableCaption = "Press to Update";

// Makes one cell bold and leaves the current cell where it was.
void BoldTheCell(FlexGrid& grid, int row, int col);

// The grid of a lookup that found nothing: 2 rows, 1 column, "(None Available)" in row 1.
void SetEmptyResultGrid(FlexGrid& grid);
bool IsEmptyResultGrid(const FlexGrid& grid);

}  // namespace quorvel
