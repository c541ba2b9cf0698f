#pragma once
// The program's icon, drawn from resources/icon.svg at build time in each size it is shown.
#include <QIcon>
#include <QPixmap>

namespace ui {

// Every size, shared by every window.
QIcon ProgramIcon();
// The icon for a picture box of size x size logical pixels, drawn for the given scale.
QPixmap ProgramPixmap(int size, qreal devicePixelRatio = 1.0);

}  // namespace ui
