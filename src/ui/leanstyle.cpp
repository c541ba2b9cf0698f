#include "ui/leanstyle.h"

#include <QIconEngine>
#include <QPainter>
#include <QPainterPath>
#include <QPointer>
#include <QStyleOption>
#include <QWidget>
#include <functional>
#include <optional>

#include "ui/housebutton.h"
#include "ui/listbox.h"

namespace ui {
namespace {

// Asks the style for the real icon only when a size, a pixmap or a painting is wanted.
class DeferredIconEngine : public QIconEngine {
public:
    explicit DeferredIconEngine(std::function<QIcon()> load) : m_load(std::move(load)) {}

    void paint(QPainter* painter, const QRect& rect, QIcon::Mode mode, QIcon::State state) override
    {
        icon().paint(painter, rect, Qt::AlignCenter, mode, state);
    }
    QPixmap pixmap(const QSize& size, QIcon::Mode mode, QIcon::State state) override
    {
        return icon().pixmap(size, mode, state);
    }
    QPixmap scaledPixmap(const QSize& size, QIcon::Mode mode, QIcon::State state, qreal scale) override
    {
        return icon().pixmap(size, scale, mode, state);
    }
    QSize actualSize(const QSize& size, QIcon::Mode mode, QIcon::State state) override
    {
        return icon().actualSize(size, mode, state);
    }
    QList<QSize> availableSizes(QIcon::Mode mode, QIcon::State state) override
    {
        return icon().availableSizes(mode, state);
    }
    QIconEngine* clone() const override { return new DeferredIconEngine(*this); }

private:
    const QIcon& icon()
    {
        if (!m_icon)
            m_icon = m_load();
        return *m_icon;
    }

    std::function<QIcon()> m_load;
    std::optional<QIcon> m_icon;
};

constexpr int kButtonEdge = 2;
constexpr int kListEdge = 1;
constexpr int kListPadding = 4;
// The drop-down button at the right: its one-pixel left line and the arrow's 14 pixels.
constexpr int kDropDownWidth = 15;
constexpr QSize kArrowSize{8, 5};

// A raised edge (sunken when pressed) of the given width: the top and left sides in a lighter
// shade of its colour, each side a trapezoid meeting its neighbours at the corners.
void DrawEdge(QPainter* painter, const QRectF& rect, qreal width, const QColor& colour, bool sunken)
{
    const QColor light = colour.lighter();
    const qreal left = rect.left();
    const qreal top = rect.top();
    const qreal right = rect.left() + rect.width();
    const qreal bottom = rect.top() + rect.height();
    const struct Side {
        QPolygonF quad;
        bool lit;
    } sides[] = {
        // Painted bottom, right, left, top: each later side lies over the earlier at a corner.
        {QPolygonF({{left + width, bottom - width}, {left, bottom}, {right, bottom}, {right - width, bottom - width}}),
         sunken},
        {QPolygonF({{right - width, top + width}, {right - width, bottom - width}, {right, bottom}, {right, top}}),
         sunken},
        {QPolygonF({{left, top}, {left, bottom}, {left + width, bottom - width}, {left + width, top + width}}),
         !sunken},
        {QPolygonF({{left, top}, {left + width, top + width}, {right - width, top + width}, {right, top}}), !sunken},
    };
    painter->save();
    painter->setRenderHint(QPainter::Antialiasing);
    painter->setPen(Qt::NoPen);
    for (const Side& side : sides) {
        painter->setBrush(side.lit ? light : colour);
        painter->drawConvexPolygon(side.quad);
    }
    painter->restore();
}

void DrawHouseButton(const QStyle* style, const QStyleOptionButton& button, QPainter* painter, const QWidget* widget)
{
    const QColor face = button.palette.color(QPalette::Button);
    const bool focused = (button.state & QStyle::State_HasFocus) != 0;
    painter->fillRect(button.rect, face);
    // Shades taken to 8 bits a channel before they are shaded again, as a colour name would be.
    const QColor edge = QColor((focused ? face.darker(160) : face.lighter(130)).rgb());
    DrawEdge(painter, button.rect, kButtonEdge, edge, (button.state & (QStyle::State_Sunken | QStyle::State_On)) != 0);

    const QRect inside = button.rect.adjusted(kButtonEdge, kButtonEdge, -kButtonEdge, -kButtonEdge);
    int flags = Qt::AlignCenter | Qt::TextShowMnemonic;
    if (style->styleHint(QStyle::SH_UnderlineShortcut, &button, widget) == 0)
        flags |= Qt::TextHideMnemonic;
    style->drawItemText(painter, inside, flags, button.palette, (button.state & QStyle::State_Enabled) != 0,
                        button.text, QPalette::ButtonText);
    if (focused) {
        QStyleOptionFocusRect focus;
        focus.QStyleOption::operator=(button);
        focus.rect = inside;
        style->drawPrimitive(QStyle::PE_FrameFocusRect, &focus, painter, widget);
    }
}

void DrawHouseList(const QStyle* style, const QStyleOptionComboBox& list, QPainter* painter, const QWidget* widget)
{
    const QColor face = list.palette.color(QPalette::Button);
    const QColor line = QColor(face.darker(140).rgb());
    const QRect& rect = list.rect;
    painter->fillRect(rect, face);
    const QColor edge = (list.state & QStyle::State_HasFocus) != 0 ? list.palette.color(QPalette::Highlight) : line;
    for (const QRect& side :
         {QRect(rect.left(), rect.bottom(), rect.width(), 1), QRect(rect.right(), rect.top(), 1, rect.height()),
          QRect(rect.left(), rect.top(), 1, rect.height()), QRect(rect.left(), rect.top(), rect.width(), 1)})
        painter->fillRect(side, edge);

    const QRect button = style->subControlRect(QStyle::CC_ComboBox, &list, QStyle::SC_ComboBoxArrow, widget);
    painter->fillRect(QRect(button.left(), button.top(), 1, button.height()), line);
    // Centred in the drop-down button, right of its one-pixel left border.
    const QRect arrow =
        QStyle::alignedRect(list.direction, Qt::AlignCenter, kArrowSize, button.adjusted(kListEdge, 0, 0, 0));
    QPainterPath triangle;
    triangle.moveTo(arrow.left(), arrow.top());
    triangle.lineTo(arrow.left() + kArrowSize.width(), arrow.top());
    triangle.lineTo(arrow.left() + kArrowSize.width() / 2.0, arrow.top() + kArrowSize.height());
    triangle.closeSubpath();
    painter->save();
    painter->setRenderHint(QPainter::Antialiasing);
    painter->fillPath(triangle, list.palette.color(QPalette::ButtonText));
    painter->restore();
}

void DrawHouseListText(const QStyle* style, const QStyleOptionComboBox& list, QPainter* painter, const QWidget* widget)
{
    const QRect field = style->subControlRect(QStyle::CC_ComboBox, &list, QStyle::SC_ComboBoxEditField, widget);
    painter->save();
    painter->setClipRect(field);
    style->drawItemText(painter, field, int(list.textAlignment), list.palette,
                        (list.state & QStyle::State_Enabled) != 0, list.currentText, QPalette::ButtonText);
    painter->restore();
}

}  // namespace

bool IsHouseControl(const QWidget* widget)
{
    return qobject_cast<const HouseButton*>(widget) != nullptr || qobject_cast<const ListBox*>(widget) != nullptr;
}

namespace {

// Whether the item view is the open list of a house list, which is the list's child.
bool IsHouseOpenList(const QWidget* view)
{
    for (const QWidget* up = view; up != nullptr; up = up->parentWidget()) {
        if (qobject_cast<const ListBox*>(up) != nullptr)
            return true;
    }
    return false;
}

}  // namespace

bool LeanStyle::overFusion() const
{
    return baseStyle()->name().compare(QLatin1String("fusion"), Qt::CaseInsensitive) == 0;
}

QIcon LeanStyle::standardIcon(StandardPixmap icon, const QStyleOption* option, const QWidget* widget) const
{
    if (icon != SP_ToolBarHorizontalExtensionButton && icon != SP_ToolBarVerticalExtensionButton)
        return QProxyStyle::standardIcon(icon, option, widget);
    // The option and the widget are copied or guarded: the icon may be drawn long after.
    std::optional<QStyleOption> copied;
    if (option != nullptr)
        copied = *option;
    QPointer<const QWidget> guarded(widget);
    QPointer<const QStyle> style(baseStyle());
    return QIcon(new DeferredIconEngine([icon, copied, guarded, style] {
        return style ? style->standardIcon(icon, copied ? &*copied : nullptr, guarded.data()) : QIcon();
    }));
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
    QProxyStyle::drawControl(element, option, painter, widget);
}

void LeanStyle::drawComplexControl(ComplexControl control, const QStyleOptionComplex* option, QPainter* painter,
                                   const QWidget* widget) const
{
    if (control == CC_GroupBox && overFusion()) {
        // NOLINTNEXTLINE(bugprone-parent-virtual-call): past Fusion, on purpose.
        return QCommonStyle::drawComplexControl(control, option, painter, widget);
    }
    if (const auto* list = qstyleoption_cast<const QStyleOptionComboBox*>(option);
        list != nullptr && control == CC_ComboBox && IsHouseControl(widget))
        return DrawHouseList(this, *list, painter, widget);
    QProxyStyle::drawComplexControl(control, option, painter, widget);
}

QRect LeanStyle::subControlRect(ComplexControl control, const QStyleOptionComplex* option, SubControl subControl,
                                const QWidget* widget) const
{
    if (control == CC_ComboBox && IsHouseControl(widget)) {
        const QRect inside = option->rect.adjusted(kListEdge, kListEdge, -kListEdge, -kListEdge);
        switch (subControl) {
        case SC_ComboBoxFrame:
            return option->rect;
        case SC_ComboBoxEditField:
            return visualRect(option->direction, inside,
                              inside.adjusted(kListPadding, 0, -kListPadding - kDropDownWidth, 0));
        case SC_ComboBoxArrow:
            return alignedRect(option->direction, Qt::AlignRight | Qt::AlignTop, QSize(kDropDownWidth, inside.height()),
                               inside);
        default:
            break;
        }
    }
    if (control == CC_GroupBox && overFusion()) {
        // NOLINTNEXTLINE(bugprone-parent-virtual-call): past Fusion, on purpose.
        return QCommonStyle::subControlRect(control, option, subControl, widget);
    }
    return QProxyStyle::subControlRect(control, option, subControl, widget);
}

int LeanStyle::styleHint(StyleHint hint, const QStyleOption* option, const QWidget* widget,
                         QStyleHintReturn* returnData) const
{
    // The caption sits across the frame's top line.
    if (hint == SH_GroupBox_TextLabelVerticalAlignment && overFusion()) {
        // NOLINTNEXTLINE(bugprone-parent-virtual-call): past Fusion, on purpose.
        return QCommonStyle::styleHint(hint, option, widget, returnData);
    }
    return QProxyStyle::styleHint(hint, option, widget, returnData);
}

void LeanStyle::drawPrimitive(PrimitiveElement element, const QStyleOption* option, QPainter* painter,
                              const QWidget* widget) const
{
    // The picked entry of an open house list, drawn as a view's entry: on the list's Highlight.
    if (element == PE_PanelItemViewItem && IsHouseOpenList(widget)) {
        if ((option->state & State_Selected) != 0)
            painter->fillRect(option->rect, option->palette.color(QPalette::Highlight));
        return;
    }
    if (element == PE_FrameGroupBox && overFusion()) {
        // NOLINTNEXTLINE(bugprone-parent-virtual-call): past Fusion, on purpose.
        return QCommonStyle::drawPrimitive(element, option, painter, widget);
    }
    QProxyStyle::drawPrimitive(element, option, painter, widget);
}

}  // namespace ui
