// The INI settings store against real files in a temporary folder (Linux; the registry store
// is settingsstore_test_win.cpp).
#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include "platform/qtsettingsstore.h"
#include "testhelpers.h"

using platform::QtSettingsStore;

const QString kApp = QStringLiteral("varodara");
const QString kSection = QStringLiteral("Settings");

TEST(SettingsStore, valueWrittenUnderTheConfigFolderIsReadBackByAFreshStore)
{
    QTemporaryDir config;
    ASSERT_TRUE(config.isValid());
    {
        const auto env = scopedEnv("XDG_CONFIG_HOME", QFile::encodeName(config.path()));
        QtSettingsStore().write(kApp, kSection, QStringLiteral("Duration"), QStringLiteral("14/12/2026"));
    }
    QtSettingsStore fresh(config.path());
    EXPECT_EQ(fresh.read(kApp, kSection, QStringLiteral("Duration")), QStringLiteral("14/12/2026"));
    EXPECT_EQ(fresh.read(kApp, QStringLiteral("Other"), QStringLiteral("Duration")), QString());
}

TEST(SettingsStore, encodedNameAndValueSurviveTheFile)
{
    QTemporaryDir written;
    QTemporaryDir copied;
    ASSERT_TRUE(written.isValid() && copied.isValid());
    const QString name = EncodedUpperHalf();
    const QString value = name + EncodedAscii();

    QtSettingsStore(written.path()).write(kApp, kSection, name, value);
    // QSettings caches the files it has seen; a copy under another root is read from disk.
    ASSERT_TRUE(QDir(copied.path()).mkpath(kApp));
    ASSERT_TRUE(
        QFile::copy(QtSettingsStore(written.path()).filePath(kApp), QtSettingsStore(copied.path()).filePath(kApp)));
    EXPECT_EQ(QtSettingsStore(copied.path()).read(kApp, kSection, name), value);
}

TEST(SettingsStore, writeWhereNoFileCanBeWrittenThrows)
{
    // Its folder is a regular file: the folder cannot be made.
    QTemporaryDir fileForFolder;
    ASSERT_TRUE(fileForFolder.isValid() && QFile(fileForFolder.filePath(kApp)).open(QIODevice::WriteOnly));
    EXPECT_THROW(QtSettingsStore(fileForFolder.path()).write(kApp, kSection, QStringLiteral("a"), QStringLiteral("b")),
                 platform::SettingsError);

    // The file itself is a folder: nothing can be stored, and that must not pass as saved.
    QTemporaryDir folderForFile;
    ASSERT_TRUE(folderForFile.isValid());
    QtSettingsStore store(folderForFile.path());
    ASSERT_TRUE(QDir().mkpath(store.filePath(kApp)));
    EXPECT_THROW(store.write(kApp, kSection, QStringLiteral("a"), QStringLiteral("b")), platform::SettingsError);
}
