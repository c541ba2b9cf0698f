#include "platform/qtbrowser.h"

#include <QProcess>

namespace platform {

void QtBrowser::open(const QString& address)
{
    // "/" as working directory so the opener never holds on to wherever we were started.
    // A missing opener makes startDetached return false at once; that is not reported.
    const bool started = QProcess::startDetached(QStringLiteral("xdg-open"), {address}, QStringLiteral("/"));
    Q_UNUSED(started);
}

}  // namespace platform
