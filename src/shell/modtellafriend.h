#pragma once
// modTellAFriend: the Refer A Friend submission of the exit screen, without its widgets.
//   ui::ReferAFriendBox::cmdSubmit_Click -> storeFields (trimmed) -> CheckReferralAddresses
//   -> SendReferral: field tests -> ReferUrl -> modHelp::LaunchWebPage -> browser
// Every failed test shows its stop message and ends the attempt. Each value is percent-encoded,
// so "&", "=", "#", spaces and line breaks reach the referral page as typed, and the browser
// gets the address as one argument, never through a shell.
#include <QString>
#include <optional>

namespace platform {
class MessageBoxService;
}

namespace shell {

class modHelp;

// What each text box of the form holds until the user types something of their own, in
// English; a box shows it in the user's language (ShownPlaceholder), and the form compares
// with what the box shows, so that a translated placeholder is never sent as an entry.
inline constexpr char kNamePlaceholder[] = QT_TRANSLATE_NOOP("Referral", "Your Name");
inline constexpr char kEmailPlaceholder[] = QT_TRANSLATE_NOOP("Referral", "Your Email Address");
inline constexpr char kMessagePlaceholder[] = QT_TRANSLATE_NOOP("Referral", "Your Message");
inline constexpr char kFriendNamePlaceholder[] = QT_TRANSLATE_NOOP("Referral", "Friend's Name");
inline constexpr char kFriendEmailPlaceholder[] = QT_TRANSLATE_NOOP("Referral", "Friend's Email Address");

QString ShownPlaceholder(const char* placeholder);

// Removes leading and trailing space characters (code 32) only: tabs and line breaks stay.
QString TrimSpaces(const QString& text);

// A box holding its placeholder (spaces around it allowed) is emptied when it gains the focus.
bool ClearsPlaceholderOnFocus(const QString& text, const QString& placeholder);
// A box left empty, or holding only spaces, gets its placeholder back when it loses the focus.
bool RestoresPlaceholderOnBlur(const QString& text);

// The tests on the two trimmed addresses, in order; the message of the first that fails, in
// the user's language.
std::optional<QString> CheckReferralAddresses(const QString& email, const QString& friendEmail);

// The five boxes as typed.
struct ReferralEntries {
    QString name;
    QString email;
    QString message;
    QString friendName;
    QString friendEmail;
};

// The referral address from the already trimmed values: fixed keys taf1..taf6 in order, each
// value's UTF-8 bytes percent-encoded except ASCII letters, digits and "-._~@:/".
QString ReferralAddress(const ReferralEntries& trimmed);

class modTellAFriend {
public:
    modTellAFriend(modHelp& help, platform::MessageBoxService& messages);

    // Stores the trimmed texts of the five boxes.
    void storeFields(const ReferralEntries& typed);

    // Tests the stored fields against empty and their placeholders; when all pass, builds
    // ReferUrl and opens it.
    void SendReferral();

    QString ReferName;
    QString ReferEmail;
    QString ReferMessage;
    QString ReferFriendName;
    QString ReferFriendEmail;
    QString ReferUrl;

private:
    modHelp& m_help;
    platform::MessageBoxService& m_messages;
};

}  // namespace shell
