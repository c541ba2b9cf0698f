#include "ui/listbox.h"

#include <QAbstractItemView>

#include "ui/leanstyle.h"
#include "ui/look.h"

namespace ui {

ListBox::ListBox(QWidget* parent) : QComboBox(parent)
{
    // Only the roles set here are the list's own; the others follow the desktop.
    QPalette house;
    for (const auto role : {QPalette::Window, QPalette::Base, QPalette::Button})
        house.setColor(role, kHouseBlue);
    for (const auto role : {QPalette::WindowText, QPalette::Text, QPalette::ButtonText, QPalette::HighlightedText})
        house.setColor(role, kWhite);
    // The edge of the focused list and the picked entry of the open one.
    house.setColor(QPalette::Highlight, kNavy);
    setPalette(house);
    // The open list is the platform's menu-like list: it takes the menu's colours but for these.
    view()->setPalette(house);
    WearHouseFace(this);
}

}  // namespace ui
