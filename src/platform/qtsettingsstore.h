#pragma once
// Per-user settings in INI files: <root>/<application>/<application>.ini, one INI group per
// section. Every failure of the file surfaces as SettingsError.
#include "platform/services.h"

namespace platform {

class QtSettingsStore : public SettingsStore {
public:
    // An empty root means the user's configuration folder ($XDG_CONFIG_HOME).
    explicit QtSettingsStore(QString root = {});

    QString read(const QString& application, const QString& section, const QString& name) override;
    void write(const QString& application, const QString& section, const QString& name, const QString& value) override;

    QString filePath(const QString& application) const;

private:
    QString m_root;
};

}  // namespace platform
