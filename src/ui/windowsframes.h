#pragma once
// Captioned frames (group boxes) drawn as the Windows style draws them, over Fusion too: a thin
// etched border with the caption set into its top line, and the inside left in the frame's own
// colour (Fusion lays a translucent frame image over it and puts the caption above the box).
// Under any other platform style, frames are the platform's own.
#include <QProxyStyle>

namespace ui {

class WindowsFramesStyle : public QProxyStyle {
public:
    using QProxyStyle::QProxyStyle;

    void drawPrimitive(PrimitiveElement element, const QStyleOption* option, QPainter* painter,
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
