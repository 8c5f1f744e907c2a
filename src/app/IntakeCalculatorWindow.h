#pragma once
// Tools > Intake Calculator: a mixture of intakes and exposures, typed or added from the main
// window's nuclide and options, computed into doses and risks with every step shown. The
// results print, export and copy as a table does; the mixture saves and opens as CSV.

#include <QDialog>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "FlexGrid.h"
#include "IntakeCalculation.h"
#include "Mixture.h"

class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QPlainTextEdit;
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
    // Computes every row; a row that cannot be computed says why in its result row.
    void Calculate();
    // The mixture file: false, with the reason in the window, when it cannot be read or written.
    bool OpenMixture(const std::string& path);
    bool SaveMixture(const std::string& path);

    const FlexGrid& Results() const { return results_; }
    const MixtureResult& Result() const { return result_; }
    std::string Steps() const;
    std::string Message() const;
    void SelectResult(int mixtureRow);

    // What the main window lends: its current nuclide and options as a row, the file
    // dialogs, and the outputs it gives its own table.
    std::function<MixtureRow()> CurrentRow;
    std::function<std::optional<std::string>(bool save)> ChooseFile;
    std::function<void(const FlexGrid&)> PrintTable, ExportTable, CopyTable, SpreadsheetTable;

private:
    void ShowSteps(int resultRow);
    void SetMessage(const std::string& text);

    DatabaseSession& session_;
    MixtureResult result_;
    FlexGrid results_;
    QTableWidget* mixture_ = nullptr;
    QLineEdit* organ_ = nullptr;
    QComboBox* doseUnit_ = nullptr;
    QCheckBox* progeny_ = nullptr;
    QLineEdit* progenyCutoff_ = nullptr;
    ResultGridView* view_ = nullptr;
    QPlainTextEdit* steps_ = nullptr;
    QLabel* message_ = nullptr;
};

}  // namespace quorvel
