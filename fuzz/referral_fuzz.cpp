// The referral address from any five typed texts: read back, its query holds the keys taf1 to
// taf6 in order with exactly the trimmed values, and nothing in it needs a further escape;
// when the submission passes its checks, the browser gets that address unchanged.
#include <QByteArray>
#include <QString>
#include <QStringList>

#include "fakes.h"
#include "fuzzsupport.h"
#include "shell/modhelp.h"
#include "shell/modtellafriend.h"

namespace {

// Trims the raw bytes, so the expectation does not lean on the program's own trimming.
QString TrimmedText(std::string_view bytes)
{
    while (!bytes.empty() && bytes.front() == ' ')
        bytes.remove_prefix(1);
    while (!bytes.empty() && bytes.back() == ' ')
        bytes.remove_suffix(1);
    return QString::fromUtf8(bytes.data(), qsizetype(bytes.size()));
}

void CheckAddress(const QString& address, const QStringList& values)
{
    const QString start = shell::SiteAddress(shell::Site::Main, QStringLiteral("/ovms-refer-a-friend.php?"));
    FUZZ_REQUIRE(address.startsWith(start));
    for (const QChar c : address)
        FUZZ_REQUIRE(c.unicode() > 32 && c.unicode() < 127 && c != QLatin1Char('#') && c != QLatin1Char(' '));
    const QStringList pairs = address.mid(start.size()).split(QLatin1Char('&'));
    FUZZ_REQUIRE(pairs.size() == 6);
    for (int i = 0; i < 6; ++i) {
        const QString key = QStringLiteral("taf%1=").arg(i + 1);
        FUZZ_REQUIRE(pairs[i].startsWith(key));
        const QByteArray value = QByteArray::fromPercentEncoding(pairs[i].mid(key.size()).toLatin1());
        FUZZ_REQUIRE(QString::fromUtf8(value) == values[i]);
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const std::vector<std::string_view> fields = fuzz::Fields(data, size, 5);
    QStringList typed;
    QStringList trimmed;
    for (const std::string_view field : fields) {
        typed << QString::fromUtf8(field.data(), qsizetype(field.size()));
        trimmed << TrimmedText(field);
    }
    trimmed << shell::SiteAddress(shell::Site::Main, QStringLiteral("/ov-free-varodara-zevaz-adavuv/"));

    CheckAddress(shell::ReferralAddress({trimmed[0], trimmed[1], trimmed[2], trimmed[3], trimmed[4]}), trimmed);

    fakes::FakePlatform fakes;
    fakes.messages.answerEvery(platform::MessageAnswer::Ok);
    shell::modHelp help(fakes.platform, QStringLiteral("varodara"));
    shell::modTellAFriend form(help, fakes.messages);
    form.storeFields({typed[0], typed[1], typed[2], typed[3], typed[4]});
    form.SendReferral();
    FUZZ_REQUIRE(fakes.browser.opened.size() <= 1);
    if (!fakes.browser.opened.empty()) {
        FUZZ_REQUIRE(fakes.browser.opened.front() == form.ReferUrl);
        CheckAddress(fakes.browser.opened.front(), trimmed);
    }
    return 0;
}
