// The reminder with the real settings file, kept in a temporary folder.
#include <gtest/gtest.h>

#include <QFile>
#include <QSettings>
#include <QTemporaryDir>

#include "fakes.h"
#include "platform/qtsettingsstore.h"
#include "shell/modhelp.h"

TEST(ReminderWithSettingsFile, StoresOnlyTheEncodedNameAndDateAndReadsThemBack)
{
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    platform::QtSettingsStore store(dir.path());
    fakes::FakePlatform fake;
    platform::Platform services{fake.messages, fake.browser, store, fake.clock, fake.clipboard, fake.lock, fake.random};
    shell::modHelp help(services, QStringLiteral("varodara"));
    help.CheckUpdateReminder();  // first run, on 2026-12-14

    QFile file(store.filePath(QStringLiteral("varodara")));
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    const QByteArray raw = file.readAll();
    EXPECT_TRUE(raw.contains("[Settings]") && !raw.contains("Duration") && !raw.contains("2026")) << raw.toStdString();
    QSettings ini(file.fileName(), QSettings::IniFormat);
    ini.beginGroup(QStringLiteral("Settings"));
    const QString encodedName = QString::fromUtf16(u"\u2122\u00CA\u00C7\u00B6\u00C9\u00BE\u00C4\u00C3");
    EXPECT_EQ(ini.childKeys(), QStringList{encodedName});
    EXPECT_EQ(ini.value(encodedName).toString(),
              QString::fromUtf16(u"\u2021\u2026\u2021\u2039\u201A\u2020\u2021\u201A\u2020\u2030"));

    fake.clock.date = fake.clock.date.addDays(15);
    fake.messages.expect(platform::MessageAnswer::No);
    help.CheckUpdateReminder();
    EXPECT_EQ(fake.messages.shown.size(), 1u);
}
