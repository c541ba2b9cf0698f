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

QStringList Captions(const QList<QAction*>& actions, bool visibleOnly)
{
    QStringList captions;
    for (const QAction* action : actions) {
        if (!visibleOnly || action->isVisible())
            captions << (action->isSeparator() ? QStringLiteral("-") : action->text());
    }
    return captions;
}

TEST_F(MainMenus, barAndDropDownsReadInDisplayOrder)
{
    EXPECT_EQ(Captions(main->menuBar()->actions(), true), QStringList({"&File", "&Help", "&Donate"}));
    EXPECT_EQ(Captions(main->menuBar()->actions(), false),
              QStringList({"&File", "&Help", "&Donate", "Make Money &Online"}));
    EXPECT_EQ(Captions(child<QMenu>(main, "nuFile")->actions(), false), QStringList({"&Next", "E&xit"}));
    EXPECT_EQ(Captions(child<QMenu>(main, "mnuHelp")->actions(), false),
              QStringList({"&Online Help", "&Visit Us Online", "-", "&Check for Software Update", "-",
                           "&About Software"}));
    EXPECT_TRUE(child<QAction>(main, "mnuFileSep1")->isSeparator());
    EXPECT_TRUE(child<QAction>(main, "mnuFileSep2")->isSeparator());
    EXPECT_FALSE(child<QAction>(main, "mkmoney")->isVisible());
    // Donate sits on the bar itself: it has no drop-down to open.
    EXPECT_EQ(child<QAction>(main, "mnuDonate")->menu(), nullptr);
}

TEST_F(MainMenus, eachLinkOpensItsPageOnceAndLeavesTheWindowAlone)
{
    const QString main_ = shell::SiteAddress(shell::Site::Main);
    const QString help_ = shell::SiteAddress(shell::Site::Help);
    const QString onlineHelp = main_ + "/ov-free-varodara-zevaz-adavuv/ov-free-varodara-zevaz-adavuv-help.html";
    const QString download = main_ + "/ov-free-varodara-zevaz-adavuv/download-ov-free-varodara-zevaz-adavuv.html";
    const std::pair<const char*, QString> links[] = {
        {"mnuOnline", onlineHelp},
        {"mnuVisit", main_},
        {"mnuUpdate", download},
        {"mnuDonate", help_ + "/donate.html"},
        {"mkmoney", help_ + "/fully-branded.html"},
        {"Label61", main_},
        {"lblCobrand", help_ + "/co-brand.html"},
        {"lblFullBrand", help_ + "/fully-branded.html"},
    };
    fill(QStringLiteral("ANN"), QStringLiteral("LEE"), 14, 3, 1990);
    const int writesBefore = fake.settings.writes;

    for (const auto& [name, address] : links) {
        fake.browser.opened.clear();
        if (auto* action = main->findChild<QAction*>(QLatin1String(name))) {
            action->trigger();
        } else {
            auto* label = child(main, name);
            ASSERT_NE(label, nullptr);
            if (label == main->lblCobrand())
                windows.bringCoBrandToFront();
            // Click where the user sees the label: the one in front takes the click.
            QWidget* container = label->parentWidget();
            QWidget* shown = container->childAt(label->geometry().center());
            ASSERT_EQ(shown, label) << name;
            QTest::mouseClick(shown, Qt::LeftButton, {}, shown->rect().center());
            windows.bringFullBrandToFront();
        }
        EXPECT_EQ(fake.browser.opened, QStringList{address}) << name;
        EXPECT_EQ(visibleWindows(), QStringList{QStringLiteral("frmMain")}) << name;
        EXPECT_EQ(firstName->text(), QStringLiteral("ANN")) << name;
        EXPECT_EQ(day->currentText(), QStringLiteral("14")) << name;
    }
    EXPECT_EQ(fake.settings.writes, writesBefore);
}

TEST_F(MainMenus, checkForUpdateNeverTouchesTheReminder)
{
    // As before any reminder was ever stored: the menu item still only opens the page.
    fake.settings.values.clear();
    const int writesBefore = fake.settings.writes;
    child<QAction>(main, "mnuUpdate")->trigger();
    EXPECT_EQ(fake.settings.writes, writesBefore);
    EXPECT_TRUE(fake.settings.values.isEmpty());
    EXPECT_EQ(fake.browser.opened.size(), 1);
}

TEST_F(MainMenus, aboutOpensModallyAndIsGoneWhenClosed)
{
    bool aboutReturned = false;
    QString modalName;
    bool closedByCode = false;
    QTimer::singleShot(0, main, [&] {
        QWidget* modal = QApplication::activeModalWidget();
        ASSERT_NE(modal, nullptr);
        modalName = modal->objectName();
        EXPECT_FALSE(aboutReturned) << "the menu item must wait for the About window";
        EXPECT_NE(registry.find<ui::frmAbout>(), nullptr);
        if (auto* ok = modal->findChild<QPushButton*>(QStringLiteral("cmdOK")))
            ok->click();
        else if (auto* dialog = qobject_cast<QDialog*>(modal))
            dialog->reject();
        closedByCode = true;
    });
    child<QAction>(main, "mnuAbout")->trigger();
    aboutReturned = true;
    flushDeletes();

    EXPECT_TRUE(closedByCode);
    EXPECT_EQ(modalName, QStringLiteral("frmAbout"));
    EXPECT_EQ(registry.find<ui::frmAbout>(), nullptr);
    EXPECT_EQ(visibleWindows(), QStringList{QStringLiteral("frmMain")});
}

TEST_F(MainMenus, exitAndTheCloseBoxLeaveOnlyTheExitScreen)
{
    for (const bool byMenu : {true, false}) {
        QPointer<ui::frmMain> window = &registry.show<ui::frmMain>();
        if (byMenu)
            window->findChild<QAction*>(QStringLiteral("mnuExit"))->trigger();
        else
            window->close();
        flushDeletes();
        EXPECT_TRUE(window.isNull()) << byMenu;
        EXPECT_EQ(registry.find<ui::frmMain>(), nullptr) << byMenu;
        EXPECT_EQ(visibleWindows(), QStringList{QStringLiteral("frmExitScreen")}) << byMenu;
        EXPECT_EQ(endProgramCalls, 0) << "the exit screen ends the program, not this window";
        registry.hide<ui::frmExitScreen>();
    }
}

}  // namespace
