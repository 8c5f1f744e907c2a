#pragma once
// A grid written out as text, so that whole tables can be compared with layouts
// spelled out in the tests: one line per row, cells joined by '|', a bold cell
// marked with a leading '*'.

#include <string>

#include "FlexGrid.h"

namespace quorvel::test {

std::string DescribeGrid(const FlexGrid& grid);

}  // namespace quorvel::test
