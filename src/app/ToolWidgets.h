#pragma once
// Widgets the tool windows (explore, compare, compare picker) build alike.

#include <QStringList>

class QComboBox;
class QTableWidget;
class QWidget;

namespace quorvel {

// A combo box with its object name and items, the item at chosen current.
QComboBox* NamedCombo(const char* name, const QStringList& items, QWidget* parent, int chosen = 0);

// One line of text a row, as dense as the main grid: the style's default leaves room for two.
void UseOneLineRows(QTableWidget& table);

}  // namespace quorvel
