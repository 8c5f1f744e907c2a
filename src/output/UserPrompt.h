#pragma once
#include <string>

namespace quorvel {

// What the program says to the user and asks of them: a message box with an OK button,
// or a Yes/No question, with the application's title. The desktop shows real boxes; the
// tests answer with a recorder.
class UserPrompt {
public:
    virtual ~UserPrompt() = default;
    virtual void ShowMessage(const std::string& text) = 0;
    virtual bool AskYesNo(const std::string& question) = 0;
};

}  // namespace quorvel
