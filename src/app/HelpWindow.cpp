#include "HelpWindow.h"

#include <QTextBrowser>
#include <QToolBar>
#include <QUrl>
#include <QVBoxLayout>
#include <cerrno>
#include <cstring>
#include <filesystem>
#include <fstream>

#include "ToolWidgets.h"

namespace quorvel {

namespace {

constexpr const char* HelpOnHelpText = R"(<h1>How to Use Help</h1>
<p>The documents of the <b>FGR-13 Documents</b> menu and <b>Help &gt; FGR13 Help</b> open in this
window. Each starts with its contents: click a topic to go to it.</p>
<ul>
<li><b>Back</b> and <b>Forward</b> on the window's toolbar (or Alt+Left and Alt+Right) go through
the topics you have seen; <b>Home</b> goes back to the start of the document.</li>
<li>Links to another document open it in this window.</li>
<li>Ctrl+C copies selected text; the mouse wheel, Page Up and Page Down scroll.</li>
<li>Choosing another document from the menus replaces this one; the window stays open beside the
viewer until you close it or leave the program.</li>
</ul>
<p>The documents are HTML files beside the program (FGR13.hlp, Biokinet.hlp, Dose.hlp, Risk.hlp,
Archive.hlp, Glossary.hlp, HOWTo.hlp); any web browser can show them too.</p>)";

}  // namespace

HelpWindow::HelpWindow(QWidget* parent) : QWidget(parent, Qt::Window), browser_(new QTextBrowser(this)) {
    setObjectName("HelpWindow");
    setWindowTitle("Help");
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    auto* tools = new QToolBar(this);
    tools->addAction("Back", browser_, &QTextBrowser::backward);
    tools->addAction("Forward", browser_, &QTextBrowser::forward);
    tools->addAction("Home", browser_, &QTextBrowser::home);
    layout->addWidget(tools);
    browser_->setOpenLinks(true);
    browser_->setOpenExternalLinks(true);
    layout->addWidget(browser_);
    connect(browser_, &QTextBrowser::sourceChanged, this,
            [this] { setWindowTitle(browser_->documentTitle().isEmpty() ? "Help" : browser_->documentTitle()); });
    ResizeWithinScreen(*this, {760, 640});
}

void HelpWindow::ShowHelpFile(const std::string& path) {
    browser_->setSource(QUrl::fromLocalFile(QString::fromStdString(path)), QTextDocument::HtmlResource);
    browser_->scrollToAnchor("contents");
}

void HelpWindow::ShowHelpOnHelp() {
    browser_->setHtml(HelpOnHelpText);
    setWindowTitle("How to Use Help");
}

std::string HelpFileProblem(const std::string& path) {
    std::error_code error;
    if (std::filesystem::is_directory(path, error)) return "Is a directory";
    errno = 0;
    std::ifstream file(path, std::ios::binary);
    if (!file) return errno != 0 ? std::strerror(errno) : "File not found";
    return {};
}

std::string HelpFileMessage(const std::string& cause, const std::string& fileName,
                            const std::string& applicationDirectory) {
    return "An error (" + cause + ") occured accessing the help file (" + fileName +
           ").  Make sure that the file exists and is in the application directory (" + applicationDirectory + ").";
}

}  // namespace quorvel
