#include "ui/form.h"

#include <QGuiApplication>
#include <QScreen>

#include "ui/programicon.h"

namespace ui {

void NameWindow(QWidget* window, const QString& objectName)
{
    window->setObjectName(objectName);
    window->setWindowTitle(kWindowCaption);
    window->setWindowIcon(ProgramIcon());
}

void CenterOnScreen(QWidget* window)
{
    const QScreen* screen = window->screen() ? window->screen() : QGuiApplication::primaryScreen();
    if (screen == nullptr)
        return;
    // A window's move() places its frame's top-left corner.
    window->move(PlaceOnScreen(window->frameGeometry().size(), screen->availableGeometry()));
}

QPoint PlaceOnScreen(const QSize& frame, const QRect& available)
{
    const auto axis = [](int start, int length, int size) {
        return size > length ? start : start + (length - size) / 2;
    };
    return {axis(available.x(), available.width(), frame.width()),
            axis(available.y(), available.height(), frame.height())};
}

}  // namespace ui
