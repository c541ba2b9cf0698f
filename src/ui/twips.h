#pragma once
// Placement in twips, the design's unit (1/1440 inch): 15 twips to a logical pixel, and Qt's
// high-DPI scaling takes logical pixels to the screen's.
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
void SetClientSizeTwips(QWidget* window, int width, int height);

}  // namespace ui
