#pragma once
// The button face of the platform's default light look (buttonface_unix.cpp, buttonface_win.cpp).
#include <QColor>

namespace platform {

QColor DefaultButtonFace();

}  // namespace platform
