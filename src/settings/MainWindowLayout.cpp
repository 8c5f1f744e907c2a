#include "MainWindowLayout.h"

#include <algorithm>

namespace quorvel {

MainWindowLayout PlaceMainWindowParts(const MainWindowSizes& sizes) {
    MainWindowLayout layout;
    const auto selectionHeight = [&sizes](int rows) {
        return std::max(sizes.SelectionLeastHeight, sizes.SelectionHeight + rows * sizes.ListRowHeight);
    };
    const int grid = sizes.GridFrame + LeastGridRows * sizes.GridRowHeight;

    // The grid's rows come first, then the list's.
    layout.ListRows = WantedListRows;
    while (layout.ListRows > LeastListRows && selectionHeight(layout.ListRows) + grid > sizes.Height) --layout.ListRows;
    layout.SelectionHeight = selectionHeight(layout.ListRows);

    const int besideWidth = sizes.Width - std::max(sizes.SelectionWidth, sizes.TableWidth) - sizes.DockFrame;
    const int belowHeight = sizes.Height - layout.SelectionHeight - grid - sizes.DockFrame;
    if (besideWidth >= sizes.ChartWidth && sizes.Height >= sizes.ChartHeight) {
        layout.Chart = ChartPlace::Beside;
        layout.ChartSize = besideWidth;
    } else if (belowHeight >= sizes.ChartHeight && sizes.Width >= sizes.ChartWidth) {
        layout.Chart = ChartPlace::Below;
        layout.ChartSize = sizes.ChartHeight;
    }
    return layout;
}

}  // namespace quorvel
