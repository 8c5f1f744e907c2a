#pragma once
// How the main window shares its room between the nuclide list, the result grid and the chart
// pane: the grid keeps enough rows to read a table, the list enough to choose from, and the
// chart goes beside the grid, below it, or stays hidden where it would not read whole.

namespace quorvel {

enum class ChartPlace { Beside, Below, Hidden };

// Pixels, as the window measures them.
struct MainWindowSizes {
    // The room of the selection area, the grid and the chart: the window's inside without its
    // menu bar, toolbar and status bar.
    int Width = 0;
    int Height = 0;
    int SelectionWidth = 0;        // the least width of the selection area
    int SelectionHeight = 0;       // the selection area with a nuclide list of no rows
    int SelectionLeastHeight = 0;  // the options beside the list need this much whatever its rows
    int ListRowHeight = 0;
    int TableWidth = 0;  // the table's columns as the grid shows them, with its margin, frame and scroll bar
    int GridRowHeight = 0;
    int GridFrame = 0;  // the grid's frame and horizontal scroll bar
    // The least size at which the chart pane shows its axes, labels and legend whole.
    int ChartWidth = 0;
    int ChartHeight = 0;
    int DockFrame = 0;  // the pane's title bar and the separator between it and the grid
};

struct MainWindowLayout {
    ChartPlace Chart = ChartPlace::Hidden;
    int ListRows = 0;
    int SelectionHeight = 0;  // the selection area's part of the height, the list's rows included
    int ChartSize = 0;        // the pane's width beside the grid, its height below it; 0 hidden
};

// The grid shows at least this many rows wherever the chart goes; the list shows this many
// where the grid leaves room for them, and never fewer than LeastListRows.
inline constexpr int LeastGridRows = 15;
inline constexpr int WantedListRows = 8;
inline constexpr int LeastListRows = 3;

// Beside the grid when the table and the selection area keep their width and the chart its
// own; else below when the grid keeps its rows and the chart its height; else hidden. Beside,
// the chart takes the width the table leaves; below, its least height, the grid the rest.
MainWindowLayout PlaceMainWindowParts(const MainWindowSizes& sizes);

}  // namespace quorvel
