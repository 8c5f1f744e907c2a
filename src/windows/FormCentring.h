#pragma once
// Placing a window in the middle of its screen, never above or left of the screen's edge.

class QWidget;

namespace quorvel {

// Moves the window to the centre of the screen it is on (or the primary screen).
void CenterTheForm(QWidget& form);

}  // namespace quorvel
