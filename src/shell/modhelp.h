#pragma once
// modHelp: the maker's web pages (one operation per page, all through LaunchWebPage, here) and
// the update reminder (updatereminder.cpp), which opens one of them.
//   menu item / label -> Open...() -> LaunchWebPage -> code page 1252 -> Browser service
//   start-up / frmMain load -> CheckUpdateReminder -> SettingsStore, MessageBoxService
// The stored date's encoding is settingencoding.h.
#include <QString>

#include "platform/services.h"

namespace shell {

enum class Site { Main, Help };

QString SiteHost(Site site);
// "http://" + host of the site + path; an empty path is the site root.
QString SiteAddress(Site site, const QString& path = {});
// The path of a page of the product's own on the main site; with no page, of their folder.
QString ProductPath(const QString& page = {});

class modHelp {
public:
    // applicationName: the executable's base name, under which the setting is stored.
    modHelp(platform::Platform& platform, QString applicationName);

    void OpenHomePage();
    void OpenSoftwaresPage();
    void OpenOnlineHelp();
    void OpenDownloadPage();
    void OpenDonatePage();
    void OpenCoBrandPage();
    void OpenFullyBrandedPage();

    // Converts the address through code page 1252 ("?" for what it cannot hold) and hands it
    // to the browser unchanged otherwise.
    void LaunchWebPage(const QString& address);

    // Asks whether to look for an update when the stored date is 15 or more days away from
    // today, at most once in the life of this object (one per start). Throws
    // platform::SettingsError, without a message, when the store fails; after a Yes the
    // download page opens even when today's date could not be stored.
    void CheckUpdateReminder();

private:
    platform::Platform& m_platform;
    QString m_applicationName;
    bool m_askedThisStart = false;
};

}  // namespace shell
