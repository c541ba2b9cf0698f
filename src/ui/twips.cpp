#include "ui/twips.h"

#include <QWidget>

namespace ui {

void PlaceTwips(QWidget* widget, int left, int top, int width, int height)
{
    widget->setGeometry(TwipsRect(left, top, width, height));
}

void SetClientSizeTwips(QWidget* window, int width, int height)
{
    window->setFixedSize(Twips(width), Twips(height));
}

}  // namespace ui
