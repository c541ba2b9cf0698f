#include "ui/linklabel.h"

#include <QAccessibleWidget>
#include <QMouseEvent>

namespace ui {
namespace {

// To a screen reader a link label is a link that can be pressed: the pointer is not the only
// way to follow it, as the label takes no keyboard focus.
class AccessibleLinkLabel : public QAccessibleWidget {
public:
    explicit AccessibleLinkLabel(LinkLabel* label) : QAccessibleWidget(label, QAccessible::Link) {}

    QAccessible::State state() const override
    {
        QAccessible::State state = QAccessibleWidget::state();
        state.linked = true;
        return state;
    }
    QStringList actionNames() const override { return {pressAction()}; }
    void doAction(const QString& actionName) override
    {
        if (actionName == pressAction())
            Q_EMIT qobject_cast<LinkLabel*>(widget())->clicked();
    }
};

QAccessibleInterface* MakeAccessibleLinkLabel(const QString& className, QObject* object)
{
    auto* label = qobject_cast<LinkLabel*>(object);
    if (label == nullptr || className != QLatin1String(LinkLabel::staticMetaObject.className()))
        return nullptr;
    return new AccessibleLinkLabel(label);
}

}  // namespace

LinkLabel::LinkLabel(const QString& text, QWidget* parent) : QLabel(text, parent)
{
    static const bool accessibleAsLink = [] {
        QAccessible::installFactory(&MakeAccessibleLinkLabel);
        return true;
    }();
    Q_UNUSED(accessibleAsLink);
    setCursor(Qt::PointingHandCursor);
    setAccessibleName(text);
    QFont underlined = font();
    underlined.setUnderline(true);
    setFont(underlined);
}

void LinkLabel::mousePressEvent(QMouseEvent* event)
{
    m_pressed = event->button() == Qt::LeftButton;
    event->accept();
}

void LinkLabel::mouseReleaseEvent(QMouseEvent* event)
{
    const bool click = m_pressed && event->button() == Qt::LeftButton && rect().contains(event->position().toPoint());
    m_pressed = false;
    event->accept();
    if (click)
        Q_EMIT clicked();
}

// The second press of a double-click arrives as this event, and the default treats it as a
// new press: its release would open the page a second time.
void LinkLabel::mouseDoubleClickEvent(QMouseEvent* event)
{
    m_pressed = false;
    event->accept();
}

}  // namespace ui
