#pragma once
// The typed cells of a coefficient table, as the table kind's reader gives them: every value
// with what it is (nuclide, form, column key, intake, row label, outcome), where it comes
// from and where its table has it, and the headings each block of the table shows. The
// table builders lay them out; the catalogue, "+D", the charts, the calculator and the
// exports use the same cells.

#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "TableKind.h"

namespace quorvel {

// One cell of a coefficient table.
struct Coefficient {
    std::string Nuclide;  // as the table stores it
    // Dose: the block's subtitle; risk: the section's Form, else "f1 = " and its f_1.
    std::string Form;
    std::string Age;  // the column key: an age group, the external tables' "Adult", a risk table's age band
    std::string Intake;
    std::string Descriptor;                        // the row label: an organ, an effective dose, a cancer site
    RiskOutcome Outcome = RiskOutcome::Mortality;  // risk only
    std::optional<double> Value;                   // none for an empty cell or a text
    std::string Text;                              // as the table shows it
    std::string Source;                            // "dir/FILE:LINE", empty when the table records none
    // Where the nuclide's table has the cell, counting from 0: its block, its row in the
    // block and the position of its column key in the table's ColumnKeys.
    int Block = 0;
    int BlockRow = 0;
    int ColumnKey = 0;
};

// What one block of a table shows above and beside its values. A dose block is one record
// (or a low- and high-LET pair) of each age group, a risk block a section of records.
struct TableBlock {
    std::string Nuclide;                  // as the block's first record stores it
    std::string HeaderText;               // dose: the line under the title
    std::string Subtitle;                 // dose: the line above "Description"
    std::string Intake;                   // ingestion risk: the section's intake
    std::optional<std::string> FormLine;  // risk: the section's Form, where stored
    std::string F1;                       // risk: the section's f_1
    // The labels of the block's rows, in order; shared by the blocks that have the same.
    std::shared_ptr<const std::vector<std::string>> RowLabels;
    // The age-dependent dose tables head a block only when the first age group of the list
    // has it.
    bool Headed = true;
};

// One nuclide's table of one kind, in the unit it was read in.
struct CoefficientTable {
    TableKind Kind = {};
    std::string Nuclide = {};                  // as its first record stores it (an empty table: as asked for)
    std::vector<std::string> ColumnKeys = {};  // every column key the kind has, in the table's order
    std::string RowHeading = {};               // risk: the heading of the cancer site column
    std::vector<TableBlock> Blocks = {};
    std::vector<Coefficient> Cells = {};  // in the table's order
    std::string UnitName = {};            // the unit of the values, as "Units = " names it
    // The database holds records of the nuclide (an age-dependent table may hold some of no
    // age group of the list, and so no cells).
    bool HasRecords = false;
    // Said after each title of the table ("+D (Ba-137m x 0.946)"); empty for none.
    std::string TitleNote = {};

    bool Empty() const { return Blocks.empty(); }
};

// The first row of an age-dependent dose block is the gut uptake fraction f1: a fraction,
// no coefficient, so no unit converts it and no "+D" value adds to it.
bool HoldsUptakeFraction(const TableKind& kind, const Coefficient& cell);
// What every output names as the unit of an uptake fraction.
inline constexpr const char* FractionUnit = "fraction";

// What a reading keeps. Unset parts keep everything. A reading of some cells of each table
// (an age, a row, an intake or an outcome) is for the cells alone: its tables' blocks come
// without the texts of their headings.
struct ScanSelection {
    std::vector<std::string> Nuclides = {};  // names compare without regard to case
    std::optional<std::string> Age = {};
    std::optional<std::string> Intake = {};
    std::optional<std::string> Descriptor = {};
    std::optional<RiskOutcome> Outcome = {};

    bool KeepsWholeTables() const { return !Age && !Intake && !Descriptor && !Outcome; }
};

// Whether a part of a selection keeps a value: unset keeps every value.
inline bool SelectionKeeps(const std::optional<std::string>& wanted, const std::string& value) {
    return !wanted || *wanted == value;
}

using CoefficientSink = std::function<void(Coefficient&&)>;
using TableSink = std::function<void(CoefficientTable&&)>;

// The part of a heading that names a publication ("FGR-12 Table III.3" of "Cs-137, T1/2 =
// 30.1671 y (FGR-12 Table III.3)"), from its FGR- or ICRP- on, without a closing bracket
// whose opening one stands before it; empty when it names none.
std::string PublicationNamedIn(const std::string& text);

// Where the values of a block of the table come from, as its headings name it ("FGR-13 organ
// doses (Cs.def)", "FGR-12 Table III.3"), else the files its cells cite, each once
// ("fgr13pak/FGR13ING.RBS").
std::string BlockSourceNote(const CoefficientTable& table, int block);

}  // namespace quorvel
