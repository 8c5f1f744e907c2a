#pragma once
// The command line's screening limits: quorvel-cli limit --dose 1mSv | --risk 1E-6, the
// intake or exposure that gives the target, for named nuclides or ranked over all of them.

#include <CLI/CLI.hpp>
#include <iosfwd>
#include <string>

#include "CatalogueCommands.h"
#include "CommandLineViewer.h"

namespace quorvel {

struct LimitOptions {
    CLI::App* Command = nullptr;
    CatalogueOptions Catalogue;  // the cell's age and intake, rank's filters, the nuclides and the outputs
    std::string Dose, Risk;
    std::string Organ;
    std::string RiskBand;
    std::string Pathway = "ingestion";
    std::string Unit;
    std::string Time;
    bool Decaying = false;
    std::string Form;
};

void AddLimitCommand(CLI::App& app, std::string& databasePath, LimitOptions& options);

// Exit 0 with every limit asked for; 2, with the others still written, when a nuclide or form
// named has no coefficient for the target (each named on err). Bad input throws UsageError,
// a database that cannot be read what it throws.
int RunLimitCommand(const LimitOptions& options, const std::string& databasePath, std::ostream& out, std::ostream& err,
                    const CommandLineBackends& backends);

}  // namespace quorvel
