#pragma once
// Tools > Intake Calculator: a mixture of intakes and exposures, typed or added from the main
// window's nuclide and options, computed into doses and risks with every step shown. Any
// change of the rows or options greys the results as the main grid greys; Print, Export
// and Copy calculate first. The mixture saves and opens as CSV.

#include <QDialog>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "FlexGrid.h"
#include "IntakeModel.h"

class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;
class QTableWidget;

namespace quorvel {

class ResultGridView;

class IntakeCalculatorWindow : public QDialog {
    Q_OBJECT
public:
    // Reads through the main window's session.
    explicit IntakeCalculatorWindow(DatabaseSession& session, QWidget* parent = nullptr);

    void AddRow(const MixtureRow& row);
    std::vector<MixtureRow> Rows() const;
    void SetRows(const std::vector<MixtureRow>& rows);
    // Computes every row; a row that cannot be computed says why in its result row and is
    // marked in the mixture (a row that needs a form offers them in its form cell).
    void Calculate();
    // The mixture file: false, with the reason in the window, when it cannot be read or written.
    bool OpenMixture(const std::string& path);
    bool SaveMixture(const std::string& path);

    const FlexGrid& Results() const { return results_; }
    const IntakeModel& Model() const { return model_; }
    std::string Steps() const;
    std::string Message() const;
    void SelectResult(int mixtureRow);
    // "Intake giving...": the amount of the current row that gives the target typed beside
    // the button, its steps shown; put into the row when AskYesNo agrees.
    void IntakeGiving();

    // What the main window lends: its current nuclide and options as a row, the file
    // dialogs (save, with the name offered, or open; a filter), and the outputs it gives its
    // own table.
    std::function<MixtureRow()> CurrentRow;
    std::function<std::optional<std::string>(bool save, const std::string& name, const std::string& filter)> ChooseFile;
    std::function<void(const FlexGrid&)> PrintTable, CopyTable, SpreadsheetTable;
    std::function<bool(const std::string& question)> AskYesNo;

private:
    QWidget* BuildOptions();
    // The rows and options as the widgets hold them now, into the model, and what follows.
    void Changed();
    void ShowState();
    void ShowResults();
    void MarkRows();
    // Results that belong to the rows shown, calculated first where they are stale; false
    // (the message saying why) when they cannot be.
    bool CurrentResults();
    void Export();
    void SetMessage(const std::string& text);

    DatabaseSession& session_;
    IntakeModel model_;
    FlexGrid results_{0, 0};
    bool filling_ = false;  // the widgets are being set, not edited
    QTableWidget* mixture_ = nullptr;
    QLineEdit* organ_ = nullptr;
    QLineEdit* target_ = nullptr;
    QComboBox* doseUnit_ = nullptr;
    QComboBox* riskBand_ = nullptr;
    QCheckBox* progeny_ = nullptr;
    QLineEdit* progenyCutoff_ = nullptr;
    QPushButton* calculate_ = nullptr;
    ResultGridView* view_ = nullptr;
    QPlainTextEdit* steps_ = nullptr;
    QLabel* message_ = nullptr;
};

}  // namespace quorvel
