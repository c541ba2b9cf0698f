#include "ui/listbox.h"

#include <QPainter>
#include <QPainterPath>
#include <QStyle>
#include <QStyleOptionComboBox>

#include "ui/look.h"

namespace ui {
namespace {

constexpr QSize kArrowSize{8, 5};

}  // namespace

ListBox::ListBox(QWidget* parent) : QComboBox(parent)
{
    const QString edge = kHouseBlue.darker(140).name();
    setStyleSheet(QStringLiteral("QComboBox { background-color: %1; color: %2; border: 1px solid %3;"
                                 " padding: 0px 4px; }"
                                 "QComboBox:focus { border-color: %4; }"
                                 "QComboBox::drop-down { border-left: 1px solid %3; width: 14px; }"
                                 "QComboBox::down-arrow { image: none; }"
                                 "QComboBox QAbstractItemView { background-color: %1; color: %2;"
                                 " selection-background-color: %4; selection-color: %2; }")
                      .arg(kHouseBlue.name(), kWhite.name(), edge, kNavy.name()));
}

void ListBox::paintEvent(QPaintEvent* event)
{
    QComboBox::paintEvent(event);
    QStyleOptionComboBox option;
    initStyleOption(&option);
    // Centred in the drop-down button, right of its one-pixel left border.
    const QRect button =
        style()->subControlRect(QStyle::CC_ComboBox, &option, QStyle::SC_ComboBoxArrow, this).adjusted(1, 0, 0, 0);
    const QRect arrow = QStyle::alignedRect(layoutDirection(), Qt::AlignCenter, kArrowSize, button);
    QPainterPath triangle;
    triangle.moveTo(arrow.left(), arrow.top());
    triangle.lineTo(arrow.left() + kArrowSize.width(), arrow.top());
    triangle.lineTo(arrow.left() + kArrowSize.width() / 2.0, arrow.top() + kArrowSize.height());
    triangle.closeSubpath();
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.fillPath(triangle, kWhite);
}

}  // namespace ui
