#include "ui/leanstyle.h"

#include <QStyleOption>

#include "ui/deferredicon.h"
#include "ui/housedrawing.h"

namespace ui {

QIcon LeanStyle::standardIcon(StandardPixmap icon, const QStyleOption* option, const QWidget* widget) const
{
    if (icon != SP_ToolBarHorizontalExtensionButton && icon != SP_ToolBarVerticalExtensionButton)
        return WindowsFramesStyle::standardIcon(icon, option, widget);
    return DeferredStandardIcon(baseStyle(), icon, option, widget);
}

void LeanStyle::drawPrimitive(PrimitiveElement element, const QStyleOption* option, QPainter* painter,
                              const QWidget* widget) const
{
    if (element == PE_PanelItemViewItem && IsHouseOpenList(widget))
        return DrawHouseOpenListEntry(*option, painter);
    WindowsFramesStyle::drawPrimitive(element, option, painter, widget);
}

void LeanStyle::drawControl(ControlElement element, const QStyleOption* option, QPainter* painter,
                            const QWidget* widget) const
{
    // An entry of an open house list, where the platform style draws the entries as a view's:
    // drawn plainly from the list's palette (the Windows style puts a shade of the list's own
    // face in place of its Highlight).
    if (element == CE_ItemViewItem && IsHouseOpenList(widget)) {
        // NOLINTNEXTLINE(bugprone-parent-virtual-call): past the platform style, on purpose.
        return QCommonStyle::drawControl(element, option, painter, widget);
    }
    if (IsHouseControl(widget)) {
        if (const auto* button = qstyleoption_cast<const QStyleOptionButton*>(option);
            button != nullptr && element == CE_PushButton)
            return DrawHouseButton(this, *button, painter, widget);
        if (const auto* list = qstyleoption_cast<const QStyleOptionComboBox*>(option);
            list != nullptr && element == CE_ComboBoxLabel)
            return DrawHouseListText(this, *list, painter, widget);
    }
    WindowsFramesStyle::drawControl(element, option, painter, widget);
}

void LeanStyle::drawComplexControl(ComplexControl control, const QStyleOptionComplex* option, QPainter* painter,
                                   const QWidget* widget) const
{
    if (const auto* list = qstyleoption_cast<const QStyleOptionComboBox*>(option);
        list != nullptr && control == CC_ComboBox && IsHouseControl(widget))
        return DrawHouseList(this, *list, painter, widget);
    WindowsFramesStyle::drawComplexControl(control, option, painter, widget);
}

QRect LeanStyle::subControlRect(ComplexControl control, const QStyleOptionComplex* option, SubControl subControl,
                                const QWidget* widget) const
{
    if (control == CC_ComboBox && IsHouseControl(widget)) {
        if (const std::optional<QRect> part = HouseListRect(*option, subControl))
            return *part;
    }
    return WindowsFramesStyle::subControlRect(control, option, subControl, widget);
}

}  // namespace ui
