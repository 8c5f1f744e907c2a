#pragma once
// The command line's catalogue subcommands: rank, compare and dump.

#include <CLI/CLI.hpp>
#include <iosfwd>
#include <string>
#include <vector>

#include "ChartData.h"
#include "CoefficientCatalogue.h"
#include "CoefficientRequest.h"
#include "CommandLineViewer.h"
#include "DecayChain.h"
#include "RowFilter.h"
#include "RowOutput.h"

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

// What rank and limit share with the others.
// --name, --element, --z-min/--z-max, --half-life-min/--half-life-max, --value-min/--value-max, --top.
void AddFilterOptions(CLI::App& command, CatalogueOptions& options);
// The filter the command's options set; a range upside down or a half-life that cannot be
// read is a UsageError. Rows without a value are left out.
RowFilter FilterOf(const CLI::App& command, const CatalogueOptions& options);
void AddFormatOptions(CLI::App& command, CatalogueOptions& options);
void AddChartOption(CLI::App& command, CatalogueOptions& options, const std::string& what);
RowFormat FormatOf(const CatalogueOptions& options);
// Draws the chart into the file through the backends; what they refuse is a UsageError.
void SaveChart(const CommandLineBackends& backends, const ChartData& chart, const std::string& path);
// The cell the options name in the request's table kind and unit: --age (Adult for a dose,
// else the lifetime band), --intake (the first), --outcome and, withDescriptor, --descriptor
// (the effective dose, for risk the Total). A choice the table lacks is a UsageError.
Quantity QuantityOf(CoefficientCatalogue& catalogue, const CatalogueOptions& options, const CoefficientRequest& request,
                    bool withDescriptor);

// A ranking chart without --top shows this many bars: more could not be read.
constexpr std::size_t RankingChartBars = 20;

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
