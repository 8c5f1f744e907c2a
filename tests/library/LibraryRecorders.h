#pragma once
// Recorders standing in for the user and the status bar.

#include <deque>
#include <string>
#include <utility>
#include <vector>

#include "StatusBarText.h"
#include "YesNoCancelPrompt.h"

namespace quorvel::test {

class RecordingPrompt : public YesNoCancelPrompt {
public:
    void ShowMessage(const std::string& text) override { Messages.push_back(text); }
    bool AskYesNo(const std::string& question) override {
        Questions.push_back(question);
        return NextAnswer() == PromptAnswer::Yes;
    }
    PromptAnswer AskYesNoCancel(const std::string& question) override {
        Questions.push_back(question);
        return NextAnswer();
    }

    std::vector<std::string> Messages;
    std::vector<std::string> Questions;
    std::deque<PromptAnswer> Answers;

private:
    PromptAnswer NextAnswer() {
        if (Answers.empty()) return PromptAnswer::Cancel;
        const PromptAnswer answer = Answers.front();
        Answers.pop_front();
        return answer;
    }
};

class RecordingStatusBar : public StatusBarText {
public:
    explicit RecordingStatusBar(int panels = 2) : panels_(panels) {}
    int PanelCount() const override { return panels_; }
    void SetPanelText(int panel, const std::string& text) override { Texts.emplace_back(panel, text); }
    void Refresh() override { ++Refreshes; }

    // The texts of panel 1 in the order they were shown.
    std::vector<std::string> PanelOneTexts() const {
        std::vector<std::string> texts;
        for (const auto& [panel, text] : Texts)
            if (panel == 1) texts.push_back(text);
        return texts;
    }

    std::vector<std::pair<int, std::string>> Texts;
    int Refreshes = 0;

private:
    int panels_;
};

}  // namespace quorvel::test
