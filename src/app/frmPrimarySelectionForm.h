#pragma once
// The main window: the nuclide list and text box, the request options, GO, the result
// grid, the menus and toolbar, and the application's start-up and shutdown.

#include <QMainWindow>
#include <QRect>
#include <array>
#include <map>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "DatabaseCompaction.h"
#include "DesktopServices.h"
#include "GridCopyPaste.h"
#include "MainWindowModel.h"
#include "UserSettings.h"

class QCheckBox;
class QDockWidget;
class QComboBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QListWidget;
class QPushButton;
class QRadioButton;
class QSplitter;
class QToolBar;

namespace quorvel {

class ChartPane;
class HelpWindow;
class ResultGridView;
class DecayChainWindow;
class ExploreWindow;
class IntakeCalculatorWindow;
class frmSplash;

inline constexpr const char* MainWindowCaption = "Coefficient Viewer (Quorvel)";
inline constexpr const char* ExportFilter = "Text (*.txt)|*.txt|All (*.*)|*.*|";

// A help-file entry of the menus: its caption and the document it opens.
struct HelpFileEntry {
    const char* Control;
    const char* Caption;
    const char* FileName;
};
const std::vector<HelpFileEntry>& DocumentMenuEntries();

class frmPrimarySelectionForm : public QMainWindow, private CompactionStatus {
    Q_OBJECT
public:
    explicit frmPrimarySelectionForm(DesktopServices services, QWidget* parent = nullptr);
    ~frmPrimarySelectionForm() override;

    // The load event: splash, centring, InitializeParameters, the first request. False
    // when start-up ended the process (the window must then not be shown).
    bool Load();
    // Writes user.ini and ends the process.
    void EndTheProgram();

    // Request options and the grid state.
    void SetupTheUnitParameters();
    void Apply();
    void ChangeTheGridBackGround(bool current);
    // Puts the splitter between the options and the grid at the design's place.
    void CorrectTheGridShape();
    void CompactDatabase();

    // Commands of the menus and the toolbar.
    void Toolbar1ButtonClick(const std::string& key);
    void PrintCommand();
    void PrintToPdfCommand();
    void ExportCommand();
    void PageSetupCommand();
    void AboutCommand();
    void OpenHelpFile(const std::string& fileName);
    void HowToUseHelpCommand();

    // State the tests look at.
    const FlexGrid& MSFlexGrid1() const { return model_.Grid(); }
    FlexGrid& MSFlexGrid1() { return model_.Grid(); }
    const std::string& DatabasePath() const { return databasePath_; }
    // The database session the window and its tool windows read through.
    DatabaseSession& Session() { return model_.Session(); }
    int PrintPaperStyle() const { return printPaperStyle_; }
    const MainWindowModel& Model() const { return model_; }
    bool GridIsCurrent() const { return model_.GridIsCurrent(); }
    std::string StatusText() const;
    std::string UserIniPath() const;
    HelpWindow* OpenHelpWindow() const { return helpWindow_; }
    ResultGridView* GridView() const { return gridView_; }
    ChartPane* Chart() const { return chartPane_; }
    QDockWidget* ChartDock() const { return chartDock_; }

protected:
    void closeEvent(QCloseEvent* event) override;
    void showEvent(QShowEvent* event) override;

private:
    void BuildControls();
    void BuildMenus();
    void BuildToolbar();
    void BuildChartPane();
    // Once, when the window is first shown: the nuclide list's rows, and the chart beside the
    // grid, below it or hidden, as the window's room allows.
    void PlaceChartDock();
    // A chart hidden for want of room and then asked for shows as a window of its own.
    void ShowChartHiddenForRoom();
    void ConnectEvents();

    bool InitializeParameters();
    bool SetUpListOfNuclides(Recordset& nuclides);
    void ReadUserIni();
    void PlaceWindow(const UserSettings& settings);
    // Puts the inside of the window where the stored outer geometry says, once the window
    // manager's frame is known (or, at the last chance, with the frame as it is).
    void PlaceInsideFrame(bool lastChance);
    UserSettings CurrentSettings() const;

    // The options as the widgets show them, into the model.
    void ReadOptions();
    // The chart of the table shown, as the pane's choices ask; nothing while the pane is hidden.
    void RefreshChart();
    // Opens (or raises) the explore window; its double-click shows a nuclide's table here.
    void ExploreCommand();
    // Tools > Compare Nuclides (and the nuclide list's context menu): a picker of up to 12
    // nuclides, the current one picked, and the table kind shown here.
    void CompareCommand();
    // Tools > Decay Chain: the chain of the nuclide in the box; a double-clicked member's
    // table is shown here.
    void DecayChainCommand();
    // Tools > Intake Calculator; its results print, export and copy as this table does.
    void IntakeCalculatorCommand();
    // The outputs of any table: the shown one, or another window's. The name says what the
    // table is, for the file a dialog suggests; the shown table's own export asks as it always did.
    void PrintTable(const FlexGrid& table, const std::vector<std::string>& name);
    void PrintTableToPdf(const FlexGrid& table, const std::vector<std::string>& name);
    void ExportTable(const FlexGrid& table, const std::vector<std::string>& name);
    void CopyWholeTable(const FlexGrid& table);
    void SpreadsheetTable(const FlexGrid& table);
    // Every coefficient of the database, one tidy row each, to a CSV, xlsx or JSON file.
    void ExportAllCommand();
    void AdvanceTextWithListBoxOptions(const std::string& text);
    void FillUnitsList(const UnitListState& units);
    int SelectedNuclideEntry() const;
    void SetStatusText(const std::string& text) override;

    DesktopServices services_;
    std::string databasePath_;
    // The options, the request, the table shown and the session under the widgets.
    MainWindowModel model_;
    bool suppressListClick_ = false;
    int printPaperStyle_ = 2;
    bool ending_ = false;
    std::optional<QRect> pendingOuterGeometry_;
    bool splitterPlaced_ = false;  // stored placement waiting for the frame

    clsGridCopyPaste gridCopyPaste_;
    std::map<std::string, QIcon> imageList1_;

    QWidget* central_ = nullptr;
    QWidget* selectionArea_ = nullptr;
    QSplitter* splitter_ = nullptr;
    QLabel* nuclideLabel_ = nullptr;
    QLineEdit* txtSelectedNuclide_ = nullptr;
    QLabel* listHeader_ = nullptr;
    QListWidget* lstNuclides_ = nullptr;
    QGroupBox* frame1_ = nullptr;
    QGroupBox* frame2_ = nullptr;
    QGroupBox* fraExternalType_ = nullptr;
    std::array<QRadioButton*, 3> optCoefficients_{};
    std::array<QRadioButton*, 2> optType_{};
    std::array<QRadioButton*, 3> optExternalType_{};
    QLabel* unitsLabel_ = nullptr;
    QComboBox* combo1_ = nullptr;
    QPushButton* cmdGO_ = nullptr;
    QCheckBox* chkCompactDatabase_ = nullptr;
    QLabel* statusPanel1_ = nullptr;
    QToolBar* toolbar1_ = nullptr;
    ResultGridView* gridView_ = nullptr;
    ExploreWindow* explore_ = nullptr;
    DecayChainWindow* decayChain_ = nullptr;
    IntakeCalculatorWindow* calculator_ = nullptr;
    QCheckBox* chkProgeny_ = nullptr;
    QLineEdit* txtProgenyCutoff_ = nullptr;
    QDockWidget* chartDock_ = nullptr;
    ChartPane* chartPane_ = nullptr;
    bool chartWantsRoom_ = false;  // hidden at start-up: the window had no room for it
    frmSplash* splash_ = nullptr;
    HelpWindow* helpWindow_ = nullptr;
};

}  // namespace quorvel
