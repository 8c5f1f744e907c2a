#include "FormCentring.h"

#include <QGuiApplication>
#include <QScreen>
#include <QWidget>
#include <algorithm>

namespace quorvel {

FormPosition CentredFormPosition(double screenWidth, double screenHeight, double formWidth, double formHeight) {
    FormPosition position;
    position.Top = std::max((screenHeight - formHeight) / 2, 0.0);
    position.Left = std::max((screenWidth - formWidth) / 2, 0.0);
    return position;
}

void CenterTheForm(QWidget& form) {
    const QScreen* screen = form.screen() ? form.screen() : QGuiApplication::primaryScreen();
    if (!screen) return;
    const QRect area = screen->geometry();
    const QSize size = form.frameGeometry().size();
    const FormPosition position = CentredFormPosition(area.width(), area.height(), size.width(), size.height());
    form.move(area.left() + static_cast<int>(position.Left), area.top() + static_cast<int>(position.Top));
}

}  // namespace quorvel
