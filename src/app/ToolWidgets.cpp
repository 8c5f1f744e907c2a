#include "ToolWidgets.h"

#include <QComboBox>
#include <QHeaderView>
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

}  // namespace quorvel
