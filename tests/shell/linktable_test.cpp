// The Open... operations: one browser request per call, each with its fixed address.
#include <gtest/gtest.h>

#include "fakes.h"
#include "shell/modhelp.h"

using shell::modHelp;

TEST(LinkTable, EachOperationOpensItsPageOncePerCall)
{
    const QString main = "http://www.orvanesoftwares.com";
    const QString help = "http://help.orvanesoftwares.com";
    const std::pair<void (modHelp::*)(), QString> cases[] = {
        {&modHelp::OpenHomePage, main},
        {&modHelp::OpenSoftwaresPage, main + "/orvanesoftwares"},
        {&modHelp::OpenOnlineHelp, main + "/ov-free-varodara-zevaz-adavuv/ov-free-varodara-zevaz-adavuv-help.html"},
        {&modHelp::OpenDownloadPage,
         main + "/ov-free-varodara-zevaz-adavuv/download-ov-free-varodara-zevaz-adavuv.html"},
        {&modHelp::OpenDonatePage, help + "/donate.html"},
        {&modHelp::OpenCoBrandPage, help + "/co-brand.html"},
        {&modHelp::OpenFullyBrandedPage, help + "/fully-branded.html"},
    };
    for (const auto& [open, address] : cases) {
        fakes::FakePlatform fake;
        modHelp links(fake.platform, QStringLiteral("varodara"));
        (links.*open)();
        (links.*open)();
        EXPECT_EQ(fake.browser.opened, (QStringList{address, address}));
    }
}

TEST(LaunchWebPage, PassesTheAddressThroughCodePage1252Unescaped)
{
    const std::pair<QString, QString> cases[] = {
        {QStringLiteral("http://h/p?a=b c&d='e';f|g$(x)`y`"), QStringLiteral("http://h/p?a=b c&d='e';f|g$(x)`y`")},
        {QString::fromUtf8("http://h/?n=\xC3\xA9\xE2\x82\xAC"), QString::fromUtf8("http://h/?n=\xC3\xA9\xE2\x82\xAC")},
        {QString::fromUtf8("http://h/?n=\xC5\x82\xE4\xB8\xAD\xF0\x9F\x98\x80x"), QStringLiteral("http://h/?n=???x")},
    };
    for (const auto& [address, opened] : cases) {
        fakes::FakePlatform fake;
        modHelp(fake.platform, QStringLiteral("varodara")).LaunchWebPage(address);
        EXPECT_EQ(fake.browser.opened, QStringList{opened});
    }
}
