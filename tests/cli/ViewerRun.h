#pragma once
// The command-line viewer run in the test process, for the tests of the viewer and of
// hostile input.

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <sstream>
#include <string>
#include <vector>

#include "CommandLineViewer.h"
#include "FieldValue.h"

namespace quorvel::test {

struct ViewerRun {
    int Code = -1;
    std::string Out;
    std::string Err;
};

inline ViewerRun RunViewer(const std::vector<std::string>& arguments,
                           const std::string& applicationDirectory = "/nonexistent") {
    std::vector<const char*> argv = {"quorvel-cli"};
    for (const auto& argument : arguments) argv.push_back(argument.c_str());
    std::ostringstream out;
    std::ostringstream err;
    const int code = RunCommandLineViewer(static_cast<int>(argv.size()), argv.data(), applicationDirectory, out, err);
    return {code, out.str(), err.str()};
}

// A failure message is one line on standard error and nothing on standard output.
inline void ExpectOneLineFailure(const ViewerRun& result, int code) {
    EXPECT_EQ(result.Code, code);
    EXPECT_EQ(result.Out, "");
    ASSERT_FALSE(result.Err.empty());
    EXPECT_EQ(result.Err.find('\n'), result.Err.size() - 1) << result.Err;
}

// Risk site k of a fixture: the site "Site k" and ten coefficients k.0 to k.9 times 10^-12.
inline std::vector<FieldValue> RiskRow(int k) {
    std::vector<FieldValue> row{FieldValue("Site " + std::to_string(k))};
    for (int j = 0; j < 10; ++j) row.emplace_back((k + 0.1 * j) * 1e-12);
    return row;
}

}  // namespace quorvel::test
