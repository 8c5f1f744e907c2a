// quorvel-make-database SOURCES_DIR OUTPUT_FILE
// Builds the coefficient database from the published tables and prints the data-quality
// report, which also goes to OUTPUT_FILE's name with "-report.txt" in place of its extension.
#include <exception>
#include <fstream>
#include <iostream>

#include "ShippedDatabase.h"

int main(int argc, char** argv) {
    if (argc != 3) {
        std::cerr << "usage: quorvel-make-database SOURCES_DIR OUTPUT_FILE\n";
        return 2;
    }
    try {
        const std::filesystem::path output = argv[2];
        const auto report = quorvel::data::BuildShippedDatabase(argv[1], output);
        const std::string text = report.Text();
        std::filesystem::path reportFile = output;
        reportFile.replace_extension();
        reportFile += "-report.txt";
        std::ofstream(reportFile, std::ios::binary) << text;
        std::cout << text << "Written: " << output.string() << "\n";
        return 0;
    } catch (const std::exception& error) {
        std::cerr << "quorvel-make-database: " << error.what() << "\n";
        return 1;
    }
}
