#include <gtest/gtest.h>

#include <sys/socket.h>
#include <sys/un.h>
#include <unistd.h>

#include <cstring>
#include <filesystem>
#include <fstream>

#include "FixtureDatabase.h"
#include "Recorders.h"
#include "TalvorLibrary.h"

namespace quorvel {
namespace {

using test::RecordingPrompt;
using test::TemporaryFolder;

const char* const ReadGeneralMessage =
    "An error has occured in checking the selected csv file.  Please check the format of the file and file path "
    "and retry or make sure no other application is using it.";

std::string WriteGeneralMessage(const std::string& number) {
    return "An error (" + number +
           ") has occured in checking the selected file.  Please check the format of the file and file path and "
           "retry or make sure no other application is using it.";
}

// The situations a chosen name can be in, made in a folder of their own.
class FileNameCheck : public ::testing::Test {
protected:
    void SetUp() override {
        existing = (folder.Path() / "table.csv").string();
        std::ofstream(existing) << "\"Co-60\",1.23E-04\r\n";
        missing = (folder.Path() / "absent.csv").string();
        throughAFile = existing + "/inner.csv";
        aFolder = folder.Path().string();
        tooLong = (folder.Path() / std::string(300, 'x')).string();
        loop = (folder.Path() / "loop").string();
        std::filesystem::create_symlink("loop", loop);
        socketPath = (folder.Path() / "socket").string();
        socketFd = ::socket(AF_UNIX, SOCK_STREAM, 0);
        sockaddr_un address{};
        address.sun_family = AF_UNIX;
        std::strncpy(address.sun_path, socketPath.c_str(), sizeof address.sun_path - 1);
        ASSERT_EQ(::bind(socketFd, reinterpret_cast<sockaddr*>(&address), sizeof address), 0);
    }
    void TearDown() override { ::close(socketFd); }

    bool Check(const std::string& kind, const std::string& name, bool initial = false) {
        bool acceptable = initial;
        clsTalvorLibrary::CheckTheFileName(kind, name, acceptable, prompt);
        return acceptable;
    }

    TemporaryFolder folder;
    RecordingPrompt prompt;
    std::string existing, missing, throughAFile, aFolder, tooLong, loop, socketPath;
    int socketFd = -1;
};

// A file to read says why it cannot be read; a file to write, other than one that exists
// (which is replaced only after Yes), says so with the number of its failure.
TEST_F(FileNameCheck, ANameThatCannotServeIsExplained) {
    const std::string invalid = "The ascii file name you selected was invalid. Try again.";
    const std::string notFound = "The ascii file you selected was not found.";
    const std::string device = "Device is not available. Try again.";
    const std::vector<std::vector<std::string>> cases = {
        {"csv", "", invalid},          {"csv", tooLong, invalid},         {"csv", missing, notFound},
        {"csv", throughAFile, notFound}, {"csv", aFolder, notFound},        {"csv", socketPath, device},
        {"csv", loop, ReadGeneralMessage}, {"plv", throughAFile, WriteGeneralMessage("20")},
        {"plv", aFolder, WriteGeneralMessage("21")}, {"plv", loop, WriteGeneralMessage("40")},
        {"plv", socketPath, device},
    };
    for (const auto& c : cases) {
        prompt.Messages.clear();
        EXPECT_FALSE(Check(c[0], c[1], true)) << c[1];
        EXPECT_EQ(prompt.Messages, std::vector<std::string>{c[2]}) << c[0] << " " << c[1];
    }
    EXPECT_TRUE(prompt.Questions.empty());

    prompt.Answers = {PromptAnswer::Yes, PromptAnswer::No};
    EXPECT_TRUE(Check("plv", existing));
    EXPECT_FALSE(Check("plv", existing, true));
    const std::string question = "A Plover file with this name already exists.  Do you want to replace it?";
    EXPECT_EQ(prompt.Questions, (std::vector<std::string>{question, question}));
}

TEST_F(FileNameCheck, AFileToReadThatOpensANewFileToWriteAndOtherKindsPassWithoutAWord) {
    EXPECT_TRUE(Check("csv", existing));
    EXPECT_TRUE(Check("plv", missing));
    EXPECT_TRUE(Check("plv", tooLong));
    EXPECT_TRUE(Check("txt", missing, true)) << "another kind leaves the answer as it was";
    EXPECT_FALSE(Check("CSV", existing, false)) << "kinds are told apart by case";
    EXPECT_TRUE(prompt.Questions.empty());
    EXPECT_TRUE(prompt.Messages.empty());
}

}  // namespace
}  // namespace quorvel
