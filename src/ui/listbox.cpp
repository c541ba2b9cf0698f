#include "ui/listbox.h"

#include <QAbstractItemView>
#include <QEvent>

#include "ui/leanstyle.h"
#include "ui/look.h"

namespace ui {
namespace {

// Only the roles set here are the list's own; the others follow the desktop.
QPalette HousePalette()
{
    QPalette house;
    SetColourPairs(house, kHouseBlue, kWhite);
    // The edge of the focused list and the picked entry of the open one.
    house.setColor(QPalette::Highlight, kNavy);
    house.setColor(QPalette::HighlightedText, kWhite);
    return house;
}

}  // namespace

ListBox::ListBox(QWidget* parent) : QComboBox(parent)
{
    setPalette(HousePalette());
    WearHouseFace(this);
}

void ListBox::showPopup()
{
    if (!m_opened) {
        m_opened = true;
        // The open list takes the list's font as it is made. It is the platform's menu-like
        // list, in the menu's colours but for these.
        view()->setPalette(HousePalette());
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
