// The command line's --chart through the Qt backends the program itself uses.
#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>
#include <memory>

#include "BuildBackends.h"
#include "FilePermissionsApply.h"
#include "FixtureDatabase.h"
#include "ViewerRun.h"

namespace quorvel {
namespace {

class ChartCommandLineTest : public ::testing::Test {
protected:
    // One application for the whole run, as the program has.
    static void SetUpTestSuite() { backends_ = std::make_unique<CommandLineBackends>(BuildBackends()); }
    static void TearDownTestSuite() { backends_.reset(); }

    test::ViewerRun Run(std::vector<std::string> arguments) {
        // A subcommand takes the database among its own options.
        const bool subcommand =
            arguments.front() == "rank" || arguments.front() == "compare" || arguments.front() == "intake";
        arguments.insert(arguments.begin() + (subcommand ? 1 : 0), {"--database", QUORVEL_SHIPPED_DATABASE});
        return test::RunViewer(arguments, "/nonexistent", *backends_);
    }
    std::string In(const std::string& name) const { return (folder_.Path() / name).string(); }

    static std::unique_ptr<CommandLineBackends> backends_;
    test::TemporaryFolder folder_;
};

std::unique_ptr<CommandLineBackends> ChartCommandLineTest::backends_;

// Each run opens its database once (RunViewer), its +D values and chart included.
TEST_F(ChartCommandLineTest, TableRankAndCompareWriteTheirCharts) {
    const auto table = Run({"--nuclide", "Cs-137", "--type", "risk", "--with-progeny", "--chart", In("table.svg"),
                            "--chart-kind", "sites"});
    EXPECT_EQ(table.Code, 0) << table.Err;
    EXPECT_NE(table.Out.find("Cs-137"), std::string::npos);  // the table is printed as well
    EXPECT_NE(test::ReadBytes(In("table.svg")).find("Cancer site"), std::string::npos);

    EXPECT_EQ(Run({"rank", "--top", "5", "--chart", In("rank.png")}).Code, 0);
    EXPECT_GT(std::filesystem::file_size(In("rank.png")), 0u);
    EXPECT_EQ(Run({"compare", "--chart", In("compare.pdf"), "--nuclide", "Cs-137", "Sr-90"}).Code, 0);
    EXPECT_EQ(test::ReadBytes(In("compare.pdf")).substr(0, 5), "%PDF-");
}

TEST_F(ChartCommandLineTest, ABadChartFileOrChoiceIsOneLineAndExitTwo) {
    test::ExpectOneLineFailure(Run({"--nuclide", "Sr-90", "--chart", In("chart.gif")}), ExitBadUsage);
    test::ExpectOneLineFailure(Run({"rank", "--chart", In("rank.bmp")}), ExitBadUsage);
    const auto kind = Run({"--nuclide", "Sr-90", "--chart", In("chart.png"), "--chart-kind", "sites"});
    test::ExpectOneLineFailure(kind, ExitBadUsage);
    EXPECT_NE(kind.Err.find("by-age"), std::string::npos) << kind.Err;
    test::ExpectOneLineFailure(Run({"--nuclide", "Sr-90", "--chart-kind", "organs"}), ExitBadUsage);
    // Without the Qt backends, as the build without Qt has none: tests/data/cli/viewer.txt.
}

// A file that cannot be written, of any format, is exit 2 with the system's reason in the
// one line, and nothing of Qt's on the process's standard error: a folder that does not
// exist, and a read-only file in a read-only folder as any user meets it.
TEST_F(ChartCommandLineTest, AnUnwritableFileOfAnyFormatIsExitTwoWithTheSystemsReason) {
    const std::filesystem::path locked = folder_.Path() / "locked";
    std::filesystem::create_directory(locked);
    for (const char* name : {"table.pdf", "chart.png", "rank.csv", "rank.xlsx", "dose.json"}) {
        std::ofstream(locked / name) << "kept";
        std::filesystem::permissions(locked / name, std::filesystem::perms::owner_read);
    }
    std::filesystem::permissions(locked, std::filesystem::perms::owner_read | std::filesystem::perms::owner_exec);
    for (const auto& [folder, reason] :
         {std::pair{folder_.Path() / "missing", "No such file or directory"}, std::pair{locked, "Permission denied"}}) {
        const auto in = [&folder](const char* name) { return (folder / name).string(); };
        const std::vector<std::vector<std::string>> runs = {
            {"--nuclide", "Cs-137", "--format", "pdf", "--output", in("table.pdf")},
            {"--nuclide", "Cs-137", "--chart", in("chart.png")},
            {"rank", "--format", "csv", "--output", in("rank.csv")},
            {"rank", "--format", "xlsx", "--output", in("rank.xlsx")},
            {"intake", "--row", "Cs-137,ingestion,,,Adult,1,Bq", "--format", "json", "--output", in("dose.json")}};
        for (const auto& arguments : runs) {
            SCOPED_TRACE(arguments.back());
            const test::FilePermissionsApply asAnyUser;
            testing::internal::CaptureStderr();
            const auto result = Run(arguments);
            EXPECT_EQ(testing::internal::GetCapturedStderr(), "") << "no library's message";
            test::ExpectOneLineFailure(result, ExitBadUsage);
            EXPECT_NE(result.Err.find(reason), std::string::npos) << result.Err;
        }
    }
    for (const auto& entry : std::filesystem::directory_iterator(locked)) EXPECT_EQ(test::ReadBytes(entry), "kept");
    std::filesystem::permissions(locked, std::filesystem::perms::owner_all);
}

}  // namespace
}  // namespace quorvel
