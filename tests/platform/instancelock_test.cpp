// The instance lock across real processes: lock_holder takes it in a process of its own.
#include <gtest/gtest.h>

#include <QDateTime>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>

#include "platform/qtinstancelock.h"
#include "product.h"
#include "testhelpers.h"

const QString kName = QStringLiteral("varodara");

// Starts a holder and returns the first line it prints: "locked" or "busy".
static QString startHolder(QProcess& holder, const QString& folder)
{
    holder.start(QStringLiteral(VARODARA_LOCK_HOLDER), {folder, kName});
    const bool answered =
        QTest::qWaitFor([&] { return holder.canReadLine() || holder.state() == QProcess::NotRunning; }, 10000);
    return answered ? QString::fromLocal8Bit(holder.readLine()).trimmed() : QStringLiteral("no answer");
}

TEST(InstanceLock, heldUntilItsProcessIsKilledOrItIsGivenUp)
{
    QTemporaryDir folder;
    ASSERT_TRUE(folder.isValid());
    QProcess first;
    ASSERT_EQ(startHolder(first, folder.path()), QStringLiteral("locked"));
    QProcess second;
    EXPECT_EQ(startHolder(second, folder.path()), QStringLiteral("busy"));

    first.kill();
    ASSERT_TRUE(first.waitForFinished(10000));
    ASSERT_TRUE(QFileInfo::exists(platform::QtInstanceLock(folder.path(), kName).lockFilePath()))
        << "a killed holder leaves its lock file behind";
    QProcess third;
    EXPECT_EQ(startHolder(third, folder.path()), QStringLiteral("locked"));
    third.closeWriteChannel();
    EXPECT_TRUE(third.waitForFinished(10000));

    // Given up while its process still runs, as the program does before a logoff kills it.
    platform::QtInstanceLock mine(folder.path(), kName);
    platform::QtInstanceLock next(folder.path(), kName);
    ASSERT_TRUE(mine.tryLock());
    EXPECT_FALSE(next.tryLock());
    mine.release();
    EXPECT_FALSE(QFileInfo::exists(mine.lockFilePath()));
    EXPECT_TRUE(next.tryLock());
}

TEST(InstanceLock, folderDefaultsToRuntimeElseCacheAndAnUnusableOneLetsTheProgramStart)
{
    QTemporaryDir runtime;
    QTemporaryDir cache;
    ASSERT_TRUE(runtime.isValid() && cache.isValid());
    const QString file = QCoreApplication::applicationName() + QStringLiteral(".lock");
    const auto cacheHome = scopedEnv("XDG_CACHE_HOME", QFile::encodeName(cache.path()));
    for (const QString& runtimeDir : {runtime.path(), QString()}) {
        const auto env = scopedEnv("XDG_RUNTIME_DIR", QFile::encodeName(runtimeDir));
        platform::QtInstanceLock lock;
        ASSERT_TRUE(lock.tryLock());
        // Without a runtime folder: the folder named after the program under the cache.
        const QString folder =
            runtimeDir.isEmpty() ? cache.filePath(QString::fromLatin1(product::kProgram)) : runtimeDir;
        EXPECT_TRUE(QFileInfo::exists(folder + QLatin1Char('/') + file)) << folder.toStdString();
    }
    // Without a usable folder it cannot tell whether another copy runs, and starts as if alone.
    ASSERT_TRUE(QFile(cache.filePath(QStringLiteral("file"))).open(QIODevice::WriteOnly));
    EXPECT_TRUE(platform::QtInstanceLock(cache.filePath(QStringLiteral("file/locks")), kName).tryLock());
    // Likewise a folder where no file can be made, even by root: only a live holder refuses.
    EXPECT_TRUE(platform::QtInstanceLock(QStringLiteral("/proc/self"), kName).tryLock());
}

TEST(InstanceLock, aLockFileThatNamesNoHolderIsTakenOverOnceItIsNotBrandNew)
{
    struct Case {
        const char* name;
        QByteArray contents;
        int ageSeconds;
        bool taken;
    };
    QByteArray garbage(4096, '\0');
    for (int i = 0; i < garbage.size(); ++i)
        garbage[i] = char((i * 131 + 7) % 256);
    const Case cases[] = {
        {"garbage", garbage, 3600, true},
        {"empty", QByteArray(), 3600, true},
        {"dated ahead", QByteArray("\n\n"), -3600, true},
        // What a copy starting this very moment leaves for an instant before its details.
        {"empty and new", QByteArray(), 0, false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        QTemporaryDir folder;
        ASSERT_TRUE(folder.isValid());
        platform::QtInstanceLock lock(folder.path(), kName);
        QFile file(lock.lockFilePath());
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(c.contents);
        file.flush();
        ASSERT_TRUE(
            file.setFileTime(QDateTime::currentDateTime().addSecs(-c.ageSeconds), QFileDevice::FileModificationTime));
        file.close();
        EXPECT_EQ(lock.tryLock(), c.taken);
    }
}
