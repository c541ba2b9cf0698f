#include "ui/frames.h"

#include <QFrame>
#include <QGroupBox>

#include "ui/colours.h"
#include "ui/fonts.h"

namespace ui {

QFrame* MakeBoxFrame(QWidget* parent, const QString& accessibleName)
{
    auto* frame = new QFrame(parent);
    frame->setFrameShape(QFrame::Box);
    frame->setFrameShadow(QFrame::Sunken);
    frame->setAccessibleName(accessibleName);
    return frame;
}

void StyleNavyFrame(QGroupBox* frame)
{
    frame->setAccessibleName(frame->title());
    frame->setFont(Verdana(9.75, true));
    Wear(frame, kNavyFrame);
}

}  // namespace ui
