#pragma once
// The platform's own style, with the house's buttons and drop-down lists drawn in its own
// "graphical" look, and without the two image reads the platform style makes on every start.
//
// House buttons and lists (HouseButton, ListBox) look the same on every platform style: a flat
// face with a two-pixel raised edge (buttons, sunken while held down) or a one-pixel line
// (lists), all in the colours of the widget's palette: the face is Button, its text and the
// list's arrow ButtonText, the edges shades of the face, and the edge of a focused list
// Highlight, as is the picked entry of the open list. The style only draws; the controls choose
// their colours (colours.h).
//
// Drawn here rather than by style sheets: a style sheet puts a style of its own between the
// widget and the palette, so the widget no longer follows it, and costs start-up time.
//
// Captioned frames (group boxes) are drawn as the Windows style draws them, over Fusion too: a
// thin etched border with the caption set into its top line, and the inside left in the
// frame's own colour (Fusion lays a translucent frame image over it and puts the caption above
// the box).
//
// The menu bar's overflow arrow, built with every menu bar but shown only when the menu titles
// do not fit (never, on our fixed-size windows), is read when it is first drawn: reading an
// image by file name makes Qt's image reader load every image-format plugin installed (JPEG,
// GIF, ICO, SVG...) to ask whether it wants the file, which costs start-up time and memory.
#include <QProxyStyle>

namespace ui {

// A house button or list, which LeanStyle draws in the house look.
bool IsHouseControl(const QWidget* widget);

class LeanStyle : public QProxyStyle {
public:
    using QProxyStyle::QProxyStyle;

    QIcon standardIcon(StandardPixmap icon, const QStyleOption* option = nullptr,
                       const QWidget* widget = nullptr) const override;
    void drawPrimitive(PrimitiveElement element, const QStyleOption* option, QPainter* painter,
                       const QWidget* widget = nullptr) const override;
    void drawControl(ControlElement element, const QStyleOption* option, QPainter* painter,
                     const QWidget* widget = nullptr) const override;
    void drawComplexControl(ComplexControl control, const QStyleOptionComplex* option, QPainter* painter,
                            const QWidget* widget = nullptr) const override;
    QRect subControlRect(ComplexControl control, const QStyleOptionComplex* option, SubControl subControl,
                         const QWidget* widget = nullptr) const override;
    int styleHint(StyleHint hint, const QStyleOption* option = nullptr, const QWidget* widget = nullptr,
                  QStyleHintReturn* returnData = nullptr) const override;

private:
    // Whether the platform style draws frames its own way, which the Windows style's replaces.
    bool overFusion() const;
};

}  // namespace ui
