#pragma once
// The command line's intake calculator: quorvel-cli intake --mixture FILE.csv and/or
// --row "...", printing the results table, the total and every step.

#include <CLI/CLI.hpp>
#include <iosfwd>
#include <string>
#include <vector>

#include "DecayChain.h"

namespace quorvel {

struct IntakeOptions {
    CLI::App* Command = nullptr;
    std::string Mixture;
    std::vector<std::string> Rows;
    std::string Organ;
    std::string DoseUnit = "mSv";
    std::string RiskBand;
    std::string Format = "text";
    std::string Output;
    bool WithProgeny = false;
    double ProgenyCutoffSeconds = DefaultProgenyCutoffSeconds;
};

void AddIntakeCommand(CLI::App& app, std::string& databasePath, IntakeOptions& options);

// Exit 0 when every row computed; 2 for a row that cannot be computed, naming its number and
// reason on err (the other rows still print). A mixture that cannot be read throws
// MixtureFormatError, options the calculation cannot take UsageError, a database that
// cannot be read what it throws.
int RunIntakeCommand(const IntakeOptions& options, const std::string& databasePath, std::ostream& out,
                     std::ostream& err);

}  // namespace quorvel
