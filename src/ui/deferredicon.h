#pragma once
// A style's standard icon that is read only when it is first drawn or measured.
//
// The menu bar's overflow arrow, built with every menu bar but shown only when the menu titles
// do not fit (never, on our fixed-size windows), would otherwise be read at start-up: reading an
// image by file name makes Qt's image reader load every image-format plugin installed (JPEG,
// GIF, ICO, SVG...) to ask whether it wants the file, which costs start-up time and memory.
#include <QIcon>
#include <QStyle>

namespace ui {

// The icon that style->standardIcon(icon, option, widget) gives, asked for only when a size, a
// pixmap or a painting is wanted. The option is copied and the widget and the style guarded:
// the icon may be drawn long after this call.
QIcon DeferredStandardIcon(const QStyle* style, QStyle::StandardPixmap icon, const QStyleOption* option,
                           const QWidget* widget);

}  // namespace ui
