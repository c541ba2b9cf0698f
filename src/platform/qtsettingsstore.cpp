#include "platform/qtsettingsstore.h"

#include <QSettings>

#include "platform/settingslocation.h"

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
    : m_root(root.isEmpty() ? settingslocation::DefaultRoot() : std::move(root))
{
}

QString QtSettingsStore::filePath(const QString& application) const
{
    return settingslocation::Location(m_root, application);
}

QString QtSettingsStore::read(const QString& application, const QString& section, const QString& name)
{
    QSettings settings(filePath(application), settingslocation::Format());
    throwIfFailed(settings, "read");
    settings.beginGroup(section);
    return settings.value(name).toString();
}

void QtSettingsStore::write(const QString& application, const QString& section, const QString& name,
                            const QString& value)
{
    const QString path = filePath(application);
    settingslocation::PrepareForWriting(path);
    QSettings settings(path, settingslocation::Format());
    throwIfFailed(settings, "read");
    settings.beginGroup(section);
    settings.setValue(name, value);
    settings.endGroup();
    settings.sync();
    throwIfFailed(settings, "write");
}

}  // namespace platform
