#pragma once
// What the tool windows build alike.

#include <QStringList>

class QComboBox;
class QSize;
class QTableView;
class QTableWidget;
class QWidget;

namespace quorvel {

// A combo box with its object name and items, the item at chosen current.
QComboBox* NamedCombo(const char* name, const QStringList& items, QWidget* parent, int chosen = 0);

// One line of text a row, as dense as the main grid: the style's default leaves room for two.
void UseOneLineRows(QTableWidget& table);

// What the last column does when the columns together are wider than the view: the view
// scrolls, or the column takes the width left and wraps its texts onto more lines.
enum class LastColumn { Scrolls, Wraps };

// Every column as wide as its texts, heading included; room left over is shared by the
// columns after the first, so that the table fills the view's width. Kept so as the view
// is resized. A width given stands for the view's before it is shown. Returned: the size
// the cells need within that width.
QSize FitColumnsToView(QTableView& table, LastColumn last = LastColumn::Scrolls, int width = 0);

// The window at the size wanted, or smaller where its screen has less room, so that its
// buttons stay on a small screen.
void ResizeWithinScreen(QWidget& window, const QSize& wanted);
// The size wanted, bounded by the room of the window's screen.
QSize WithinScreen(const QWidget& window, const QSize& wanted);

}  // namespace quorvel
