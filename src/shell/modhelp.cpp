#include "shell/modhelp.h"

#include <QDate>
#include <exception>
#include <stdexcept>
#include <utility>

#include "product.h"
#include "shell/codepage1252.h"

namespace shell {
namespace {

enum class Page { Home, Softwares, OnlineHelp, Download, Donate, CoBrand, FullyBranded };

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
        return SiteAddress(Site::Main, ProductPath(QStringLiteral("ov-free-varodara-zevaz-adavuv-help.html")));
    case Page::Download:
        return SiteAddress(Site::Main, ProductPath(QStringLiteral("download-ov-free-varodara-zevaz-adavuv.html")));
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

constexpr int kSettingShift = 85;
constexpr int kLastCode = 255;

// Shifts each code page 1252 code by delta and drops the characters that leave 0..255.
QString ShiftCodes(const QString& text, int delta)
{
    if (text.size() > kMaxEncodedLength)
        throw std::length_error("setting text too long to encode");
    QByteArray shifted;
    for (const char byte : ToCodePage1252(text)) {
        const int code = static_cast<unsigned char>(byte) + delta;
        if (code >= 0 && code <= kLastCode)
            shifted.append(char(code));
    }
    return FromCodePage1252(shifted);
}

const QString kSettingsSection = QStringLiteral("Settings");
const QString kDurationName = QStringLiteral("Duration");
constexpr qint64 kReminderDays = 14;  // further apart than this, in either direction, asks

const QString kUpdateQuestion = QStringLiteral(QT_TRANSLATE_NOOP(
    "Messages", "There maybe an update to this software available\rDo you want to check for an update?"));

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

QString EncodeSetting(const QString& text)
{
    return ShiftCodes(text, kSettingShift);
}

QString DecodeSetting(const QString& text)
{
    return ShiftCodes(text, -kSettingShift);
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
    const platform::MessageAnswer answer = m_platform.messages.show(
        {kUpdateQuestion, platform::MessageIcon::Information, platform::MessageButtons::YesNo});
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
