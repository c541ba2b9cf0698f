// The INI settings store against real files in a temporary folder.
#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>

#include "platform/qtsettingsstore.h"
#include "testhelpers.h"

using platform::QtSettingsStore;
using platform::SettingsError;

namespace {

const QString kApp = QStringLiteral("varodara");
const QString kSection = QStringLiteral("Settings");

// The characters an encoded setting is made of: everything code page 1252 puts above 127,
// its five undefined codes included (they stand for the C1 controls of the same value).
QString codePageUpperHalf()
{
    static const char16_t k80to9F[32] = {
        0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
        0x2039, 0x0152, 0x008D, 0x017D, 0x008F, 0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
        0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178};
    QString text;
    for (char16_t c : k80to9F)
        text += QChar(c);
    for (char16_t c = 0x80; c <= 0xFF; ++c)
        text += QChar(c);
    return text;
}

}  // namespace

TEST(SettingsStore, valueWrittenIsReadBackByFreshStoreAndMissingReadsEmpty)
{
    QTemporaryDir root;
    ASSERT_TRUE(root.isValid());
    QtSettingsStore(root.path()).write(kApp, kSection, QStringLiteral("Duration"), QStringLiteral("14/12/2026"));

    QtSettingsStore fresh(root.path());
    EXPECT_TRUE(QFileInfo::exists(root.path() + QStringLiteral("/varodara/varodara.ini")));
    EXPECT_EQ(fresh.read(kApp, kSection, QStringLiteral("Duration")), QStringLiteral("14/12/2026"));
    EXPECT_EQ(fresh.read(kApp, kSection, QStringLiteral("Other")), QString());
    EXPECT_EQ(fresh.read(kApp, QStringLiteral("Elsewhere"), QStringLiteral("Duration")), QString());
    EXPECT_EQ(fresh.read(QStringLiteral("renamed"), kSection, QStringLiteral("Duration")), QString());
}

TEST(SettingsStore, encodedNameAndValueSurviveTheFile)
{
    QTemporaryDir written;
    QTemporaryDir copied;
    ASSERT_TRUE(written.isValid() && copied.isValid());
    const QString name = codePageUpperHalf();
    // Encoded text can also hold the ASCII codes 85..127, brackets and backslash among them.
    QString value = codePageUpperHalf();
    for (char16_t c = 0x55; c <= 0x7F; ++c)
        value += QChar(c);

    QtSettingsStore(written.path()).write(kApp, kSection, name, value);
    EXPECT_EQ(QtSettingsStore(written.path()).read(kApp, kSection, name), value);

    // QSettings keeps files it has seen in a cache of its own; a copy under another root is
    // read from the bytes on disk.
    ASSERT_TRUE(QDir(copied.path()).mkpath(kApp));
    ASSERT_TRUE(QFile::copy(QtSettingsStore(written.path()).filePath(kApp),
                            QtSettingsStore(copied.path()).filePath(kApp)));
    EXPECT_EQ(QtSettingsStore(copied.path()).read(kApp, kSection, name), value);
}

TEST(SettingsStore, defaultRootIsTheUserConfigFolder)
{
    QTemporaryDir config;
    ASSERT_TRUE(config.isValid());
    const ScopedEnv env("XDG_CONFIG_HOME", QFile::encodeName(config.path()));

    QtSettingsStore().write(kApp, kSection, QStringLiteral("Duration"), QStringLiteral("x"));
    EXPECT_TRUE(QFileInfo::exists(config.path() + QStringLiteral("/varodara/varodara.ini")));
    EXPECT_EQ(QtSettingsStore(config.path()).read(kApp, kSection, QStringLiteral("Duration")),
              QStringLiteral("x"));
}

// Paths blocked in ways that stop root as well as anyone else.
TEST(SettingsStore, unusableFileOrFolderThrows)
{
    QTemporaryDir root;
    ASSERT_TRUE(root.isValid());
    QtSettingsStore store(root.path());

    // A plain file where the application's folder belongs.
    QFile blocker(root.path() + QStringLiteral("/blocked"));
    ASSERT_TRUE(blocker.open(QIODevice::WriteOnly));
    blocker.close();
    EXPECT_THROW(store.write(QStringLiteral("blocked"), kSection, QStringLiteral("a"), QStringLiteral("b")),
                 SettingsError);

    // A folder where the INI file belongs.
    ASSERT_TRUE(QDir(root.path()).mkpath(QStringLiteral("dir/dir.ini")));
    EXPECT_THROW(store.read(QStringLiteral("dir"), kSection, QStringLiteral("a")), SettingsError);
    EXPECT_THROW(store.write(QStringLiteral("dir"), kSection, QStringLiteral("a"), QStringLiteral("b")),
                 SettingsError);
}
