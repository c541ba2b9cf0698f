#pragma once
// Where the settings store keeps an application's settings, one file per platform:
// settingslocation_unix.cpp (INI files under $XDG_CONFIG_HOME), settingslocation_win.cpp (the
// user's registry).
#include <QSettings>
#include <QString>

namespace platform::settingslocation {

QSettings::Format Format();
// The user's own root: the configuration folder, or the registry's software key.
QString DefaultRoot();
// The INI file, or the registry key, that holds the application's settings under the root.
QString Location(const QString& root, const QString& application);
// Makes what the store needs before it can write there; throws SettingsError where it cannot.
void PrepareForWriting(const QString& location);

}  // namespace platform::settingslocation
