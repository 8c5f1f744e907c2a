// The command line's --format pdf through the Qt backends the program itself uses, read
// page by page as text against tests/data/expected/printing/pages.txt.
#include <cstdlib>
#include <fstream>
#include <gtest/gtest.h>
#include <memory>
#include <sstream>

#include "BuildBackends.h"
#include "FixtureDatabase.h"
#include "OutputTestSupport.h"
#include "ViewerRun.h"

namespace quorvel {
namespace {

// A page's text with the ligatures the PDF draws as one glyph (ff, fi, ffi) spelled out.
std::string PageText(const std::string& file, int page) {
    const std::string number = std::to_string(page);
    std::string text = testing::RunCommand("pdftotext -layout -f " + number + " -l " + number + " '" + file + "' -");
    for (const auto& [glyph, letters] :
         {std::pair{"\xEF\xAC\x83", "ffi"}, {"\xEF\xAC\x80", "ff"}, {"\xEF\xAC\x81", "fi"}})
        for (std::size_t at; (at = text.find(glyph)) != std::string::npos;) text.replace(at, 3, letters);
    return text;
}

TEST(PrintedPagesTest, EachPageShowsTheHeadingsAndSourcesOfItsRows) {
    if (std::system("pdftotext -v >/dev/null 2>&1") != 0) GTEST_SKIP() << "poppler-utils is not installed";
    const CommandLineBackends backends = BuildBackends();
    test::TemporaryFolder folder;
    const std::string file = (folder.Path() / "table.pdf").string();
    std::ifstream expected(std::string(QUORVEL_EXPECTED_TABLES) + "/printing/pages.txt");
    std::string page, printout;
    std::size_t at = 0;
    int pages = 0;
    for (std::string line; std::getline(expected, line);) {
        if (line.empty() || line[0] == '#') continue;
        SCOPED_TRACE(printout + ", " + line);
        if (line.rfind("$ ", 0) == 0) {
            printout = line.substr(2);
            std::vector<std::string> arguments{"--database", QUORVEL_SHIPPED_DATABASE, "--format", "pdf", "--output",
                                               file};
            std::istringstream words(printout);
            for (std::string word; words >> word;) arguments.push_back(word);
            const test::ViewerRun run = test::RunViewer(arguments, "/nonexistent", backends);
            ASSERT_EQ(run.Code, 0) << run.Err;
            ++pages;
        } else if (line.rfind("page ", 0) == 0) {
            page = PageText(file, std::stoi(line.substr(5)));
            at = 0;
            EXPECT_NE(page.find("Page " + line.substr(5)), std::string::npos) << page;
        } else if (line.rfind("footer ", 0) == 0) {
            EXPECT_NE(page.find("| " + line.substr(7) + " |"), std::string::npos) << page;
        } else if (line.rfind("not ", 0) == 0) {
            EXPECT_EQ(page.find(line.substr(4)), std::string::npos) << page;
        } else {
            const std::size_t found = page.find(line, at);
            EXPECT_NE(found, std::string::npos) << "after offset " << at << " of\n" << page;
            if (found != std::string::npos) at = found + line.size();
        }
    }
    EXPECT_EQ(pages, 3) << "printouts run";
}

}  // namespace
}  // namespace quorvel
