#pragma once
// Per-user settings, one group per section: on Linux in INI files,
// <root>/<application>/<application>.ini; on Windows in the registry,
// <root>\<application>\<section> under HKEY_CURRENT_USER\Software. Every failure of the
// store surfaces as SettingsError.
#include "platform/services.h"

namespace platform {

class QtSettingsStore : public SettingsStore {
public:
    // An empty root means the user's configuration folder ($XDG_CONFIG_HOME), or the user's
    // software key of the registry.
    explicit QtSettingsStore(QString root = {});

    QString read(const QString& application, const QString& section, const QString& name) override;
    void write(const QString& application, const QString& section, const QString& name, const QString& value) override;

    // The INI file, or the registry key, that holds the application's settings.
    QString filePath(const QString& application) const;

private:
    QString m_root;
};

}  // namespace platform
