#pragma once
// The help window: shows one of the help documents beside the program, opened at its
// contents topic, and explains itself for "How to Use Help".

#include <QWidget>
#include <string>

class QTextBrowser;

namespace quorvel {

class HelpWindow : public QWidget {
    Q_OBJECT
public:
    explicit HelpWindow(QWidget* parent = nullptr);

    // Shows the document (HTML) from its top, where its contents stand.
    void ShowHelpFile(const std::string& path);
    // Shows how to use this window.
    void ShowHelpOnHelp();
    QTextBrowser* Browser() const { return browser_; }

private:
    QTextBrowser* browser_;
};

// Why a help document cannot be shown ("" when it can): the system's description.
std::string HelpFileProblem(const std::string& path);

// "An error (cause) occured accessing the help file (name).  Make sure that the file
// exists and is in the application directory (directory)."
std::string HelpFileMessage(const std::string& cause, const std::string& fileName,
                            const std::string& applicationDirectory);

}  // namespace quorvel
