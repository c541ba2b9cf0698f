#include "ui/listbox.h"

#include <QAbstractItemView>
#include <QEvent>

#include "ui/colours.h"

namespace ui {
namespace {

// Only the roles set here are the list's own; the others follow the desktop.
void WearListColours(QWidget* list)
{
    Wear(list, kHouse, Backdrop::AsDrawn);
    WearPicked(list, kPicked);
}

}  // namespace

ListBox::ListBox(QWidget* parent) : QComboBox(parent)
{
    WearListColours(this);
}

void ListBox::showPopup()
{
    if (!m_opened) {
        m_opened = true;
        // The open list takes the list's font as it is made. It is the platform's menu-like
        // list, in the menu's colours but for these.
        WearListColours(view());
    }
    QComboBox::showPopup();
}

void ListBox::changeEvent(QEvent* event)
{
    if (event->type() == QEvent::FontChange && !m_opened) {
        // NOLINTNEXTLINE(bugprone-parent-virtual-call): the list's own handling makes the popup.
        QWidget::changeEvent(event);
        return;
    }
    QComboBox::changeEvent(event);
}

}  // namespace ui
