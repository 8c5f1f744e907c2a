#pragma once

namespace quorvel {

// Sizes and positions in twips.
struct FormSize {
    double Width = 0;
    double Height = 0;
};

struct FormPosition {
    double Left = 0;
    double Top = 0;
    friend bool operator==(const FormPosition&, const FormPosition&) = default;
};

// A window in the middle of the screen; one larger than the screen goes to its top or
// left edge, never above or left of it.
FormPosition CenterTheForm(const FormSize& screen, const FormSize& window);

}  // namespace quorvel
