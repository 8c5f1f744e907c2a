// The chart pane beside the grid: it follows every request and the grid's staleness, and
// draws nothing while the user keeps it hidden.
#include <QAction>
#include <QDockWidget>
#include <QLayout>
#include <QListWidget>
#include <QMenu>
#include <QMenuBar>
#include <QScrollArea>
#include <QScrollBar>
#include <QSplitter>
#include <QStyle>
#include <algorithm>

#include "ChartPane.h"
#include "GridPrintJobs.h"
#include "MainWindowLayout.h"
#include "NuclideCharts.h"
#include "PrintFooter.h"
#include "ResultGridView.h"
#include "frmPrimarySelectionForm.h"

namespace quorvel {

void frmPrimarySelectionForm::BuildChartPane() {
    chartPane_ = new ChartPane(services_, true);
    chartPane_->OnChoiceChanged = [this] {
        model_.ChartChoiceChanged();
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
        if (visible && chartWantsRoom_) ShowChartHiddenForRoom();
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
    if (chartDock_->isFloating() || chartDock_->isHidden()) return;
    // What the window measures now, laid out as it stands: the chart below the grid.
    const QRect inside = centralWidget()->geometry().united(chartDock_->geometry());
    MainWindowSizes sizes;
    sizes.Width = inside.width();
    sizes.Height = inside.height();
    sizes.SelectionWidth = centralWidget()->minimumSizeHint().width();
    sizes.SelectionHeight = lstNuclides_->y() + 2 * lstNuclides_->frameWidth();
    sizes.SelectionLeastHeight = selectionArea_->minimumSizeHint().height();
    sizes.ListRowHeight =
        lstNuclides_->count() > 0 ? lstNuclides_->sizeHintForRow(0) : lstNuclides_->fontMetrics().height();
    const int frame = 2 * gridView_->frameWidth();
    sizes.TableWidth = centralWidget()->layout()->contentsMargins().left() + frame +
                       gridView_->verticalScrollBar()->sizeHint().width();
    for (int c = 0; c < model_.Grid().Cols(); ++c) sizes.TableWidth += gridView_->columnWidth(c);
    sizes.GridRowHeight =
        model_.Grid().Rows() > 0 ? gridView_->rowHeight(model_.Grid().Rows() - 1) : gridView_->fontMetrics().height();
    sizes.GridFrame = frame + gridView_->horizontalScrollBar()->sizeHint().height() + splitter_->handleWidth();
    const int separator = style()->pixelMetric(QStyle::PM_DockWidgetSeparatorExtent, nullptr, this);
    const int titleBar = chartDock_->height() - chartDock_->widget()->height();
    sizes.DockFrame = titleBar + separator;
    sizes.ChartWidth = chartPane_->ReadableSize().width();
    sizes.ChartHeight = chartPane_->ReadableSize(sizes.Width).height();

    const MainWindowLayout placed = PlaceMainWindowParts(sizes);
    if (placed.Chart == ChartPlace::Beside) {
        addDockWidget(Qt::RightDockWidgetArea, chartDock_);
        resizeDocks({chartDock_}, {placed.ChartSize}, Qt::Horizontal);
    } else if (placed.Chart == ChartPlace::Below) {
        resizeDocks({chartDock_}, {placed.ChartSize + titleBar}, Qt::Vertical);
    } else {
        // Too small a window for a chart that reads: View > Chart says so and shows it apart.
        chartDock_->hide();
        chartWantsRoom_ = true;
        chartDock_->toggleViewAction()->setText("&Chart (no room beside or below the table: opens apart)");
    }
    layout()->activate();
    splitter_->setSizes({placed.SelectionHeight, std::max(1, splitter_->height() - placed.SelectionHeight)});
}

void frmPrimarySelectionForm::ShowChartHiddenForRoom() {
    chartWantsRoom_ = false;
    chartDock_->toggleViewAction()->setText("&Chart");
    chartDock_->setFloating(true);
    const QSize size = chartPane_->ReadableSize(chartPane_->sizeHint().width());
    const QRect window = frameGeometry();
    chartDock_->resize(size.width(), size.height() + chartDock_->height() - chartDock_->widget()->height());
    chartDock_->move(window.right() - chartDock_->width(), window.bottom() - chartDock_->height());
}

void frmPrimarySelectionForm::RefreshChart() {
    if (!model_.ChartWanted() || chartDock_->isHidden()) return;
    try {
        const ChartChoices choices = model_.ChartChoicesOf(chartPane_->ChosenKind());
        chartPane_->SetChoices(choices.Kinds, {choices.Descriptors, choices.DefaultDescriptor},
                               {choices.Ages, choices.DefaultAge});
        const ChartChoice choice{chartPane_->ChosenKind(), chartPane_->ChosenDescriptor(), chartPane_->ChosenAge()};
        chartPane_->ShowChart(model_.ShownChart(choice), FooterDescription(model_.Grid(), TodaysDate()));
    } catch (const std::exception& e) {
        chartPane_->ShowProblem(e.what());
    }
    chartPane_->SetCurrent(model_.GridIsCurrent());
    model_.ChartDrawn();
}

}  // namespace quorvel
