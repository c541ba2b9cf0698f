#include "ui/main/mainmenus.h"

#include <QAction>
#include <QCoreApplication>
#include <QMenu>
#include <QMenuBar>
#include <functional>
#include <utility>

#include "shell/modhelp.h"

namespace ui {

MainMenuActions BuildMainMenus(QMenuBar* bar, shell::modHelp& help)
{
    // A desktop's global menu would take only the drop-downs and lose Donate, a command
    // directly on the bar: the bar stays in the window.
    bar->setNativeMenuBar(false);

    const auto item = [bar](QWidget* owner, const char* name, const QString& caption) {
        auto* action = new QAction(caption, bar);
        action->setObjectName(QLatin1String(name));
        owner->addAction(action);
        return action;
    };
    const auto separator = [bar](QWidget* owner, const char* name) {
        auto* action = new QAction(bar);
        action->setObjectName(QLatin1String(name));
        action->setSeparator(true);
        owner->addAction(action);
    };
    const auto menu = [bar](const char* name, const QString& caption) {
        QMenu* dropDown = bar->addMenu(caption);
        dropDown->setObjectName(QLatin1String(name));
        dropDown->setAccessibleName(QString(caption).remove(QLatin1Char('&')));
        return dropDown;
    };

    QMenu* nuFile = menu("nuFile", QCoreApplication::translate("ui::MainMenus", "&File"));
    QAction* mnuNext = item(nuFile, "mnuNext", QCoreApplication::translate("ui::MainMenus", "&Next"));
    QAction* mnuExit = item(nuFile, "mnuExit", QCoreApplication::translate("ui::MainMenus", "E&xit"));
    QMenu* mnuHelp = menu("mnuHelp", QCoreApplication::translate("ui::MainMenus", "&Help"));
    QAction* mnuOnline = item(mnuHelp, "mnuOnline", QCoreApplication::translate("ui::MainMenus", "&Online Help"));
    QAction* mnuVisit = item(mnuHelp, "mnuVisit", QCoreApplication::translate("ui::MainMenus", "&Visit Us Online"));
    separator(mnuHelp, "mnuFileSep1");
    QAction* mnuUpdate =
        item(mnuHelp, "mnuUpdate", QCoreApplication::translate("ui::MainMenus", "&Check for Software Update"));
    separator(mnuHelp, "mnuFileSep2");
    QAction* mnuAbout = item(mnuHelp, "mnuAbout", QCoreApplication::translate("ui::MainMenus", "&About Software"));
    // Commands directly on the bar: they act on click, without a drop-down.
    QAction* mnuDonate = item(bar, "mnuDonate", QCoreApplication::translate("ui::MainMenus", "&Donate"));
    QAction* mkmoney = item(bar, "mkmoney", QCoreApplication::translate("ui::MainMenus", "Make Money &Online"));
    mkmoney->setVisible(false);

    using OpenPage = void (shell::modHelp::*)();
    const std::pair<QAction*, OpenPage> links[] = {
        {mnuOnline, &shell::modHelp::OpenOnlineHelp},     {mnuVisit, &shell::modHelp::OpenHomePage},
        {mnuUpdate, &shell::modHelp::OpenDownloadPage},   {mnuDonate, &shell::modHelp::OpenDonatePage},
        {mkmoney, &shell::modHelp::OpenFullyBrandedPage},
    };
    // std::invoke rather than ".*": GCC 12's undefined-behaviour sanitizer checks the wrong
    // object on a direct member-pointer call and aborts the sanitized build.
    for (const auto& [action, open] : links)
        QObject::connect(action, &QAction::triggered, bar, [&help, open = open] { std::invoke(open, help); });

    return {mnuNext, mnuExit, mnuAbout};
}

}  // namespace ui
