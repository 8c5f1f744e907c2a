#pragma once
// The command-line viewer run in the test process, for the tests of the viewer and of
// hostile input.

#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>
#include <iomanip>
#include <sstream>
#include <string>
#include <vector>

#include "CommandLineViewer.h"
#include "Database.h"
#include "FieldValue.h"

namespace quorvel::test {

struct ViewerRun {
    int Code = -1;
    std::string Out;
    std::string Err;
};

// A run opens its database once at most, whatever it draws or adds up.
inline ViewerRun RunViewer(const std::vector<std::string>& arguments,
                           const std::string& applicationDirectory = "/nonexistent",
                           const CommandLineBackends& backends = {}) {
    std::vector<const char*> argv = {"quorvel-cli"};
    for (const auto& argument : arguments) argv.push_back(argument.c_str());
    std::ostringstream out;
    std::ostringstream err;
    const long long openings = DatabaseOpenings();
    const int code =
        RunCommandLineViewer(static_cast<int>(argv.size()), argv.data(), applicationDirectory, out, err, backends);
    EXPECT_LE(DatabaseOpenings() - openings, 1) << "a second opening of the database";
    return {code, out.str(), err.str()};
}

// A failure message is one line on standard error and nothing on standard output.
inline void ExpectOneLineFailure(const ViewerRun& result, int code) {
    EXPECT_EQ(result.Code, code);
    EXPECT_EQ(result.Out, "");
    ASSERT_FALSE(result.Err.empty());
    EXPECT_EQ(result.Err.find('\n'), result.Err.size() - 1) << result.Err;
}

// The runs a file of tests/data/cli writes out, each checked. A run is "$" and its arguments
// ("..." around a word with blanks, {db} for the database, {dir} for the file's folder),
// "exit" and the code, then
// either the whole standard output, each line between bars so that trailing blanks show,
// or "error" and a piece of the one-line message, and "out" and a piece of the output a
// failed run still writes (the computed rows of a mixture). Without them only the code is
// checked. The program lies in applicationDirectory.
inline void ExpectRuns(const std::string& path, const std::string& database, const CommandLineBackends& backends = {},
                       const std::string& applicationDirectory = "/nonexistent") {
    struct Expected {
        std::vector<std::string> Arguments;
        int Code = 0, Line = 0;
        std::string Out, Error, OutPiece;
    };
    std::vector<Expected> runs;
    std::ifstream file(path);
    ASSERT_TRUE(file) << path;
    std::string line, word;
    for (int number = 1; std::getline(file, line); ++number) {
        std::istringstream words(line);
        if (!(words >> word) || word[0] == '#') continue;
        if (word == "$") runs.push_back({{}, 0, number, "", "", ""});
        ASSERT_FALSE(runs.empty()) << path << ":" << number;
        Expected& run = runs.back();
        if (word == "$") {
            while (words >> std::quoted(word)) {
                if (word.starts_with("{dir}"))
                    word = std::filesystem::path(path).parent_path().string() + word.substr(5);
                run.Arguments.push_back(word == "{db}" ? database : word);
            }
        } else if (word == "exit") {
            words >> run.Code;
        } else if (word == "error") {
            std::getline(words >> std::ws, run.Error);
        } else if (word == "out") {
            std::getline(words >> std::ws, run.OutPiece);
        } else if (line.size() > 1 && line.front() == '|' && line.back() == '|') {
            run.Out += line.substr(1, line.size() - 2) + '\n';
        } else {
            ADD_FAILURE() << path << ":" << number << ": " << line;
        }
    }
    for (const Expected& run : runs) {
        SCOPED_TRACE(path + ":" + std::to_string(run.Line));
        const ViewerRun result = RunViewer(run.Arguments, applicationDirectory, backends);
        if (run.Code != 0 && run.OutPiece.empty()) ExpectOneLineFailure(result, run.Code);
        EXPECT_EQ(result.Code, run.Code) << result.Err;
        EXPECT_NE(result.Err.find(run.Error), std::string::npos) << result.Err;
        EXPECT_NE(result.Out.find(run.OutPiece), std::string::npos) << result.Out;
        if (!run.Out.empty()) {
            EXPECT_EQ(result.Out, run.Out);
        }
    }
}

// Risk site k of a fixture: the site "Site k" and ten coefficients k.0 to k.9 times 10^-12.
inline std::vector<FieldValue> RiskRow(int k) {
    std::vector<FieldValue> row{FieldValue("Site " + std::to_string(k))};
    for (int j = 0; j < 10; ++j) row.emplace_back((k + 0.1 * j) * 1e-12);
    return row;
}

}  // namespace quorvel::test
