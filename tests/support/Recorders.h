#pragma once
// Stand-ins for the user and the desktop that every test folder shares: each records what
// the program asks of it and answers as the test says.

#include <deque>
#include <optional>
#include <stdexcept>
#include <string>
#include <utility>
#include <vector>

#include "BusyPointer.h"
#include "GridCopyPaste.h"
#include "SpreadsheetExport.h"
#include "YesNoCancelPrompt.h"

namespace quorvel::test {

// Messages and questions apart; questions take the queued answers, then DefaultAnswer.
class RecordingPrompt : public YesNoCancelPrompt {
public:
    void ShowMessage(const std::string& text) override { Messages.push_back(text); }
    bool AskYesNo(const std::string& question) override { return AskYesNoCancel(question) == PromptAnswer::Yes; }
    PromptAnswer AskYesNoCancel(const std::string& question) override {
        Questions.push_back(question);
        if (Answers.empty()) return DefaultAnswer;
        const PromptAnswer answer = Answers.front();
        Answers.pop_front();
        return answer;
    }

    std::vector<std::string> Messages;
    std::vector<std::string> Questions;
    std::deque<PromptAnswer> Answers;
    PromptAnswer DefaultAnswer = PromptAnswer::Cancel;
};

// Events reads "busy normal " for one busy spell; Depth is how many are still shown.
class RecordingBusyPointer : public BusyPointer {
public:
    void ShowBusy() override {
        Events += "busy ";
        ++Depth;
        ++Shown;
    }
    void ShowNormal() override {
        Events += "normal ";
        --Depth;
    }
    std::string Events;
    int Depth = 0;
    int Shown = 0;
};

// Text or Picture is what the clipboard holds; Calls reads "clear", "text ...", "picture" in order.
class RecordingClipboard : public ClipboardWriter {
public:
    void Clear() override {
        Text.clear();
        Calls.push_back("clear");
    }
    void SetText(const std::string& text) override {
        if (RefuseText) throw std::runtime_error("the clipboard is held by another program");
        Text = text;
        Calls.push_back("text " + text);
    }
    void SetPicture(const std::string& png) override {
        Picture = png;
        Calls.push_back("picture");
    }
    std::string Text;
    std::string Picture;  // the bytes of a PNG file
    std::vector<std::string> Calls;
    bool RefuseText = false;
};

class RecordingOpener : public DocumentOpener {
public:
    void Open(const std::string& path) override {
        if (Fail) throw std::runtime_error("no spreadsheet program found");
        Opened.push_back(path);
    }
    std::vector<std::string> Opened;
    bool Fail = false;
};

}  // namespace quorvel::test
