#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>

#include "platform/services.h"
#include "platform/settingslocation.h"

namespace platform::settingslocation {

QSettings::Format Format()
{
    return QSettings::IniFormat;
}

QString DefaultRoot()
{
    return QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation);
}

QString Location(const QString& root, const QString& application)
{
    return root + QLatin1Char('/') + application + QLatin1Char('/') + application + QLatin1String(".ini");
}

void PrepareForWriting(const QString& location)
{
    // QSettings only notices a folder it cannot make when it syncs, and says no more than
    // "access error".
    if (!QDir().mkpath(QFileInfo(location).absolutePath()))
        throw SettingsError(QStringLiteral("cannot create the settings folder of %1").arg(location).toStdString());
}

}  // namespace platform::settingslocation
