// CheckUpdateReminder against fake services: when it asks, what it stores, what it opens.
#include <gtest/gtest.h>

#include <QDate>
#include <QString>

#include "fakes.h"
#include "shell/modhelp.h"

namespace {

using platform::MessageAnswer;

const QString kApp = QStringLiteral("varodara");
// "Duration" shifted by 85 in code page 1252.
const QString kEncodedName = QString::fromUtf16(u"\u2122\u00CA\u00C7\u00B6\u00C9\u00BE\u00C4\u00C3");
const QString kQuestion = QStringLiteral("There maybe an update to this software available\r"
                                         "Do you want to check for an update?");

class UpdateReminder : public ::testing::Test {
protected:
    QString& storedValue() { return fake.settings.values[fakes::FakeSettings::key(kApp, "Settings", kEncodedName)]; }
    void store(const QDate& date) { storedValue() = shell::EncodeSetting(date.toString(Qt::ISODate)); }
    QDate today() const { return fake.clock.date; }
    QString encodedToday() const { return shell::EncodeSetting(today().toString(Qt::ISODate)); }
    QString downloadPage() const
    {
        return shell::SiteAddress(shell::Site::Main,
                                  "/ov-free-varodara-zevaz-adavuv/download-ov-free-varodara-zevaz-adavuv.html");
    }

    fakes::FakePlatform fake;
    shell::modHelp help{fake.platform, kApp};
};

}  // namespace

TEST_F(UpdateReminder, FirstRunStoresTodayWithoutAsking)
{
    help.CheckUpdateReminder();
    EXPECT_TRUE(fake.messages.shown.empty());
    EXPECT_TRUE(fake.browser.opened.isEmpty());
    ASSERT_EQ(fake.settings.values.size(), 1);
    // 2026-12-14 shifted by 85, as code page 1252 characters.
    EXPECT_EQ(fake.settings.values.value(kApp + "/Settings/" + kEncodedName),
              QString::fromUtf16(u"\u2021\u2026\u2021\u2039\u201A\u2020\u2021\u201A\u2020\u2030"));
}

TEST_F(UpdateReminder, WithinFourteenDaysNothingHappens)
{
    for (const int offset : {-14, -1, 0, 1, 14}) {
        SCOPED_TRACE(offset);
        store(today().addDays(offset));
        const QString before = storedValue();
        help.CheckUpdateReminder();
        EXPECT_TRUE(fake.messages.shown.empty());
        EXPECT_EQ(fake.settings.writes, 0);
        EXPECT_EQ(storedValue(), before);
    }
    EXPECT_TRUE(fake.browser.opened.isEmpty());
}

TEST_F(UpdateReminder, FifteenDaysApartAsksAndStoresToday)
{
    struct Case {
        int offset;
        MessageAnswer answer;
    };
    // Negative: the stored date lies in the past; positive: the clock was moved back.
    const Case cases[] = {{-15, MessageAnswer::Yes}, {-15, MessageAnswer::No}, {15, MessageAnswer::Yes},
                          {15, MessageAnswer::No},   {-4000, MessageAnswer::No}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.offset);
        fakes::FakePlatform fresh;
        shell::modHelp reminder(fresh.platform, kApp);
        fresh.settings.values[fakes::FakeSettings::key(kApp, "Settings", kEncodedName)] =
            shell::EncodeSetting(fresh.clock.date.addDays(c.offset).toString(Qt::ISODate));
        fresh.messages.expect(c.answer);

        reminder.CheckUpdateReminder();

        ASSERT_EQ(fresh.messages.shown.size(), 1u);
        const platform::MessageRequest& box = fresh.messages.shown.front();
        EXPECT_EQ(box.text, kQuestion);
        EXPECT_EQ(box.icon, platform::MessageIcon::Information);
        EXPECT_EQ(box.buttons, platform::MessageButtons::YesNo);
        EXPECT_EQ(box.title, QStringLiteral("OV Free Varodara Zevaz Adavuv"));
        EXPECT_EQ(fresh.settings.writes, 1);
        EXPECT_EQ(fresh.settings.values.value(fakes::FakeSettings::key(kApp, "Settings", kEncodedName)),
                  shell::EncodeSetting(fresh.clock.date.toString(Qt::ISODate)));
        EXPECT_EQ(fresh.browser.opened,
                  c.answer == MessageAnswer::Yes ? QStringList{downloadPage()} : QStringList{});
    }
}

TEST_F(UpdateReminder, AsksOnlyOncePerStart)
{
    store(today().addDays(-30));
    fake.messages.expect(MessageAnswer::No);
    help.CheckUpdateReminder();
    help.CheckUpdateReminder();
    EXPECT_EQ(fake.messages.shown.size(), 1u);
    EXPECT_EQ(storedValue(), encodedToday());
}

TEST_F(UpdateReminder, UnreadableStoredDateIsReplacedByToday)
{
    const QString damaged[] = {
        shell::EncodeSetting(QStringLiteral("garbage")),
        shell::EncodeSetting(QStringLiteral("2026-13-01")),
        shell::EncodeSetting(QStringLiteral("14/12/2026")),
        shell::EncodeSetting(QStringLiteral("2026-11-01 junk")),
        QStringLiteral("2026-11-01"),  // plain, not encoded: decodes to nothing
        QString(shell::kMaxEncodedLength + 1, QChar(0x2021)),
    };
    for (const QString& value : damaged) {
        SCOPED_TRACE(value.left(20).toStdString());
        storedValue() = value;
        help.CheckUpdateReminder();
        EXPECT_TRUE(fake.messages.shown.empty());
        EXPECT_EQ(storedValue(), encodedToday());
    }
    EXPECT_TRUE(fake.browser.opened.isEmpty());
}

TEST_F(UpdateReminder, StoreFailuresReachTheCallerWithoutAMessage)
{
    fake.settings.failReads = true;
    EXPECT_THROW(help.CheckUpdateReminder(), platform::SettingsError);
    EXPECT_EQ(fake.settings.writes, 0);

    fake.settings.failReads = false;
    fake.settings.failWrites = true;
    EXPECT_THROW(help.CheckUpdateReminder(), platform::SettingsError);

    // The new date is stored before the page opens: a failed write opens nothing.
    store(today().addDays(-20));
    fake.messages.expect(MessageAnswer::Yes);
    EXPECT_THROW(help.CheckUpdateReminder(), platform::SettingsError);
    EXPECT_EQ(fake.messages.shown.size(), 1u);
    EXPECT_TRUE(fake.browser.opened.isEmpty());
}
