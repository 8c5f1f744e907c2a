#pragma once
// The decay chain of a nuclide: its members down to a stable or a long-lived one, each with
// half-life, branching and cumulative fractions and the tables that hold it. A double click
// on a member asks the main window to show that member's table.

#include <QDialog>
#include <functional>
#include <string>

#include "DatabaseSession.h"
#include "FlexGrid.h"

class QLabel;
class QLineEdit;

namespace quorvel {

class ResultGridView;

class DecayChainWindow : public QDialog {
    Q_OBJECT
public:
    // Reads through the main window's session.
    explicit DecayChainWindow(DatabaseSession& session, QWidget* parent = nullptr);

    // Shows the chain of the nuclide with the cutoff in the box; a bad cutoff, an unknown
    // nuclide or a database without decay data is said in the window.
    void ShowChain(const std::string& nuclide);

    const FlexGrid& Chain() const { return grid_; }
    std::string Message() const;
    // The member of a grid row; empty for a row without one.
    std::string MemberAt(int row) const;

    std::function<void(const std::string& nuclide)> OnShowNuclide;

private:
    DatabaseSession& session_;
    std::string nuclide_;
    FlexGrid grid_;
    QLineEdit* cutoff_ = nullptr;
    QLabel* message_ = nullptr;
    ResultGridView* view_ = nullptr;
    bool sized_ = false;  // the first chain has given the window its size
};

}  // namespace quorvel
