// The reminder with the real settings file, kept in a temporary folder.
#include <gtest/gtest.h>

#include <QFile>
#include <QSettings>
#include <QTemporaryDir>

#include "fakes.h"
#include "platform/qtsettingsstore.h"
#include "shell/codepage1252.h"
#include "shell/modhelp.h"

namespace {

const QString kApp = QStringLiteral("varodara");

class ReminderWithSettingsFile : public ::testing::Test {
protected:
    void SetUp() override { ASSERT_TRUE(dir.isValid()); }

    QByteArray fileContents() const
    {
        QFile file(store.filePath(kApp));
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    }

    QTemporaryDir dir;
    platform::QtSettingsStore store{dir.path()};
    fakes::FakePlatform fake;
    platform::Platform services{fake.messages, fake.browser, store,       fake.clock,
                                fake.clipboard, fake.lock,   fake.random};
    shell::modHelp help{services, kApp};
};

}  // namespace

TEST_F(ReminderWithSettingsFile, StoresOnlyTheEncodedNameAndDate)
{
    fake.clock.date = QDate(2026, 12, 14);
    help.CheckUpdateReminder();
    EXPECT_TRUE(fake.messages.shown.empty());

    const QByteArray raw = fileContents();
    EXPECT_TRUE(raw.contains("[Settings]")) << raw.toStdString();
    EXPECT_FALSE(raw.contains("Duration")) << raw.toStdString();
    EXPECT_FALSE(raw.contains("2026")) << raw.toStdString();

    QSettings file(store.filePath(kApp), QSettings::IniFormat);
    file.beginGroup(QStringLiteral("Settings"));
    const QString encodedName = QString::fromUtf16(u"\u2122\u00CA\u00C7\u00B6\u00C9\u00BE\u00C4\u00C3");
    EXPECT_EQ(file.childKeys(), QStringList{encodedName});
    EXPECT_EQ(file.value(encodedName).toString(),
              QString::fromUtf16(u"\u2021\u2026\u2021\u2039\u201A\u2020\u2021\u201A\u2020\u2030"));
}

TEST_F(ReminderWithSettingsFile, ReadsBackWhatItWrote)
{
    fake.clock.date = QDate(2026, 1, 31);
    help.CheckUpdateReminder();  // first run
    fake.clock.date = QDate(2026, 2, 14);
    help.CheckUpdateReminder();  // 14 days: quiet, unchanged
    EXPECT_TRUE(fake.messages.shown.empty());
    EXPECT_EQ(shell::DecodeSetting(store.read(kApp, "Settings", shell::EncodeSetting("Duration"))),
              QStringLiteral("2026-01-31"));

    fake.clock.date = QDate(2026, 2, 15);
    fake.messages.expect(platform::MessageAnswer::No);
    help.CheckUpdateReminder();  // 15 days: asks once, stores today
    help.CheckUpdateReminder();
    EXPECT_EQ(fake.messages.shown.size(), 1u);
    EXPECT_EQ(shell::DecodeSetting(store.read(kApp, "Settings", shell::EncodeSetting("Duration"))),
              QStringLiteral("2026-02-15"));
}

TEST_F(ReminderWithSettingsFile, EveryEncodedCodeSurvivesTheFile)
{
    QByteArray codes;
    for (int code = 0; code <= 170; ++code)
        codes.append(char(code));
    const QString text = shell::FromCodePage1252(codes);
    const QString name = shell::EncodeSetting(QStringLiteral("Every code"));
    store.write(kApp, QStringLiteral("Settings"), name, shell::EncodeSetting(text));
    platform::QtSettingsStore again(dir.path());
    EXPECT_EQ(shell::DecodeSetting(again.read(kApp, QStringLiteral("Settings"), name)), text);
}
