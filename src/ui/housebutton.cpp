#include "ui/housebutton.h"

#include "ui/colours.h"

namespace ui {

HouseButton::HouseButton(const QString& caption, QWidget* parent) : QPushButton(caption, parent)
{
    setAccessibleName(QString(caption).remove(QLatin1Char('&')));
    Wear(this, kHouse, Backdrop::AsDrawn);
    // Outside a dialog Qt's buttons ignore Enter unless they are auto-default; no window-wide
    // default comes of it.
    setAutoDefault(true);
}

}  // namespace ui
