#include "ui/colours.h"

#include <QApplication>
#include <QPalette>
#include <QWidget>

namespace ui {
namespace {

const char* const kFollowsDesktop = "followsDesktop";

void TakeDesktopPalette(QWidget* control)
{
    // Every role marked as the control's own: a role left unmarked would come from the window.
    QPalette desktop = QApplication::palette(control);
    desktop.setResolveMask(~QPalette::ResolveMask{0});
    control->setPalette(desktop);
}

}  // namespace

void Wear(QWidget* control, const ColourPair& pair, Backdrop backdrop)
{
    QPalette palette = control->palette();
    for (const auto role : {QPalette::Window, QPalette::Base, QPalette::Button})
        palette.setColor(role, pair.background);
    for (const auto role : {QPalette::WindowText, QPalette::Text, QPalette::ButtonText})
        palette.setColor(role, pair.text);
    control->setPalette(palette);
    control->setAutoFillBackground(backdrop == Backdrop::Filled);
}

void WearPicked(QWidget* list, const ColourPair& pair)
{
    QPalette palette = list->palette();
    palette.setColor(QPalette::Highlight, pair.background);
    palette.setColor(QPalette::HighlightedText, pair.text);
    list->setPalette(palette);
}

void FollowDesktop(QWidget* control)
{
    control->setProperty(kFollowsDesktop, true);
    TakeDesktopPalette(control);
}

void FollowDesktopAgain(QWidget* window)
{
    for (QWidget* control : window->findChildren<QWidget*>()) {
        if (control->property(kFollowsDesktop).toBool())
            TakeDesktopPalette(control);
    }
}

}  // namespace ui
