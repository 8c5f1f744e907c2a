#include "DecayChainWindow.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScrollBar>
#include <QVBoxLayout>

#include "DecayChainTable.h"
#include "ResultGridView.h"
#include "ToolWidgets.h"

namespace quorvel {

DecayChainWindow::DecayChainWindow(DatabaseSession& session, QWidget* parent) : QDialog(parent), session_(session) {
    setObjectName("DecayChainWindow");
    setWindowTitle("Decay Chain");
    auto* layout = new QVBoxLayout(this);
    auto* options = new QHBoxLayout;
    auto* label = new QLabel("Half-life cutoff", this);
    cutoff_ = new QLineEdit("180d", this);
    cutoff_->setObjectName("Cutoff");
    cutoff_->setToolTip(QString("The chain is followed through members shorter-lived than this: ") +
                        DurationUnitsHelp() + ". 180 d is the cutoff of the published +D tables.");
    cutoff_->setMaximumWidth(120);
    auto* show = new QPushButton("Show", this);
    options->addWidget(label);
    options->addWidget(cutoff_);
    options->addWidget(show);
    options->addStretch(1);
    layout->addLayout(options);
    message_ = new QLabel(this);
    message_->setObjectName("Message");
    layout->addWidget(message_);
    view_ = new ResultGridView(grid_, this);
    view_->setObjectName("ChainGrid");
    layout->addWidget(view_, 1);
    ResizeWithinScreen(*this, {900, 320});  // until the first chain says how large

    connect(show, &QPushButton::clicked, this, [this] { ShowChain(nuclide_); });
    connect(cutoff_, &QLineEdit::returnPressed, this, [this] { ShowChain(nuclide_); });
    connect(view_, &QAbstractItemView::doubleClicked, this, [this](const QModelIndex& index) {
        const std::string member = MemberAt(index.row());
        if (!member.empty() && OnShowNuclide) OnShowNuclide(member);
    });
}

void DecayChainWindow::ShowChain(const std::string& nuclide) {
    nuclide_ = nuclide;
    setWindowTitle(QString::fromStdString("Decay Chain of " + nuclide));
    const auto cutoff = ReadDurationSeconds(cutoff_->text().toStdString());
    if (!cutoff) {
        message_->setText(QString("The cutoff is not ") + DurationUnitsHelp() + ".");
        return;
    }
    try {
        CoefficientCatalogue catalogue(session_);
        if (!catalogue.FindNuclide(nuclide))
            throw std::runtime_error("No nuclide \"" + nuclide + "\" in the list of this database.");
        const DecayData& decay = session_.Decay();
        if (decay.Empty()) throw std::runtime_error("This database holds no decay data.");
        grid_ = DecayChainGrid(catalogue, decay, nuclide, *cutoff);
        message_->setText("Double-click a member to show its table in the main window.");
    } catch (const std::exception& e) {
        grid_ = FlexGrid();
        message_->setText(QString::fromStdString(e.what()));
    }
    view_->ShowGrid();
    if (!sized_ && grid_.Rows() > 0) {
        // The first chain sets the window's size: every column whole, the last wrapped where
        // the screen is too narrow for it on one line, every row in view.
        sized_ = true;
        const QSize chrome(2 * view_->frameWidth() + view_->verticalScrollBar()->sizeHint().width(),
                           2 * view_->frameWidth() + view_->horizontalScrollBar()->sizeHint().height());
        const QSize around = layout()->sizeHint() - view_->sizeHint() + chrome;
        const int room = WithinScreen(*this, {QWIDGETSIZE_MAX, 0}).width() - around.width();
        const QSize cells = FitColumnsToView(*view_, LastColumn::Wraps, room);
        ResizeWithinScreen(*this, cells + around);
    }
    FitColumnsToView(*view_, LastColumn::Wraps);
}

std::string DecayChainWindow::Message() const { return message_->text().toStdString(); }

std::string DecayChainWindow::MemberAt(int row) const {
    if (row < DecayChainFirstMemberRow || row >= grid_.Rows()) return {};
    return grid_.TextMatrix(row, 0);
}

}  // namespace quorvel
