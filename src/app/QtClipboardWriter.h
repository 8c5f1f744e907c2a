#pragma once
// The clipboard copy's writer on the application's QClipboard (plain text).

#include "GridCopyPaste.h"

namespace quorvel {

class QtClipboardWriter : public ClipboardWriter {
public:
    void Clear() override;
    void SetText(const std::string& text) override;
};

}  // namespace quorvel
