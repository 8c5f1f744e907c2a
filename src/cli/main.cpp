#include <filesystem>
#include <iostream>
#include <system_error>

#include "BuildBackends.h"

int main(int argc, char** argv) {
    std::error_code error;
    auto executable = std::filesystem::read_symlink("/proc/self/exe", error);
    if (error) executable = std::filesystem::absolute(argv[0]);
    return quorvel::RunCommandLineViewer(argc, argv, executable.parent_path().string(), std::cout, std::cerr,
                                         quorvel::BuildBackends());
}
