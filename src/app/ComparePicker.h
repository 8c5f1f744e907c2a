#pragma once
// Tools > Compare Nuclides: up to 12 nuclides picked from the whole list (the main window's
// nuclide already picked) and one table kind, then the comparison in a window of its own.

#include <QDialog>
#include <memory>
#include <optional>

#include "CoefficientCatalogue.h"
#include "DesktopServices.h"

class QComboBox;
class QLabel;
class QLineEdit;
class QListWidget;

namespace quorvel {

class ComparePicker : public QDialog {
    Q_OBJECT
public:
    // Reads through the main window's session; with a cutoff, every value compared is +D.
    ComparePicker(DatabaseSession& session, const CoefficientRequest& request, const std::string& nuclide,
                  std::optional<double> progenyCutoff, DesktopServices& services, QWidget* parent = nullptr);
    ~ComparePicker() override;

    // The picked nuclides, in the order picked.
    const std::vector<std::string>& Picked() const { return picked_; }
    // Shows the comparison of the picked nuclides, or says why it cannot.
    void Compare();

private:
    void Build(const CoefficientRequest& request, const std::string& nuclide);
    void Filter(const QString& text);
    void SelectionChanged();

    std::unique_ptr<CoefficientCatalogue> catalogue_;
    DesktopServices& services_;
    int unitPosition_ = 1;
    TableKind requestKind_;
    std::vector<std::string> picked_;

    QComboBox* type_ = nullptr;
    QComboBox* pathway_ = nullptr;
    QComboBox* geometry_ = nullptr;
    QLineEdit* filter_ = nullptr;
    QListWidget* nuclides_ = nullptr;
    QLabel* message_ = nullptr;
};

}  // namespace quorvel
