#include "ToolWidgets.h"

#include <QComboBox>
#include <QEvent>
#include <QHeaderView>
#include <QScreen>
#include <QTableWidget>
#include <algorithm>

namespace quorvel {

namespace {

// A wrapped column keeps room for a few words a line.
constexpr int LeastWrappedWidth = 160;

// The columns fitted into the room (the view's width where none is given); the size the
// cells need then, within the room.
QSize FitColumns(QTableView& table, LastColumn last, int room = 0) {
    const int columns = table.model() ? table.model()->columnCount() : 0;
    const int rows = table.model() ? table.model()->rowCount() : 0;
    if (columns == 0) return {};
    if (room <= 0) room = table.viewport()->width();
    table.resizeColumnsToContents();
    int used = 0;
    for (int c = 0; c < columns; ++c) used += table.columnWidth(c);
    if (used > room && last == LastColumn::Wraps) {
        const int width = table.columnWidth(columns - 1);
        table.setColumnWidth(columns - 1, std::max(LeastWrappedWidth, width - (used - room)));
    } else if (used < room && columns > 1) {
        const int spread = columns - 1;
        for (int c = 1; c < columns; ++c)
            table.setColumnWidth(c,
                                 table.columnWidth(c) + (room - used) / spread + (c <= (room - used) % spread ? 1 : 0));
    }
    // Rows as high as their wrapped texts, and no higher once the view has widened again.
    if (last == LastColumn::Wraps) table.resizeRowsToContents();
    int height = table.horizontalHeader()->isHidden() ? 0 : table.horizontalHeader()->sizeHint().height();
    for (int r = 0; r < rows; ++r) height += table.rowHeight(r);
    return {std::min(used, room), height};
}

// Fits the columns again whenever the view changes its width.
class ColumnFitter : public QObject {
public:
    ColumnFitter(QTableView& table, LastColumn last) : QObject(&table), table_(table), last_(last) {
        setObjectName("ColumnFitter");
        table.viewport()->installEventFilter(this);
    }
    void SetLast(LastColumn last) { last_ = last; }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::Resize) FitColumns(table_, last_);
        return QObject::eventFilter(watched, event);
    }

private:
    QTableView& table_;
    LastColumn last_;
};

}  // namespace

QComboBox* NamedCombo(const char* name, const QStringList& items, QWidget* parent, int chosen) {
    auto* combo = new QComboBox(parent);
    combo->setObjectName(name);
    combo->addItems(items);
    combo->setCurrentIndex(chosen);
    return combo;
}

void UseOneLineRows(QTableWidget& table) {
    table.verticalHeader()->setDefaultSectionSize(table.fontMetrics().height() + 6);
}

QSize FitColumnsToView(QTableView& table, LastColumn last, int width) {
    if (last == LastColumn::Wraps) table.setWordWrap(true);
    if (auto* fitter = table.findChild<QObject*>("ColumnFitter", Qt::FindDirectChildrenOnly))
        static_cast<ColumnFitter*>(fitter)->SetLast(last);
    else
        new ColumnFitter(table, last);
    return FitColumns(table, last, width);
}

QSize WithinScreen(const QWidget& window, const QSize& wanted) {
    // Room for the window manager's frame and a panel.
    return wanted.boundedTo(window.screen()->availableGeometry().size() * 0.92);
}

void ResizeWithinScreen(QWidget& window, const QSize& wanted) { window.resize(WithinScreen(window, wanted)); }

}  // namespace quorvel
