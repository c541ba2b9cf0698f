// The Open... operations: one browser request per call, each with its fixed address.
#include <gtest/gtest.h>

#include <QString>
#include <QStringList>

#include "fakes.h"
#include "shell/modhelp.h"

namespace {

using OpenOperation = void (shell::modHelp::*)();

struct LinkCase {
    const char* name;
    OpenOperation open;
    shell::Site site;
    QString path;
};

const LinkCase kLinkCases[] = {
    {"OpenHomePage", &shell::modHelp::OpenHomePage, shell::Site::Main, QString()},
    {"OpenSoftwaresPage", &shell::modHelp::OpenSoftwaresPage, shell::Site::Main,
     QStringLiteral("/orvanesoftwares")},
    {"OpenOnlineHelp", &shell::modHelp::OpenOnlineHelp, shell::Site::Main,
     QStringLiteral("/ov-free-varodara-zevaz-adavuv/ov-free-varodara-zevaz-adavuv-help.html")},
    {"OpenDownloadPage", &shell::modHelp::OpenDownloadPage, shell::Site::Main,
     QStringLiteral("/ov-free-varodara-zevaz-adavuv/download-ov-free-varodara-zevaz-adavuv.html")},
    {"OpenDonatePage", &shell::modHelp::OpenDonatePage, shell::Site::Help, QStringLiteral("/donate.html")},
    {"OpenCoBrandPage", &shell::modHelp::OpenCoBrandPage, shell::Site::Help, QStringLiteral("/co-brand.html")},
    {"OpenFullyBrandedPage", &shell::modHelp::OpenFullyBrandedPage, shell::Site::Help,
     QStringLiteral("/fully-branded.html")},
};

}  // namespace

TEST(LinkTable, SiteAddressesAreBareHttpHosts)
{
    for (const shell::Site site : {shell::Site::Main, shell::Site::Help}) {
        const QString root = shell::SiteAddress(site);
        ASSERT_TRUE(root.startsWith(QStringLiteral("http://"))) << root.toStdString();
        const QString host = root.mid(7);
        EXPECT_FALSE(host.isEmpty());
        EXPECT_FALSE(host.contains(QLatin1Char('/'))) << root.toStdString();
        EXPECT_EQ(shell::SiteAddress(site, QStringLiteral("/x.html")), root + QStringLiteral("/x.html"));
    }
    EXPECT_NE(shell::SiteAddress(shell::Site::Main), shell::SiteAddress(shell::Site::Help));
}

TEST(LinkTable, EachOperationOpensItsPageOncePerCall)
{
    for (const LinkCase& link : kLinkCases) {
        SCOPED_TRACE(link.name);
        fakes::FakePlatform fake;
        shell::modHelp help(fake.platform, QStringLiteral("varodara"));
        const QString expected = shell::SiteAddress(link.site) + link.path;

        (help.*link.open)();
        EXPECT_EQ(fake.browser.opened, QStringList{expected});
        (help.*link.open)();
        EXPECT_EQ(fake.browser.opened, (QStringList{expected, expected}));
        EXPECT_TRUE(fake.messages.shown.empty());
    }
}

TEST(LaunchWebPage, PassesTheAddressThroughCodePage1252)
{
    struct Case {
        QString address;
        QString opened;
    };
    const Case cases[] = {
        // Spaces, quotes and shell characters stay as they are: nothing is escaped.
        {QStringLiteral("http://h/p?a=b c&d='e';f|g"), QStringLiteral("http://h/p?a=b c&d='e';f|g")},
        {QString::fromUtf8("http://h/?n=\xC3\xA9\xE2\x82\xAC"), QString::fromUtf8("http://h/?n=\xC3\xA9\xE2\x82\xAC")},
        {QString::fromUtf8("http://h/?n=\xC5\x82"), QStringLiteral("http://h/?n=?")},
        {QString::fromUtf8("http://h/?n=\xE4\xB8\xAD"), QStringLiteral("http://h/?n=?")},
        {QString::fromUtf8("http://h/?n=\xF0\x9F\x98\x80!"), QStringLiteral("http://h/?n=?!")},
        {QString(), QString()},
    };
    for (const Case& c : cases) {
        fakes::FakePlatform fake;
        shell::modHelp help(fake.platform, QStringLiteral("varodara"));
        help.LaunchWebPage(c.address);
        EXPECT_EQ(fake.browser.opened, QStringList{c.opened}) << c.address.toStdString();
    }
}
