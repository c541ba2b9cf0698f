#pragma once
// Placement in twips, the design's unit (1/1440 inch): 15 twips to a logical pixel, and Qt's
// high-DPI scaling takes logical pixels to the screen's. Every rectangle is given as the English
// window has it; under a right-to-left language it is mirrored inside its parent here, once, as
// the desktop mirrors a whole program.
#include <QLatin1String>
#include <QRect>

class QWidget;

namespace ui {

inline constexpr int kTwipsPerPixel = 15;

constexpr int Twips(int twips)
{
    return twips / kTwipsPerPixel;
}
constexpr QRect TwipsRect(int left, int top, int width, int height)
{
    return {Twips(left), Twips(top), Twips(width), Twips(height)};
}

// Places a control at its left-to-right rectangle in pixels, mirrored inside its parent when the
// parent lays out right to left. The parent must have its size already.
void PlaceRect(QWidget* widget, const QRect& leftToRight);
void PlaceTwips(QWidget* widget, int left, int top, int width, int height);
// PlaceTwips, returning the widget so that a control is built, named and placed in one line.
template <typename W>
W* Place(W* widget, int left, int top, int width, int height)
{
    PlaceTwips(widget, left, top, width, height);
    return widget;
}
template <typename W>
W* Place(W* widget, const char* objectName, int left, int top, int width, int height)
{
    widget->setObjectName(QLatin1String(objectName));
    return Place(widget, left, top, width, height);
}
// A control sized to its own content, its design corner at (left, top): right to left, the
// corner that stays is the mirrored one.
void PlaceSizedToContent(QWidget* widget, int left, int top);
void SetClientSizeTwips(QWidget* window, int width, int height);

}  // namespace ui
