#pragma once
#include <string>

#include "UserPrompt.h"

namespace quorvel {

enum class PromptAnswer { Yes, No, Cancel };

// The user prompt with a third answer, for the one question that offers Cancel beside
// Yes and No.
class YesNoCancelPrompt : public UserPrompt {
public:
    virtual PromptAnswer AskYesNoCancel(const std::string& question) = 0;
};

}  // namespace quorvel
