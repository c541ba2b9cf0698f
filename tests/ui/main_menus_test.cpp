// frmMain's menu bar and link labels, Help > About, and the two ways of leaving the window.
#include <QAction>
#include <QMenu>
#include <QMenuBar>
#include <QTimer>

#include "main_fixture.h"
#include "ui/promo/frmabout.h"
#include "ui/promo/frmexitscreen.h"

namespace {

using MainMenus = MainWindowTest;

QStringList Captions(const QWidget* owner)
{
    QStringList captions;
    for (const QAction* action : owner->actions())
        captions << (action->isSeparator() ? QStringLiteral("-") : action->text());
    return captions;
}

TEST_F(MainMenus, barAndDropDownsReadInDisplayOrder)
{
    EXPECT_EQ(Captions(main->menuBar()), QStringList({"&File", "&Help", "&Donate", "Make Money &Online"}));
    // A global menu would carry off the drop-downs only, and Donate would be lost.
    EXPECT_FALSE(main->menuBar()->isNativeMenuBar());
    EXPECT_FALSE(child<QAction>(main, "mkmoney")->isVisible());
    EXPECT_EQ(Captions(child<QMenu>(main, "nuFile")), QStringList({"&Next", "E&xit"}));
    EXPECT_EQ(
        Captions(child<QMenu>(main, "mnuHelp")),
        QStringList({"&Online Help", "&Visit Us Online", "-", "&Check for Software Update", "-", "&About Software"}));
}

TEST_F(MainMenus, eachLinkOpensItsPageOnceAndTouchesNothingElse)
{
    const QString home = "http://www.orvanesoftwares.com";
    const QString site = "http://www.orvanesoftwares.com/ov-free-varodara-zevaz-adavuv/";
    const QString help = "http://help.orvanesoftwares.com";
    const std::pair<const char*, QString> links[] = {
        {"mnuOnline", site + "ov-free-varodara-zevaz-adavuv-help.html"},
        {"mnuVisit", home},
        {"mnuUpdate", site + "download-ov-free-varodara-zevaz-adavuv.html"},
        {"mnuDonate", help + "/donate.html"},
        {"mkmoney", help + "/fully-branded.html"},
        {"Label61", home},
        {"lblFullBrand", help + "/fully-branded.html"},
        {"lblCobrand", help + "/co-brand.html"},
    };
    fill(QStringLiteral("ANN"), QStringLiteral("LEE"), 14, 3, 1990);
    // As before any reminder was stored: Check for Software Update still only opens the page.
    fake.settings.values.clear();
    const int writesBefore = fake.settings.writes;
    for (const auto& [name, address] : links) {
        fake.browser.opened.clear();
        if (auto* action = main->findChild<QAction*>(QLatin1String(name))) {
            action->trigger();
        } else {
            // A double-click where the user sees the label (the one in front takes it): one
            // page, as for a single click.
            if (qstrcmp(name, "lblCobrand") == 0)
                windows.bringCoBrandToFront();
            QWidget* label = child(main, name);
            QTest::mouseDClick(main->windowHandle(), Qt::LeftButton, {}, label->mapTo(main, label->rect().center()));
        }
        EXPECT_EQ(fake.browser.opened, QStringList{address}) << name;
        EXPECT_EQ(inputs(), QStringList({"ANN", "", "LEE", "14", "March", "1990"})) << name;
    }
    EXPECT_EQ(fake.settings.writes, writesBefore);
    EXPECT_TRUE(fake.settings.values.isEmpty());
}

TEST_F(MainMenus, aboutOpensModallyAndIsGoneWhenClosed)
{
    // Runs inside the modal run; ends it through the window's own Esc handling.
    QString modalName;
    QTimer::singleShot(0, main, [&] {
        modalName = QApplication::activeModalWidget() ? QApplication::activeModalWidget()->objectName() : "none";
        QTest::keyClick(QApplication::activeModalWidget(), Qt::Key_Escape);
    });
    child<QAction>(main, "mnuAbout")->trigger();
    flushDeletes();
    EXPECT_EQ(modalName, QStringLiteral("frmAbout")) << "the menu item waits for the About window";
    EXPECT_EQ(registry.find<ui::frmAbout>(), nullptr);
    EXPECT_EQ(visibleWindows(), QStringList{QStringLiteral("frmMain")});
}

TEST_F(MainMenus, exitAndTheCloseBoxLeaveOnlyTheExitScreen)
{
    for (const bool byMenu : {true, false}) {
        QPointer<ui::frmMain> window = &registry.show<ui::frmMain>();
        byMenu ? window->findChild<QAction*>(QStringLiteral("mnuExit"))->trigger() : void(window->close());
        flushDeletes();
        EXPECT_TRUE(window.isNull()) << byMenu;
        EXPECT_EQ(visibleWindows(), QStringList{QStringLiteral("frmExitScreen")}) << byMenu;
        EXPECT_EQ(endProgramCalls, 0) << "the exit screen ends the program, not this window";
        registry.hide<ui::frmExitScreen>();
    }
}

}  // namespace
