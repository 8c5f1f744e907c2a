#pragma once
#include <string>

namespace quorvel {

// A status bar as the utility operations report progress on it: numbered panels from 1
// whose texts can be set and shown at once. The desktop wraps its own status bar; the
// tests record the texts.
class StatusBarText {
public:
    virtual ~StatusBarText() = default;
    virtual int PanelCount() const = 0;
    virtual void SetPanelText(int panel, const std::string& text) = 0;
    // Repaints the bar now, so that progress shows while the caller is still busy.
    virtual void Refresh() = 0;
};

}  // namespace quorvel
