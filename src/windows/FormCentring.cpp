#include "FormCentring.h"

#include <QGuiApplication>
#include <QScreen>
#include <QWidget>

#include "FormPlacement.h"

namespace quorvel {

void CenterTheForm(QWidget& form) {
    const QScreen* screen = form.screen() ? form.screen() : QGuiApplication::primaryScreen();
    if (!screen) return;
    const QRect area = screen->geometry();
    const QSize size = form.frameGeometry().size();
    const FormPlacement position =
        CentredFormPlacement({static_cast<double>(area.width()), static_cast<double>(area.height())},
                             {static_cast<double>(size.width()), static_cast<double>(size.height())});
    form.move(area.left() + static_cast<int>(position.Left), area.top() + static_cast<int>(position.Top));
}

}  // namespace quorvel
