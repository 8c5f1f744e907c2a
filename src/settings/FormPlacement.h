#pragma once

namespace quorvel {

// Sizes and positions in twips.
struct FormSize {
    double Width = 0;
    double Height = 0;
};

struct FormPlacement {
    double Left = 0;
    double Top = 0;
    friend bool operator==(const FormPlacement&, const FormPlacement&) = default;
};

// A window in the middle of the screen: top = the larger of (screen height - window
// height) / 2 and 0, left likewise. One larger than the screen goes to its top or left
// edge, never above or left of it.
FormPlacement CentredFormPlacement(const FormSize& screen, const FormSize& window);

}  // namespace quorvel
