#include "platform/settingslocation.h"

namespace platform::settingslocation {

QSettings::Format Format()
{
    return QSettings::NativeFormat;
}

QString DefaultRoot()
{
    return QStringLiteral("HKEY_CURRENT_USER\\Software");
}

QString Location(const QString& root, const QString& application)
{
    return root + QLatin1Char('\\') + application;
}

// The registry makes the keys as it writes.
void PrepareForWriting(const QString&) {}

}  // namespace platform::settingslocation
