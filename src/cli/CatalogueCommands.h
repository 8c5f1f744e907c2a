#pragma once
// The command line's catalogue subcommands: rank, compare and dump.

#include <CLI/CLI.hpp>
#include <iosfwd>
#include <string>
#include <vector>

#include "CoefficientRequest.h"
#include "CommandLineViewer.h"
#include "DecayChain.h"

namespace quorvel {

struct CatalogueOptions {
    CLI::App* Rank = nullptr;
    CLI::App* Compare = nullptr;
    CLI::App* Dump = nullptr;

    std::string Age, Descriptor, Intake;
    RiskOutcome Outcome = RiskOutcome::Mortality;
    std::string Text, Element;
    int ZMin = 0, ZMax = 0;
    std::string HalfLifeMin, HalfLifeMax;
    double ValueMin = 0, ValueMax = 0;
    int Top = 0;
    bool Ascending = false;
    std::vector<std::string> Nuclides;
    std::string Format = "text";
    std::string Output;
    std::string Chart;  // a picture of the rank or comparison as well
    bool WithProgeny = false;
    double ProgenyCutoffSeconds = DefaultProgenyCutoffSeconds;
};

// The subcommands, sharing the database path and the request's type, pathway, geometry
// and unit with the options of the table request.
void AddCatalogueCommands(CLI::App& app, std::string& databasePath, CoefficientRequest& request,
                          CatalogueOptions& options);

// True when the arguments named one of the subcommands.
bool CatalogueCommandChosen(const CatalogueOptions& options);

// Runs the chosen subcommand; bad input throws UsageError, a database that cannot be read
// throws what it throws. Charts are drawn through the backends.
int RunCatalogueCommand(const CatalogueOptions& options, const std::string& databasePath,
                        const CoefficientRequest& request, std::ostream& out, const CommandLineBackends& backends);

}  // namespace quorvel
