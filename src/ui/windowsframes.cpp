#include "ui/windowsframes.h"

namespace ui {

// The Windows style draws frames as QCommonStyle does: past Fusion to it, on purpose.

bool WindowsFramesStyle::overFusion() const
{
    return baseStyle()->name().compare(QLatin1String("fusion"), Qt::CaseInsensitive) == 0;
}

void WindowsFramesStyle::drawPrimitive(PrimitiveElement element, const QStyleOption* option, QPainter* painter,
                                       const QWidget* widget) const
{
    if (element == PE_FrameGroupBox && overFusion()) {
        // NOLINTNEXTLINE(bugprone-parent-virtual-call)
        return QCommonStyle::drawPrimitive(element, option, painter, widget);
    }
    QProxyStyle::drawPrimitive(element, option, painter, widget);
}

void WindowsFramesStyle::drawComplexControl(ComplexControl control, const QStyleOptionComplex* option,
                                            QPainter* painter, const QWidget* widget) const
{
    if (control == CC_GroupBox && overFusion()) {
        // NOLINTNEXTLINE(bugprone-parent-virtual-call)
        return QCommonStyle::drawComplexControl(control, option, painter, widget);
    }
    QProxyStyle::drawComplexControl(control, option, painter, widget);
}

QRect WindowsFramesStyle::subControlRect(ComplexControl control, const QStyleOptionComplex* option,
                                         SubControl subControl, const QWidget* widget) const
{
    if (control == CC_GroupBox && overFusion()) {
        // NOLINTNEXTLINE(bugprone-parent-virtual-call)
        return QCommonStyle::subControlRect(control, option, subControl, widget);
    }
    return QProxyStyle::subControlRect(control, option, subControl, widget);
}

int WindowsFramesStyle::styleHint(StyleHint hint, const QStyleOption* option, const QWidget* widget,
                                  QStyleHintReturn* returnData) const
{
    // The caption sits across the frame's top line.
    if (hint == SH_GroupBox_TextLabelVerticalAlignment && overFusion()) {
        // NOLINTNEXTLINE(bugprone-parent-virtual-call)
        return QCommonStyle::styleHint(hint, option, widget, returnData);
    }
    return QProxyStyle::styleHint(hint, option, widget, returnData);
}

}  // namespace ui
