#include "shell/modhelp.h"

#include <utility>

#include "product.h"
#include "shell/codepage1252.h"

namespace shell {
namespace {

enum class Page { Home, Softwares, OnlineHelp, Download, Donate, CoBrand, FullyBranded };

// A page of the product's own, whose file name carries the product's name on the site (its
// folder's name): %1 in the pattern.
QString ProductPage(const char* pattern)
{
    const QString folder = QString::fromLatin1(product::kWebPath);
    const QString name = folder.mid(1, folder.size() - 2);
    return ProductPath(QString::fromLatin1(pattern).arg(name));
}

// Every page of the maker's web sites that the program opens. A switch without a default:
// the compiler (-Wswitch) names any page left out.
QString PageAddress(Page page)
{
    switch (page) {
    case Page::Home:
        return SiteAddress(Site::Main);
    case Page::Softwares:
        return SiteAddress(Site::Main, QStringLiteral("/orvanesoftwares"));
    case Page::OnlineHelp:
        return SiteAddress(Site::Main, ProductPage("%1-help.html"));
    case Page::Download:
        return SiteAddress(Site::Main, ProductPage("download-%1.html"));
    case Page::Donate:
        return SiteAddress(Site::Help, QStringLiteral("/donate.html"));
    case Page::CoBrand:
        return SiteAddress(Site::Help, QStringLiteral("/co-brand.html"));
    case Page::FullyBranded:
        return SiteAddress(Site::Help, QStringLiteral("/fully-branded.html"));
    }
    // Only a value outside the enumeration comes here; no call makes one.
    return {};
}

}  // namespace

QString SiteHost(Site site)
{
    return QString::fromLatin1(site == Site::Main ? product::kMainHost : product::kHelpHost);
}

QString ProductPath(const QString& page)
{
    return QString::fromLatin1(product::kWebPath) + page;
}

QString SiteAddress(Site site, const QString& path)
{
    return QStringLiteral("http://") + SiteHost(site) + path;
}

modHelp::modHelp(platform::Platform& platform, QString applicationName)
    : m_platform(platform), m_applicationName(std::move(applicationName))
{
}

void modHelp::OpenHomePage()
{
    LaunchWebPage(PageAddress(Page::Home));
}
void modHelp::OpenSoftwaresPage()
{
    LaunchWebPage(PageAddress(Page::Softwares));
}
void modHelp::OpenOnlineHelp()
{
    LaunchWebPage(PageAddress(Page::OnlineHelp));
}
void modHelp::OpenDownloadPage()
{
    LaunchWebPage(PageAddress(Page::Download));
}
void modHelp::OpenDonatePage()
{
    LaunchWebPage(PageAddress(Page::Donate));
}
void modHelp::OpenCoBrandPage()
{
    LaunchWebPage(PageAddress(Page::CoBrand));
}
void modHelp::OpenFullyBrandedPage()
{
    LaunchWebPage(PageAddress(Page::FullyBranded));
}

void modHelp::LaunchWebPage(const QString& address)
{
    m_platform.browser.open(FromCodePage1252(ToCodePage1252(address)));
}

}  // namespace shell
