// CheckUpdateReminder against fake services: when it asks, what it stores, what it opens.
#include <gtest/gtest.h>

#include "fakes.h"
#include "product.h"
#include "shell/modhelp.h"
#include "shell/settingencoding.h"

using platform::MessageAnswer;

const QString kApp = QStringLiteral("varodara");
// "Duration" shifted by 85 in code page 1252.
const QString kKey =
    fakes::FakeSettings::key(kApp, "Settings", QString::fromUtf16(u"\u2122\u00CA\u00C7\u00B6\u00C9\u00BE\u00C4\u00C3"));

// The stored text of the date that many days from the fake clock's today.
static QString storedDaysAway(int days)
{
    return shell::EncodeSetting(fakes::FakeClock().date.addDays(days).toString(Qt::ISODate));
}

TEST(UpdateReminder, AsksOnceWhenTheStoredDateIsMoreThanFourteenDaysAway)
{
    enum Outcome { Keeps, StoresToday, Asks };
    struct Case {
        const char* name;
        QString stored;  // null: nothing stored yet
        Outcome outcome;
        MessageAnswer answer = MessageAnswer::No;
    };
    const Case cases[] = {
        {"first run", QString(), StoresToday},
        {"14 days ago", storedDaysAway(-14), Keeps},
        {"14 days ahead", storedDaysAway(14), Keeps},
        {"15 days ago, Yes", storedDaysAway(-15), Asks, MessageAnswer::Yes},
        {"15 days ago, No", storedDaysAway(-15), Asks, MessageAnswer::No},
        {"15 days ahead, No", storedDaysAway(15), Asks, MessageAnswer::No},
        {"garbage", shell::EncodeSetting(QStringLiteral("garbage")), StoresToday},
        {"no such day", shell::EncodeSetting(QStringLiteral("2026-13-01")), StoresToday},
        {"date and more", shell::EncodeSetting(QStringLiteral("2026-11-01 junk")), StoresToday},
        {"not encoded", QStringLiteral("2026-11-01"), StoresToday},
        {"too long to decode", QString(shell::kMaxEncodedLength + 1, QChar(0x2021)), StoresToday},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        fakes::FakePlatform fake;
        shell::modHelp help(fake.platform, kApp);
        if (!c.stored.isNull())
            fake.settings.values[kKey] = c.stored;
        if (c.outcome == Asks)
            fake.messages.expect(c.answer);

        help.CheckUpdateReminder();
        help.CheckUpdateReminder();  // the main window's load runs it again

        EXPECT_EQ(fake.settings.values.value(kKey), c.outcome == Keeps ? c.stored : storedDaysAway(0));
        EXPECT_EQ(fake.settings.writes, c.outcome == Keeps ? 0 : 1);
        ASSERT_EQ(fake.messages.shown.size(), c.outcome == Asks ? 1u : 0u);
        for (const platform::MessageRequest& box : fake.messages.shown) {
            EXPECT_EQ(box.text, QStringLiteral("There maybe an update to this software available\r"
                                               "Do you want to check for an update?"));
            EXPECT_EQ(box.icon, platform::MessageIcon::Information);
            EXPECT_EQ(box.buttons, platform::MessageButtons::YesNo);
            EXPECT_EQ(box.title, QString::fromLatin1(product::kTitle));
        }
        const QString download =
            "http://www.orvanesoftwares.com/ov-free-varodara-zevaz-adavuv/download-ov-free-varodara-zevaz-adavuv.html";
        EXPECT_EQ(fake.browser.opened, c.answer == MessageAnswer::Yes ? QStringList{download} : QStringList{});
    }
}

TEST(UpdateReminder, StoreFailuresReachTheCallerWithoutAMessage)
{
    fakes::FakePlatform fake;
    shell::modHelp help(fake.platform, kApp);
    fake.settings.failReads = true;
    EXPECT_THROW(help.CheckUpdateReminder(), platform::SettingsError);
    std::swap(fake.settings.failReads, fake.settings.failWrites);  // now only the write fails
    EXPECT_THROW(help.CheckUpdateReminder(), platform::SettingsError);
    EXPECT_TRUE(fake.messages.shown.empty());

    // A date that cannot be stored: the question still comes first, a Yes still opens the
    // download page, the failure still reaches the caller, and the main window's load does
    // not ask a second time.
    fake.settings.values[kKey] = storedDaysAway(-20);
    fake.messages.expect(MessageAnswer::Yes);
    EXPECT_THROW(help.CheckUpdateReminder(), platform::SettingsError);
    EXPECT_EQ(fake.messages.shown.size(), 1u);
    EXPECT_EQ(fake.browser.opened.size(), 1);
    EXPECT_NO_THROW(help.CheckUpdateReminder());
    EXPECT_EQ(fake.messages.shown.size(), 1u);
    EXPECT_EQ(fake.settings.values.value(kKey), storedDaysAway(-20));
}
