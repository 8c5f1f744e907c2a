#pragma once
// Stand-ins for the desktop services: they record what the program asks of the user and
// the desktop, and answer as the test says.

#include <QPrinter>
#include <deque>
#include <map>
#include <optional>
#include <string>
#include <vector>

#include "BusyPointer.h"
#include "DatabaseCompaction.h"
#include "DesktopServices.h"

namespace quorvel::test {

class RecordingPrompt : public UserPrompt {
public:
    void ShowMessage(const std::string& text) override { Messages.push_back(text); }
    bool AskYesNo(const std::string& question) override {
        Messages.push_back(question);
        return true;
    }
    std::vector<std::string> Messages;
};

class CountingBusyPointer : public BusyPointer {
public:
    void ShowBusy() override { ++Depth, ++Shown; }
    void ShowNormal() override { --Depth; }
    int Depth = 0;
    int Shown = 0;
};

class RecordingEnd : public ProgramEnd {
public:
    void EndProcess(int exitCode) override { Codes.push_back(exitCode); }
    std::vector<int> Codes;
};

class RecordingClipboard : public ClipboardWriter {
public:
    void Clear() override { Text.clear(); }
    void SetText(const std::string& text) override { Text = text; }
    void SetPicture(const std::string& png) override { Picture = png; }
    std::string Text;
    std::string Picture;
};

class RecordingOpener : public DocumentOpener {
public:
    void Open(const std::string& path) override { Opened.push_back(path); }
    std::vector<std::string> Opened;
};

class AnsweringFileChooser : public FileChooser {
public:
    std::optional<std::string> ChooseSaveFile(const std::string& initialName, const std::string& filter) override {
        Asked.push_back(initialName + " " + filter);
        if (Answers.empty()) return std::nullopt;
        auto answer = Answers.front();
        Answers.pop_front();
        return answer;
    }
    std::deque<std::optional<std::string>> Answers;
    std::vector<std::string> Asked;
};

class FakePrinters : public PrinterChoice {
public:
    std::vector<std::string> PrinterNames() const override { return Names; }
    std::string CurrentPrinterName() const override { return Current; }
    void SelectPrinter(const std::string& name) override { Current = name; }
    std::vector<std::string> Names;
    std::string Current;
};

class FakeKeys : public KeyValueSource {
public:
    bool GetKeyValue(const std::string& root, const std::string& key, const std::string& value,
                     std::string& text) const override {
        Asked.push_back(root + "|" + key + "|" + value);
        const auto found = Values.find(key + "|" + value);
        text = found == Values.end() ? "" : found->second;
        return found != Values.end();
    }
    std::map<std::string, std::string> Values;
    mutable std::vector<std::string> Asked;
};

class RecordingStarter : public ProgramStarter {
public:
    bool StartDetached(const std::string& program) override {
        Started.push_back(program);
        return Starts;
    }
    std::vector<std::string> Started;
    bool Starts = true;
};

class RecordingStatus : public CompactionStatus {
public:
    void SetStatusText(const std::string& text) override { Texts.push_back(text); }
    std::vector<std::string> Texts;
};

// Every service at once, for a main window under test.
struct RecordingDesktop {
    RecordingPrompt Prompt;
    CountingBusyPointer Busy;
    RecordingEnd End;
    RecordingClipboard Clipboard;
    RecordingOpener Opener;
    AnsweringFileChooser Files;
    FakePrinters Printers;
    QPrinter Printer;
    FakeKeys Keys;
    RecordingStarter Starter;

    DesktopServices Services(const std::string& applicationDirectory) {
        return {applicationDirectory, Prompt, Busy, End, Clipboard, Opener, Files, Printers, Printer, Keys, Starter};
    }
};

}  // namespace quorvel::test
