#include "ui/twips.h"

#include <QStyle>
#include <QWidget>

namespace ui {

void PlaceRect(QWidget* widget, const QRect& leftToRight)
{
    const QWidget* parent = widget->parentWidget();
    if (parent == nullptr) {
        widget->setGeometry(leftToRight);
        return;
    }
    widget->setGeometry(QStyle::visualRect(parent->layoutDirection(), parent->rect(), leftToRight));
}

void PlaceTwips(QWidget* widget, int left, int top, int width, int height)
{
    PlaceRect(widget, TwipsRect(left, top, width, height));
}

void PlaceSizedToContent(QWidget* widget, int left, int top)
{
    widget->adjustSize();
    PlaceRect(widget, QRect(QPoint(Twips(left), Twips(top)), widget->size()));
}

void SetClientSizeTwips(QWidget* window, int width, int height)
{
    window->setFixedSize(Twips(width), Twips(height));
}

}  // namespace ui
