#pragma once
// The clipboard copy's writer on the application's QClipboard (plain text, or an image).

#include "GridCopyPaste.h"

namespace quorvel {

class QtClipboardWriter : public ClipboardWriter {
public:
    void Clear() override;
    void SetText(const std::string& text) override;
    void SetPicture(const std::string& png) override;
};

}  // namespace quorvel
