// modHelp's update reminder: a stored date, and a question when it lies too far from today.
#include <QCoreApplication>
#include <QDate>
#include <exception>

#include "shell/modhelp.h"
#include "shell/settingencoding.h"

namespace shell {
namespace {

const QString kSettingsSection = QStringLiteral("Settings");
const QString kDurationName = QStringLiteral("Duration");
constexpr qint64 kReminderDays = 14;  // further apart than this, in either direction, asks

constexpr char kUpdateQuestion[] = QT_TRANSLATE_NOOP(
    "Messages", "There maybe an update to this software available\rDo you want to check for an update?");

// The date form the reminder writes; the same in every locale, so it always reads back.
QString DateText(const QDate& date)
{
    return date.toString(Qt::ISODate);
}

// Only exactly what DateText writes counts as a date.
QDate ParseDateText(const QString& text)
{
    const QDate date = QDate::fromString(text, Qt::ISODate);
    if (!date.isValid())
        return {};
    return DateText(date) == text ? date : QDate();
}

}  // namespace

void modHelp::CheckUpdateReminder()
{
    platform::SettingsStore& settings = m_platform.settings;
    const QString name = EncodeSetting(kDurationName);
    const QDate today = m_platform.clock.today();
    const auto storeToday = [&] {
        settings.write(m_applicationName, kSettingsSection, name, EncodeSetting(DateText(today)));
    };

    const QString stored = settings.read(m_applicationName, kSettingsSection, name);
    // A damaged value, too long to decode or not a date, is replaced like a missing one:
    // otherwise it would silence the reminder for good.
    const QString storedText = stored.size() > kMaxEncodedLength ? QString() : DecodeSetting(stored);
    const QDate storedDate = ParseDateText(storedText);
    if (!storedDate.isValid()) {
        storeToday();
        return;
    }

    const qint64 difference = today.daysTo(storedDate);
    if (difference >= -kReminderDays && difference <= kReminderDays)
        return;

    // A store that reads but cannot be written still holds the old date when the main
    // window's load runs the reminder again: without this the user would be asked twice.
    if (m_askedThisStart)
        return;
    m_askedThisStart = true;
    const platform::MessageAnswer answer =
        m_platform.messages.show({QCoreApplication::translate("Messages", kUpdateQuestion),
                                  platform::MessageIcon::Information, platform::MessageButtons::YesNo});
    // Nobody answered: the program is ending, and the question stays due for the next start.
    if (answer == platform::MessageAnswer::None)
        return;
    // The user asked for the page: a date that cannot be stored must not cost them that.
    std::exception_ptr failedWrite;
    try {
        storeToday();
    } catch (...) {
        failedWrite = std::current_exception();
    }
    if (answer == platform::MessageAnswer::Yes)
        OpenDownloadPage();
    if (failedWrite)
        std::rethrow_exception(failedWrite);
}

}  // namespace shell
