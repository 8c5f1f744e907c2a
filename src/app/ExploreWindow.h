#pragma once
// Tools > Explore All Nuclides: one cell of a table kind for every nuclide and form, to
// filter, sort, export and copy; a double-click shows that nuclide's table in the main window.

#include <QDialog>
#include <functional>
#include <memory>

#include "DesktopServices.h"
#include "ExploreModel.h"

class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QTableWidget;
class QTabWidget;

namespace quorvel {

class ChartPane;

class ExploreWindow : public QDialog, public ExploreView {
    Q_OBJECT
public:
    // Reads through the main window's session.
    ExploreWindow(DatabaseSession& session, DesktopServices& services, QWidget* parent = nullptr);
    ~ExploreWindow() override;

    // Called with a row's nuclide and the table kind on a double-click.
    std::function<void(const std::string& nuclide, const TableKind& kind)> OnShowNuclide;

    ExploreModel& Model() { return *model_; }
    ChartPane* Chart() const { return chart_; }

    void ShowChoices(const QuantityChoices& choices, const std::vector<std::string>& units,
                     const Quantity& chosen) override;
    void ShowRows(const std::vector<CatalogueRow>& rows, const std::string& unit) override;
    void ShowMessage(const std::string& message) override;

private:
    void BuildControls();
    void KindChanged();
    // The target box: the screening limits of the target in place of the coefficients, the
    // most restrictive first; empty, the coefficients again.
    void TargetChanged();
    void FilterChanged();
    void HeaderClicked(int column);
    // The rows shown to a CSV, xlsx or JSON file, as its name ends.
    void Export();
    // What is ranked, for the names of saved files.
    std::vector<std::string> FileName() const;
    // The value column's heading and the chart's axis.
    std::string ValueTitle(const std::string& unit) const;
    void CopyRows();
    // The selected rows' nuclides side by side, in a window of their own.
    void CompareSelected();
    // The top of the rows shown as bars, when the chart's tab is open.
    void DrawRanking();

    DesktopServices& services_;
    QCheckBox* progeny_ = nullptr;
    QLineEdit* progenyCutoff_ = nullptr;
    std::unique_ptr<CoefficientCatalogue> catalogue_;
    std::unique_ptr<ExploreModel> model_;
    bool filling_ = false;
    int sortColumn_ = 5;
    bool ascending_ = false;
    bool limits_ = false;

    QComboBox* type_ = nullptr;
    QComboBox* pathway_ = nullptr;
    QComboBox* geometry_ = nullptr;
    QComboBox* age_ = nullptr;
    QComboBox* descriptor_ = nullptr;
    QComboBox* intake_ = nullptr;
    QComboBox* outcome_ = nullptr;
    QComboBox* unit_ = nullptr;
    QLineEdit* target_ = nullptr;
    QLineEdit* text_ = nullptr;
    QLineEdit* zMin_ = nullptr;
    QLineEdit* zMax_ = nullptr;
    QLineEdit* halfLifeMin_ = nullptr;
    QLineEdit* halfLifeMax_ = nullptr;
    QLineEdit* valueMin_ = nullptr;
    QLineEdit* valueMax_ = nullptr;
    QLineEdit* top_ = nullptr;
    QTableWidget* table_ = nullptr;
    QTabWidget* tabs_ = nullptr;
    ChartPane* chart_ = nullptr;
    std::string shownUnit_;
    QLabel* message_ = nullptr;
};

}  // namespace quorvel
