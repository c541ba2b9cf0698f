#include "ui/housedrawing.h"

#include <QPainter>
#include <QPainterPath>
#include <QStyleOption>
#include <QWidget>

#include "ui/housebutton.h"
#include "ui/listbox.h"

namespace ui {
namespace {

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

}  // namespace

bool IsHouseControl(const QWidget* widget)
{
    return qobject_cast<const HouseButton*>(widget) != nullptr || qobject_cast<const ListBox*>(widget) != nullptr;
}

bool IsHouseOpenList(const QWidget* view)
{
    for (const QWidget* up = view; up != nullptr; up = up->parentWidget()) {
        if (qobject_cast<const ListBox*>(up) != nullptr)
            return true;
    }
    return false;
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

void DrawHouseOpenListEntry(const QStyleOption& entry, QPainter* painter)
{
    if ((entry.state & QStyle::State_Selected) != 0)
        painter->fillRect(entry.rect, entry.palette.color(QPalette::Highlight));
}

std::optional<QRect> HouseListRect(const QStyleOptionComplex& list, QStyle::SubControl part)
{
    const QRect inside = list.rect.adjusted(kListEdge, kListEdge, -kListEdge, -kListEdge);
    switch (part) {
    case QStyle::SC_ComboBoxFrame:
        return list.rect;
    case QStyle::SC_ComboBoxEditField:
        return QStyle::visualRect(list.direction, inside,
                                  inside.adjusted(kListPadding, 0, -kListPadding - kDropDownWidth, 0));
    case QStyle::SC_ComboBoxArrow:
        return QStyle::alignedRect(list.direction, Qt::AlignRight | Qt::AlignTop,
                                   QSize(kDropDownWidth, inside.height()), inside);
    default:
        return std::nullopt;
    }
}

}  // namespace ui
