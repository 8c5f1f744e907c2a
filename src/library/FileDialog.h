#pragma once
#include <optional>
#include <string>

namespace quorvel {

// The common Open/Save file dialog. The filter is in the form "Text (*.txt)|*.txt|All
// (*.*)|*.*|" and filterIndex (from 1) picks the pair shown first. No value means the
// user cancelled; a failure of the dialog is an exception.
class FileDialog {
public:
    virtual ~FileDialog() = default;
    virtual std::optional<std::string> ShowOpen(const std::string& fileName, const std::string& filter,
                                                int filterIndex) = 0;
    virtual std::optional<std::string> ShowSave(const std::string& fileName, const std::string& filter,
                                                int filterIndex) = 0;
};

}  // namespace quorvel
