#include "ToolWidgets.h"

#include <QComboBox>
#include <QHeaderView>
#include <QScreen>
#include <QTableWidget>

namespace quorvel {

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

void ResizeWithinScreen(QWidget& window, const QSize& wanted) {
    // Room for the window manager's frame and a panel.
    const QSize room = window.screen()->availableGeometry().size() * 0.92;
    window.resize(wanted.boundedTo(room));
}

}  // namespace quorvel
