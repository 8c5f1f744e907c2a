#pragma once
// Nuclides side by side: every row of one table kind at one age or band, a column per
// nuclide and form, and their ratio when there are two; export and copy as the explore
// window's.

#include <QDialog>

#include "Comparison.h"
#include "DesktopServices.h"

class QComboBox;
class QLabel;
class QTabWidget;
class QTableWidget;

namespace quorvel {

class ChartPane;

class CompareWindow : public QDialog {
    Q_OBJECT
public:
    // The catalogue outlives the window.
    CompareWindow(CoefficientCatalogue& catalogue, const Quantity& quantity, std::vector<std::string> nuclides,
                  DesktopServices& services, QWidget* parent = nullptr);

    ChartPane* Chart() const { return chart_; }

private:
    void Build();
    void DrawComparison();
    void Show();
    void Export();
    void Copy();
    void Print();
    // The compared nuclides and what is compared, for the names of saved files.
    std::vector<std::string> FileName() const;

    CoefficientCatalogue& catalogue_;
    Quantity quantity_;
    std::vector<std::string> nuclides_;
    DesktopServices& services_;
    Comparison comparison_;

    QComboBox* age_ = nullptr;
    QTableWidget* table_ = nullptr;
    QTabWidget* tabs_ = nullptr;
    ChartPane* chart_ = nullptr;
    QLabel* message_ = nullptr;
};

}  // namespace quorvel
