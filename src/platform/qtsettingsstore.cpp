#include "platform/qtsettingsstore.h"

#include <QDir>
#include <QFileInfo>
#include <QSettings>
#include <QStandardPaths>

namespace platform {

namespace {

void throwIfFailed(const QSettings& settings, const char* action)
{
    switch (settings.status()) {
    case QSettings::NoError:
        return;
    case QSettings::AccessError:
        throw SettingsError(QStringLiteral("cannot %1 the settings file %2")
                                .arg(QLatin1String(action), settings.fileName())
                                .toStdString());
    case QSettings::FormatError:
        throw SettingsError(QStringLiteral("the settings file %1 is malformed").arg(settings.fileName()).toStdString());
    }
    throw SettingsError("unknown settings error");
}

}  // namespace

QtSettingsStore::QtSettingsStore(QString root)
    : m_root(root.isEmpty() ? QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation) : std::move(root))
{
}

QString QtSettingsStore::filePath(const QString& application) const
{
    return m_root + QLatin1Char('/') + application + QLatin1Char('/') + application + QLatin1String(".ini");
}

QString QtSettingsStore::read(const QString& application, const QString& section, const QString& name)
{
    QSettings settings(filePath(application), QSettings::IniFormat);
    throwIfFailed(settings, "read");
    settings.beginGroup(section);
    return settings.value(name).toString();
}

void QtSettingsStore::write(const QString& application, const QString& section, const QString& name,
                            const QString& value)
{
    const QString path = filePath(application);
    // Checked here too: QSettings only notices a folder it cannot make when it syncs, and
    // says no more than "access error".
    if (!QDir().mkpath(QFileInfo(path).absolutePath()))
        throw SettingsError(QStringLiteral("cannot create the settings folder of %1").arg(path).toStdString());

    QSettings settings(path, QSettings::IniFormat);
    throwIfFailed(settings, "read");
    settings.beginGroup(section);
    settings.setValue(name, value);
    settings.endGroup();
    settings.sync();
    throwIfFailed(settings, "write");
}

}  // namespace platform
