#pragma once
// The main window's rules apart from any widget: the request its options make, the unit
// remembered per coefficient type and unit category, whether the grid shows what the
// options ask for, the table shown with its +D terms and sources, the status text of a
// request, the chart's choices, and what the tool windows take from the window.

#include <array>
#include <memory>
#include <optional>
#include <stdexcept>
#include <string>
#include <vector>

#include "BusyPointer.h"
#include "ChartData.h"
#include "CoefficientCatalogue.h"
#include "CoefficientDispatcher.h"
#include "DatabaseSession.h"
#include "FlexGrid.h"
#include "Mixture.h"
#include "NuclideCharts.h"
#include "UserSettings.h"

namespace quorvel {

// The options as the window shows them.
struct MainWindowOptions {
    std::string Nuclide;  // as typed
    TableKind Kind;
    int UnitIndex = -1;  // in the units list shown, 0 first; -1 while the list is empty
    bool Progeny = false;
    std::string ProgenyCutoff = "180d";
};

// A +D cutoff that is no duration; the text says so.
class ProgenyCutoffError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// A lookup that failed; the text says why and that the table shown stays.
class LookupFailure : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// The units list of the options' kind and the entry to select.
struct UnitListState {
    std::vector<std::string> Names;
    int Selected = -1;  // -1: the list is empty
};

// The chart pane's choices for the table shown: a chart by age takes one of its rows, the
// others one of its ages; each list with the default that stands while nothing is picked.
struct ChartChoices {
    std::vector<std::string> Kinds;
    std::string Kind;
    std::vector<std::string> Descriptors;
    std::string DefaultDescriptor;
    std::vector<std::string> Ages;
    std::string DefaultAge;
};

class MainWindowModel {
public:
    explicit MainWindowModel(BusyPointer& busy);
    ~MainWindowModel();

    // The one opening of the database for the window, its tool windows and its charts.
    // Throws when the file cannot be opened.
    void OpenDatabase(const std::string& path);
    DatabaseSession& Session() { return *session_; }
    CoefficientCatalogue& Catalogue() { return *catalogue_; }

    // The nuclide list's entries, as the list shows them.
    void SetEntries(std::vector<std::string> entries) { entries_ = std::move(entries); }
    const std::vector<std::string>& Entries() const { return entries_; }
    // The entry type-ahead selects for the text, from the one selected (-1 none).
    int TypeAheadEntry(int selected, const std::string& text) const;

    void SetOptions(const MainWindowOptions& options) { options_ = options; }
    const MainWindowOptions& Options() const { return options_; }
    CoefficientRequest Request() const;
    // The options' units, the one last requested with selected (the first when the list
    // lacks it).
    UnitListState Units() const;
    // The unit position (1 first) last requested with, per unit category; 0 for none.
    int SavedUnit(CoefficientType type, int category) const;
    void RestoreUnits(const UserSettings& settings);
    void StoreUnits(UserSettings& settings) const;
    // The +D cutoff, none while +D is off; a ProgenyCutoffError when it is no duration.
    std::optional<double> ProgenyCutoffSeconds() const;

    // Whether the grid shows what the options ask for ("Press to Update" when not).
    bool GridIsCurrent() const { return gridCurrent_; }
    void SetGridCurrent(bool current) { gridCurrent_ = current; }

    // Looks the options' table up into the grid; true when it shows a new table. Otherwise
    // the grid goes stale and keeps the table it had: false for an empty units list, a
    // ProgenyCutoffError or a LookupFailure for the rest.
    bool Apply();
    const FlexGrid& Grid() const { return grid_; }
    FlexGrid& Grid() { return grid_; }
    const std::optional<ShownTable>& Shown() const { return shown_; }
    // The status bar's text after the last request: why a table is empty, or what +D counted.
    const std::string& RequestStatus() const { return requestStatus_; }
    // "Cs-137", "Ingestion", "Risk" and "+D" or empty: the table shown, by the window's words.
    std::vector<std::string> ShownTableName() const;
    // A value cell's +D terms with their shares, and its source.
    std::string CellToolTip(int row, int col) const;

    // The chart follows each new table, and each choice the user makes, once.
    bool ChartWanted() const { return shown_ && !chartDrawn_; }
    void ChartChoiceChanged() { chartDrawn_ = false; }
    // The choices of the table shown, the kind picked kept when the table offers it.
    ChartChoices ChartChoicesOf(const std::string& pickedKind) const;
    // The chart of the table shown with the grid's +D option; a ChartChoiceError names a choice it lacks.
    ChartData ShownChart(const ChartChoice& choice);
    void ChartDrawn() { chartDrawn_ = true; }

    // What the tools take: the nuclide as typed, trimmed, and the options as a mixture row.
    std::string ToolNuclide() const;
    MixtureRow CalculatorRow() const;

private:
    int& SavedUnitOf(const TableKind& kind);
    std::string EmptyResultExplanation(const CoefficientRequest& request) const;
    int ShownCellIndex(int row, int col) const;
    std::string ProgenyTermsOfCell(int index) const;

    BusyPointer& busy_;
    std::unique_ptr<DatabaseSession> session_;
    std::unique_ptr<CoefficientCatalogue> catalogue_;
    std::vector<std::string> entries_;
    MainWindowOptions options_;
    std::array<int, 5> savedDoseUnit_{};
    std::array<int, 5> savedRiskUnit_{};
    bool gridCurrent_ = false;
    FlexGrid grid_;
    std::optional<ShownTable> shown_;
    std::string requestStatus_;
    bool chartDrawn_ = false;
};

}  // namespace quorvel
