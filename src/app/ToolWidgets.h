#pragma once
// What the tool windows build alike.

#include <QStringList>

class QComboBox;
class QSize;
class QTableWidget;
class QWidget;

namespace quorvel {

// A combo box with its object name and items, the item at chosen current.
QComboBox* NamedCombo(const char* name, const QStringList& items, QWidget* parent, int chosen = 0);

// One line of text a row, as dense as the main grid: the style's default leaves room for two.
void UseOneLineRows(QTableWidget& table);

// The window at the size wanted, or smaller where its screen has less room, so that its
// buttons stay on a small screen.
void ResizeWithinScreen(QWidget& window, const QSize& wanted);

}  // namespace quorvel
