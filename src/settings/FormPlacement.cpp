#include "FormPlacement.h"

#include <algorithm>

namespace quorvel {

FormPlacement CentredFormPlacement(const FormSize& screen, const FormSize& window) {
    FormPlacement placement;
    placement.Top = std::max((screen.Height - window.Height) / 2, 0.0);
    placement.Left = std::max((screen.Width - window.Width) / 2, 0.0);
    return placement;
}

}  // namespace quorvel
