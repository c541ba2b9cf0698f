#include "shell/modtellafriend.h"

#include <QCoreApplication>
#include <utility>

#include "core/numerology.h"
#include "platform/services.h"
#include "shell/modhelp.h"

namespace shell {
namespace {

constexpr char kDistinctAddresses[] = QT_TRANSLATE_NOOP("Messages", "Please Enter Distinct Email Addresses");
constexpr char kProperAddress[] = QT_TRANSLATE_NOOP("Messages", "Please Enter Proper Email Address");

QString Message(const char* english)
{
    return QCoreApplication::translate("Messages", english);
}

const QString kReferralPath = QStringLiteral("/ovms-refer-a-friend.php");

// The field tests of SendReferral, in the order they are made.
struct FieldTest {
    QString modTellAFriend::*field;
    const char* placeholder;
    const char* message;
};

const FieldTest kFieldTests[] = {
    {&modTellAFriend::ReferName, kNamePlaceholder, QT_TRANSLATE_NOOP("Messages", "Please Enter Your Name")},
    {&modTellAFriend::ReferEmail, kEmailPlaceholder, QT_TRANSLATE_NOOP("Messages", "Please Enter Your Email")},
    {&modTellAFriend::ReferMessage, kMessagePlaceholder, QT_TRANSLATE_NOOP("Messages", "Please Enter Your Message")},
    {&modTellAFriend::ReferFriendName, kFriendNamePlaceholder,
     QT_TRANSLATE_NOOP("Messages", "Please Enter Your Friend's Name")},
    {&modTellAFriend::ReferFriendEmail, kFriendEmailPlaceholder,
     QT_TRANSLATE_NOOP("Messages", "Please Enter Your Friend's Email")},
};

}  // namespace

QString ShownPlaceholder(const char* placeholder)
{
    return QCoreApplication::translate("Referral", placeholder);
}

QString TrimSpaces(const QString& text)
{
    const QStringView view(text);
    return QStringView(core::TrimSpaces(std::u16string_view(view.utf16(), view.size()))).toString();
}

bool ClearsPlaceholderOnFocus(const QString& text, const QString& placeholder)
{
    return TrimSpaces(text) == placeholder;
}

bool RestoresPlaceholderOnBlur(const QString& text)
{
    return TrimSpaces(text).isEmpty();
}

std::optional<QString> CheckReferralAddresses(const QString& email, const QString& friendEmail)
{
    const QString ownAddress = TrimSpaces(email);
    const QString friendAddress = TrimSpaces(friendEmail);
    if (ownAddress == friendAddress)
        return Message(kDistinctAddresses);
    const QChar at = QLatin1Char('@');
    const QChar dot = QLatin1Char('.');
    if (!ownAddress.contains(at) || !friendAddress.contains(at))
        return Message(kProperAddress);
    if (!ownAddress.contains(dot) || !friendAddress.contains(dot))
        return Message(kProperAddress);
    return std::nullopt;
}

QString ReferralAddress(const ReferralEntries& trimmed)
{
    // Only the kept characters go out as typed: a value with "&", "=" or "#" would otherwise
    // split or cut the query, and spaces or line breaks make xdg-open refuse the address.
    const auto encoded = [](const QString& value) {
        return QString::fromLatin1(value.toUtf8().toPercentEncoding(QByteArrayLiteral("@:/")));
    };
    const std::pair<const char*, QString> pairs[] = {
        {"taf1", trimmed.name},        {"taf2", trimmed.email},
        {"taf3", trimmed.message},     {"taf4", trimmed.friendName},
        {"taf5", trimmed.friendEmail}, {"taf6", shell::SiteAddress(shell::Site::Main, shell::ProductPath())},
    };
    QString address = shell::SiteAddress(shell::Site::Main, kReferralPath);
    QChar separator = QLatin1Char('?');
    for (const auto& [key, value] : pairs) {
        address += separator + QLatin1String(key) + QLatin1Char('=') + encoded(value);
        separator = QLatin1Char('&');
    }
    return address;
}

modTellAFriend::modTellAFriend(modHelp& help, platform::MessageBoxService& messages)
    : m_help(help), m_messages(messages)
{
}

void modTellAFriend::storeFields(const ReferralEntries& typed)
{
    ReferName = TrimSpaces(typed.name);
    ReferEmail = TrimSpaces(typed.email);
    ReferMessage = TrimSpaces(typed.message);
    ReferFriendName = TrimSpaces(typed.friendName);
    ReferFriendEmail = TrimSpaces(typed.friendEmail);
}

void modTellAFriend::SendReferral()
{
    for (const FieldTest& test : kFieldTests) {
        const QString value = TrimSpaces(this->*test.field);
        if (value.isEmpty() || value == ShownPlaceholder(test.placeholder)) {
            m_messages.show({Message(test.message), platform::MessageIcon::Stop});
            return;
        }
    }
    ReferUrl = ReferralAddress({ReferName, ReferEmail, ReferMessage, ReferFriendName, ReferFriendEmail});
    m_help.LaunchWebPage(ReferUrl);
}

}  // namespace shell
