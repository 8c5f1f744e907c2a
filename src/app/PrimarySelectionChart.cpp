// The chart pane beside the grid: it follows every request and the grid's staleness, and
// draws nothing while the user keeps it hidden.
#include <QAction>
#include <QDockWidget>
#include <QMenu>
#include <QMenuBar>
#include <QScrollArea>
#include <algorithm>

#include "ChartPane.h"
#include "GridPrintJobs.h"
#include "NuclideCharts.h"
#include "PrintFooter.h"
#include "frmPrimarySelectionForm.h"

namespace quorvel {

void frmPrimarySelectionForm::BuildChartPane() {
    chartPane_ = new ChartPane(services_, true);
    chartPane_->OnChoiceChanged = [this] {
        chartDrawn_ = false;
        RefreshChart();
    };
    chartDock_ = new QDockWidget("Chart", this);
    chartDock_->setObjectName("ChartDock");
    // The window keeps its own least size: a dock narrower than the pane scrolls it.
    auto* scroll = new QScrollArea;
    scroll->setFrameShape(QFrame::NoFrame);
    scroll->setWidgetResizable(true);
    scroll->setWidget(chartPane_);
    scroll->setMinimumSize(1, 1);
    chartDock_->setWidget(scroll);
    chartDock_->setAllowedAreas(Qt::RightDockWidgetArea | Qt::BottomDockWidgetArea);
    // Below the grid until the window shows whether it has room beside it (PlaceChartDock).
    addDockWidget(Qt::BottomDockWidgetArea, chartDock_);
    // Shown again after a request made while hidden: drawn then.
    connect(chartDock_, &QDockWidget::visibilityChanged, this, [this](bool visible) {
        if (visible) RefreshChart();
    });

    // Before Help, as View menus stand.
    auto* view = new QMenu("&View", this);
    view->setObjectName("mnuView");
    auto* help = menuBar()->findChild<QMenu*>("mnuHelp");
    menuBar()->insertMenu(help ? help->menuAction() : nullptr, view);
    QAction* toggle = chartDock_->toggleViewAction();
    toggle->setObjectName("mnuChart");
    toggle->setText("&Chart");
    view->addAction(toggle);
}

void frmPrimarySelectionForm::PlaceChartDock() {
    // A chart by age reads best beside the grid, which seldom fills the window's width; a
    // window of the design's size has no room there.
    const int room = width() - centralWidget()->minimumSizeHint().width();
    if (chartDock_->isFloating()) return;
    if (room < chartPane_->sizeHint().width()) {
        // Below the grid, the grid keeps most of the height: the table is what the window is for.
        resizeDocks({chartDock_}, {height() / 3}, Qt::Vertical);
        return;
    }
    addDockWidget(Qt::RightDockWidgetArea, chartDock_);
    resizeDocks({chartDock_}, {chartPane_->sizeHint().width()}, Qt::Horizontal);
}

void frmPrimarySelectionForm::RefreshChart() {
    if (chartDrawn_ || chartDock_->isHidden() || !shown_) return;
    const TableKind& kind = shown_->Request.Kind;
    try {
        // The grid's +D switch and cutoff, so that the chart shows the grid's numbers.
        catalogue_->IncludeProgeny(shown_->ProgenyCutoffSeconds);
        const std::vector<std::string> kinds = ChartKindsOf(kind);
        // The kind picked for another table may not be one of this table's.
        std::string chosenKind = chartPane_->ChosenKind();
        if (std::find(kinds.begin(), kinds.end(), chosenKind) == kinds.end()) chosenKind = kinds.front();
        // A chart against age takes a row of the table; the others take an age.
        const bool byAge = chosenKind == "by-age";
        // The rows and ages of the table shown.
        std::vector<std::string> descriptors;
        std::vector<std::string> ages;
        const auto addOnce = [](std::vector<std::string>& list, const std::string& item) {
            if (std::find(list.begin(), list.end(), item) == list.end()) list.push_back(item);
        };
        for (const Coefficient& cell : shown_->Table.Cells) {
            addOnce(descriptors, cell.Descriptor);
            addOnce(ages, cell.Age);
        }
        chartPane_->SetChoices(
            kinds, {byAge ? descriptors : std::vector<std::string>{}, kind.IsDose() ? "Effective" : "Total"},
            {byAge ? std::vector<std::string>{} : ages, kind.IsDose() ? "Adult" : "Lifetime"});
        const ChartChoice choice{chartPane_->ChosenKind(), chartPane_->ChosenDescriptor(), chartPane_->ChosenAge()};
        chartPane_->ShowChart(NuclideChart(*catalogue_, shown_->Request, choice),
                              FooterDescription(grid_, TodaysDate()));
    } catch (const std::exception& e) {
        chartPane_->ShowProblem(e.what());
    }
    chartPane_->SetCurrent(gridCurrent_);
    chartDrawn_ = true;
}

}  // namespace quorvel
