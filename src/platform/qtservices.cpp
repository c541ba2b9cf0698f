#include "platform/qtservices.h"

#include <QCoreApplication>

#include "platform/programname.h"
#include "platform/qtbrowser.h"
#include "platform/qtclipboard.h"
#include "platform/qtclock.h"
#include "platform/qtinstancelock.h"
#include "platform/qtmessagebox.h"
#include "platform/qtrandom.h"
#include "platform/qtsettingsstore.h"

namespace platform {

QString ExecutableName()
{
    return ProgramName(QCoreApplication::applicationFilePath());
}

struct QtServices::Impl {
    QtMessageBox messages;
    QtBrowser browser;
    QtSettingsStore settings;
    QtClock clock;
    QtClipboard clipboard;
    QtInstanceLock lock;
    QtRandom random;
    Platform platform{messages, browser, settings, clock, clipboard, lock, random};
};

QtServices::QtServices() : m_impl(std::make_unique<Impl>()) {}

QtServices::~QtServices() = default;

Platform& QtServices::platform()
{
    return m_impl->platform;
}

}  // namespace platform
