// A screen reader announces every named control of every window by a name of its own.
#include <QAccessible>
#include <QSignalSpy>

#include "appfixture.h"
#include "ui/linklabel.h"
#include "ui/main/frmmain.h"
#include "ui/promo/frmabout.h"
#include "ui/promo/frmexitscreen.h"
#include "ui/result/frmpersonalmonth.h"

namespace {

QList<QWidget*> AllWindows(ui::WindowRegistry& registry)
{
    return {registry.load<ui::frmMain>().widget(), registry.load<ui::frmPersonalMonth>().widget(),
            registry.load<ui::frmExitScreen>().widget(), registry.load<ui::frmAbout>().widget()};
}

}  // namespace

TEST_F(AppFixture, EveryNamedControlOfEveryWindowHasAnAccessibleName)
{
    for (QWidget* window : AllWindows(registry)) {
        for (QWidget* control : window->findChildren<QWidget*>()) {
            const QString name = control->objectName();
            // Unnamed or Qt-internal widgets are parts of a control, not controls.
            if (name.isEmpty() || name.startsWith(QLatin1String("qt_")) || name == QLatin1String("client"))
                continue;
            QAccessibleInterface* accessible = QAccessible::queryAccessibleInterface(control);
            ASSERT_NE(accessible, nullptr) << name.toStdString();
            EXPECT_FALSE(accessible->text(QAccessible::Name).trimmed().isEmpty())
                << window->objectName().toStdString() << "." << name.toStdString();
        }
    }
}

// A link label takes no keyboard focus: a screen reader must see a link and be able to press it.
TEST_F(AppFixture, EveryLinkLabelIsALinkThatAScreenReaderCanPress)
{
    int links = 0;
    for (QWidget* window : AllWindows(registry)) {
        for (auto* link : window->findChildren<ui::LinkLabel*>()) {
            SCOPED_TRACE(link->text().toStdString());
            ++links;
            QAccessibleInterface* accessible = QAccessible::queryAccessibleInterface(link);
            ASSERT_NE(accessible, nullptr);
            EXPECT_EQ(accessible->role(), QAccessible::Link);
            EXPECT_TRUE(accessible->state().linked);
            EXPECT_EQ(accessible->text(QAccessible::Name), link->text());
            QAccessibleActionInterface* actions = accessible->actionInterface();
            ASSERT_NE(actions, nullptr);
            ASSERT_EQ(actions->actionNames(), QStringList{QAccessibleActionInterface::pressAction()});
            QSignalSpy clicks(link, &ui::LinkLabel::clicked);
            actions->doAction(QAccessibleActionInterface::pressAction());
            EXPECT_EQ(clicks.count(), 1);
        }
    }
    EXPECT_GE(links, 7);
}
