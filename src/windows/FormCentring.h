#pragma once
// Placing a window in the middle of its screen, never above or left of the screen's edge.

class QWidget;

namespace quorvel {

struct FormPosition {
    double Left = 0;
    double Top = 0;
    friend bool operator==(const FormPosition&, const FormPosition&) = default;
};

// Top = the larger of (screen height - window height) / 2 and 0; left likewise.
FormPosition CentredFormPosition(double screenWidth, double screenHeight, double formWidth, double formHeight);

// Moves the window to the centre of the screen it is on (or the primary screen).
void CenterTheForm(QWidget& form);

}  // namespace quorvel
