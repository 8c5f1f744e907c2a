#pragma once
// Grids, files and commands that the output tests share; the recording prompt is in tests/support.

#include <cstdio>
#include <memory>
#include <string>
#include <vector>

#include "FlexGrid.h"
#include "Recorders.h"

namespace quorvel::testing {

// A grid holding the given rows of texts; every row has as many cells as the first.
inline FlexGrid GridOf(const std::vector<std::vector<std::string>>& rows) {
    FlexGrid grid(static_cast<int>(rows.size()), rows.empty() ? 0 : static_cast<int>(rows.front().size()));
    for (std::size_t r = 0; r < rows.size(); ++r)
        for (std::size_t c = 0; c < rows[r].size(); ++c)
            grid.SetTextMatrix(static_cast<int>(r), static_cast<int>(c), rows[r][c]);
    return grid;
}

// Every cell holds its own name, "r<row>c<col>".
inline FlexGrid NamedCells(int rows, int cols) {
    FlexGrid grid(rows, cols);
    for (int r = 0; r < rows; ++r)
        for (int c = 0; c < cols; ++c) grid.SetTextMatrix(r, c, "r" + std::to_string(r) + "c" + std::to_string(c));
    return grid;
}

// What a shell command writes to its standard output.
inline std::string RunCommand(const std::string& command) {
    std::string output;
    std::unique_ptr<FILE, int (*)(FILE*)> pipe(popen(command.c_str(), "r"), pclose);
    if (!pipe) return output;
    char buffer[4096];
    for (std::size_t n; (n = fread(buffer, 1, sizeof buffer, pipe.get())) > 0;) output.append(buffer, n);
    return output;
}

}  // namespace quorvel::testing
