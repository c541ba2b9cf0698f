// A screen reader announces every named control of every window by a name of its own.
#include <QAccessible>

#include "appfixture.h"
#include "ui/main/frmmain.h"
#include "ui/promo/frmabout.h"
#include "ui/promo/frmexitscreen.h"
#include "ui/result/frmpersonalmonth.h"

TEST_F(AppFixture, EveryNamedControlOfEveryWindowHasAnAccessibleName)
{
    const QList<QWidget*> windows{registry.load<ui::frmMain>().widget(), registry.load<ui::frmPersonalMonth>().widget(),
                                  registry.load<ui::frmExitScreen>().widget(), registry.load<ui::frmAbout>().widget()};
    for (QWidget* window : windows) {
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
