#pragma once
#include <string>

#include "FlexGrid.h"

namespace quorvel {

// The grid as aligned columns for a terminal: each column as wide as its widest cell,
// two blanks between columns, no blanks at line ends, LF line ends.
std::string FormatGridAsAlignedText(const FlexGrid& grid);

}  // namespace quorvel
