#pragma once
// The program's style: the platform's own, with the house's buttons and drop-down lists drawn
// in its own "graphical" look (housedrawing.h), frames drawn as the Windows style draws them
// (windowsframes.h), and the menu bar's overflow arrow read only when it is drawn
// (deferredicon.h), which spares the start-up two image reads.
#include "ui/windowsframes.h"

namespace ui {

class LeanStyle : public WindowsFramesStyle {
public:
    using WindowsFramesStyle::WindowsFramesStyle;

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
};

}  // namespace ui
