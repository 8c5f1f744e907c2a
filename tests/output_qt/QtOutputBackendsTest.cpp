// The Qt backends of the outputs: the printer surface drawing a real PDF, the program's
// PDF file with its footer, the clipboard and the detached opener of spreadsheet files.

#include <QBuffer>
#include <QClipboard>
#include <QGuiApplication>
#include <QImage>
#include <QPrinter>
#include <chrono>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>
#include <regex>
#include <stdexcept>
#include <string>
#include <thread>
#include <vector>

#include "DesktopDocumentOpener.h"
#include "FixtureDatabase.h"
#include "FlexGrid.h"
#include "GridPrintJobs.h"
#include "GridPrinting.h"
#include "OutputTestSupport.h"
#include "QtClipboardWriter.h"
#include "QtPrinterSurface.h"

namespace {

using quorvel::FlexGrid;
using quorvel::test::ReadBytes;
using quorvel::test::RecordingPrompt;
using quorvel::test::TemporaryFolder;
using quorvel::testing::RunCommand;
namespace fs = std::filesystem;

// A dose table: a title row and data rows with an organ name and two coefficients.
FlexGrid DoseTable(int dataRows) {
    FlexGrid grid(dataRows + 1, 3);
    grid.SetFixedRows(1);
    grid.SetColWidth(0, 2400);
    grid.SetColWidth(1, 1200);
    grid.SetColWidth(2, 1200);
    grid.SetTextMatrix(0, 0, "Organ");
    grid.SetTextMatrix(0, 1, "Adult");
    grid.SetTextMatrix(0, 2, "Infant");
    for (int r = 1; r <= dataRows; ++r) {
        grid.SetTextMatrix(r, 0, "Organ" + std::to_string(r));
        grid.SetTextMatrix(r, 1, "1.2" + std::to_string(r % 10) + "E-09");
    }
    return grid;
}

TEST(PdfPrintingTest, LandscapeA4TableOfFiftyRowsGivesTwoPagesWithTheirRowsAndTheFooter) {
    if (std::system("pdftotext -v >/dev/null 2>&1") != 0) GTEST_SKIP() << "poppler-utils is not installed";
    TemporaryFolder folder;
    const std::string file = (folder.Path() / "table.pdf").string();
    const auto pageText = [&file](int page) {
        const std::string number = std::to_string(page);
        return RunCommand("pdftotext -layout -f " + number + " -l " + number + " '" + file + "' -");
    };
    FlexGrid grid = DoseTable(50);
    grid.SetTextMatrix(0, 0, "Inhalation Dose Table");  // no "ffi", which the PDF draws as one glyph
    RecordingPrompt prompt;
    ASSERT_TRUE(
        quorvel::PrintGridToPdfFile(grid, {quorvel::LandscapePaperStyle, quorvel::PaperSize::A4}, file, prompt));
    EXPECT_TRUE(prompt.Messages.empty());
    const std::string info = RunCommand("pdfinfo '" + file + "'");
    EXPECT_NE(info.find("Pages:           2"), std::string::npos) << info;
    std::smatch size;
    ASSERT_TRUE(std::regex_search(info, size, std::regex("Page size: +([0-9.]+) x ([0-9.]+)"))) << info;
    EXPECT_GT(std::stod(size[1]), std::stod(size[2])) << "the page on its side";
    EXPECT_NE(info.find("(A4)"), std::string::npos) << info;
    const std::string first = pageText(1);
    EXPECT_TRUE(std::regex_search(first, std::regex("Inhalation Dose Table +Adult +Infant"))) << first;
    EXPECT_TRUE(std::regex_search(first, std::regex("Organ1 +1\\.21E-09"))) << first;
    const std::string second = pageText(2);  // where the rows go is the printing rules' test
    EXPECT_EQ(second.find("Adult"), std::string::npos) << second;
    EXPECT_TRUE(std::regex_search(second, std::regex("Organ31 +1\\.21E-09"))) << second;
    for (int page = 1; page <= 2; ++page)
        EXPECT_TRUE(std::regex_search(pageText(page), std::regex("Inhalation Dose Table.*" + quorvel::TodaysDate() +
                                                                 " +Page " + std::to_string(page) + " of 2")))
            << pageText(page);
}

TEST(UnwritablePdfTest, PrinterThatCannotStartIsAnError) {
    QPrinter printer(QPrinter::HighResolution);
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName("/nonexistent-folder/table.pdf");
    quorvel::QtPrinterSurface surface(printer);
    RecordingPrompt prompt;
    try {
        quorvel::WriteGridResultsToPrinter(DoseTable(2), 2, surface, prompt);
        FAIL() << "no error";
    } catch (const std::runtime_error& error) {
        EXPECT_EQ(std::string(error.what()),
                  "the PDF file /nonexistent-folder/table.pdf could not start a document: No such file or directory");
    }
}

// ---------------------------------------------------------------------------------------
// Clipboard

TEST(QtClipboardWriterTest, PutsAPngPictureOnTheClipboardAsAnImage) {
    QImage picture(30, 20, QImage::Format_RGB32);
    picture.fill(Qt::red);
    QByteArray png;
    QBuffer buffer(&png);
    buffer.open(QIODevice::WriteOnly);
    picture.save(&buffer, "PNG");
    quorvel::QtClipboardWriter writer;
    writer.SetPicture(png.toStdString());
    const QImage copied = QGuiApplication::clipboard()->image();
    EXPECT_EQ(copied.size(), picture.size());
    EXPECT_EQ(copied.pixelColor(5, 5), QColor(Qt::red));
    EXPECT_THROW(writer.SetPicture("not a picture"), std::runtime_error);
}

// ---------------------------------------------------------------------------------------
// Opening a spreadsheet file

class DocumentOpenerTest : public ::testing::Test {
protected:
    void SetUp() override {
        fs::create_directories(folder_.Path() / "bin");
        savedPath_ = std::getenv("PATH") != nullptr ? std::getenv("PATH") : "";
        setenv("PATH", (folder_.Path() / "bin").c_str(), 1);
    }
    void TearDown() override { setenv("PATH", savedPath_.c_str(), 1); }
    // A stand-in program that writes its arguments, one a line, to <name>.args.
    void FakeProgram(const std::string& name) {
        const fs::path program = folder_.Path() / "bin" / name;
        const std::string args = (folder_.Path() / (name + ".args")).string();
        std::ofstream(program) << "#!/bin/sh\nfor a in \"$@\"; do printf '%s\\n' \"$a\"; done > '" << args
                               << ".tmp'\n/bin/mv '" << args << ".tmp' '" << args << "'\n";
        fs::permissions(program, fs::perms::owner_all);
    }
    std::string ArgumentsOf(const std::string& name) {
        const fs::path file = folder_.Path() / (name + ".args");
        for (int i = 0; i < 100 && !fs::exists(file); ++i) std::this_thread::sleep_for(std::chrono::milliseconds(50));
        return ReadBytes(file);
    }

    TemporaryFolder folder_;
    std::string savedPath_;
};

TEST_F(DocumentOpenerTest, LibreOfficeOpensTheFileAsANewWorkbookWithoutAShellAndNoProgramIsAnError) {
    quorvel::DesktopDocumentOpener opener;
    try {
        opener.Open("/tmp/Coefficients.xlsx");
        FAIL() << "no error";
    } catch (const std::runtime_error& error) {
        EXPECT_EQ(std::string(error.what()),
                  "no program to open /tmp/Coefficients.xlsx was found: neither libreoffice, localc, soffice nor "
                  "xdg-open is on the PATH");
    }
    FakeProgram("soffice");
    FakeProgram("xdg-open");
    opener.Open("/tmp/a folder/it's; $(rm -rf x).xlsx");
    EXPECT_EQ(ArgumentsOf("soffice"), "-n\n/tmp/a folder/it's; $(rm -rf x).xlsx\n");
    EXPECT_FALSE(fs::exists(folder_.Path() / "xdg-open.args"));
}

}  // namespace
