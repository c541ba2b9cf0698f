#include "platform/qtsettingsstore.h"

#include <QDir>
#include <QFileInfo>
#include <QSettings>
#include <QStandardPaths>

namespace platform {

namespace {

// Windows keeps a user's settings in the registry, elsewhere they are INI files.
#ifdef Q_OS_WIN
constexpr QSettings::Format kFormat = QSettings::NativeFormat;
QString DefaultRoot()
{
    return QStringLiteral("HKEY_CURRENT_USER\\Software");
}
QString Location(const QString& root, const QString& application)
{
    return root + QLatin1Char('\\') + application;
}
#else
constexpr QSettings::Format kFormat = QSettings::IniFormat;
QString DefaultRoot()
{
    return QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation);
}
QString Location(const QString& root, const QString& application)
{
    return root + QLatin1Char('/') + application + QLatin1Char('/') + application + QLatin1String(".ini");
}
#endif

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

QtSettingsStore::QtSettingsStore(QString root) : m_root(root.isEmpty() ? DefaultRoot() : std::move(root)) {}

QString QtSettingsStore::filePath(const QString& application) const
{
    return Location(m_root, application);
}

QString QtSettingsStore::read(const QString& application, const QString& section, const QString& name)
{
    QSettings settings(filePath(application), kFormat);
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
    if (kFormat == QSettings::IniFormat && !QDir().mkpath(QFileInfo(path).absolutePath()))
        throw SettingsError(QStringLiteral("cannot create the settings folder of %1").arg(path).toStdString());

    QSettings settings(path, kFormat);
    throwIfFailed(settings, "read");
    settings.beginGroup(section);
    settings.setValue(name, value);
    settings.endGroup();
    settings.sync();
    throwIfFailed(settings, "write");
}

}  // namespace platform
