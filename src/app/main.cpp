// Builds the real desktop services and hands over to StartProgram. The program ends only
// through EndProgram, which ends the event loop (or, before it starts, tells us not to run it).
#include <QApplication>
#include <QGuiApplication>
#include <cstdio>
#include <string>

#include "app/appwindows.h"
#include "app/commandline.h"
#include "app/session.h"
#include "platform/qtservices.h"
#include "platform/translations.h"
#include "product.h"
#include "shell/modhelp.h"
#include "shell/program.h"
#include "ui/fonts.h"
#include "ui/leanstyle.h"
#include "ui/programicon.h"

namespace {

constexpr char kNoDisplay[] = QT_TRANSLATE_NOOP("CommandLine", "no display found (set DISPLAY or WAYLAND_DISPLAY)");

}  // namespace

int main(int argc, char** argv)
{
    // Loaded once, in the system's language, for the command line's answer or for the windows.
    const platform::Translations translations;
    if (const std::optional<app::CommandLineAnswer> answer = app::AnswerCommandLine(argc, argv, translations)) {
        app::UseParentConsole();
        app::Print(answer->out, stdout);
        app::Print(answer->err, stderr);
        return answer->status;
    }

    if (!app::HasDisplay()) {
        const QString noDisplay = translations.translate("CommandLine", kNoDisplay);
        app::Print(std::string(product::kProgram) + ": " + noDisplay.toStdString() + "\n", stderr);
        return 2;
    }

    QApplication app(argc, argv);
    // Before any window: every text a window shows is put in the system's language as it is built.
    translations.install();
    // Before any service is built: the settings and the lock are named after it.
    QCoreApplication::setApplicationName(platform::ExecutableName());
    QApplication::setQuitOnLastWindowClosed(false);
    // Docks and Wayland compositors match the windows to the desktop entry and its icon by this.
    QGuiApplication::setDesktopFileName(QString::fromLatin1(product::kAppId));
    QApplication::setStyle(new ui::LeanStyle);
    ui::InstallFontSubstitutes();
    QApplication::setWindowIcon(ui::ProgramIcon());

    platform::QtServices services;
    platform::Platform& platform = services.platform();
    shell::modHelp help(platform, QCoreApplication::applicationName());
    app::Application application(platform, help, [] { QCoreApplication::exit(0); });
    shell::Program& started = application.program();
    app::EndWithTheSession([&started] { started.EndProgram(); });

    started.StartProgram();
    if (started.ended())
        return 0;
    return QApplication::exec();
}
