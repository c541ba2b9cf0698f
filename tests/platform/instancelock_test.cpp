// The instance lock across real processes: lock_holder takes it in a process of its own.
#include <gtest/gtest.h>

#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>

#include "platform/qtinstancelock.h"
#include "testhelpers.h"

using platform::QtInstanceLock;

namespace {

const QString kName = QStringLiteral("varodara");

// Starts a holder and returns the first line it prints ("locked" or "busy").
QString startHolder(QProcess& holder, const QString& folder)
{
    holder.start(QStringLiteral(VARODARA_LOCK_HOLDER), {folder, kName});
    if (!holder.waitForStarted(10000))
        return QStringLiteral("did not start");
    if (!QTest::qWaitFor([&] { return holder.canReadLine() || holder.state() == QProcess::NotRunning; },
                         10000))
        return QStringLiteral("no answer");
    return QString::fromLocal8Bit(holder.readLine()).trimmed();
}

}  // namespace

TEST(InstanceLock, heldByAnotherProcessUntilItIsKilled)
{
    QTemporaryDir folder;
    ASSERT_TRUE(folder.isValid());
    QProcess holder;
    ASSERT_EQ(startHolder(holder, folder.path()), QStringLiteral("locked"));

    QProcess second;
    EXPECT_EQ(startHolder(second, folder.path()), QStringLiteral("busy"));
    EXPECT_TRUE(QTest::qWaitFor([&] { return second.state() == QProcess::NotRunning; }, 10000));
    QtInstanceLock here(folder.path(), kName);
    EXPECT_FALSE(here.tryLock());

    holder.kill();
    ASSERT_TRUE(holder.waitForFinished(10000));
    ASSERT_TRUE(QFileInfo::exists(here.lockFilePath())) << "a killed holder leaves its lock behind";
    EXPECT_TRUE(here.tryLock());
    EXPECT_TRUE(here.tryLock()) << "asking again while holding it";
    EXPECT_FALSE(QtInstanceLock(folder.path(), kName).tryLock());
}

TEST(InstanceLock, releasedWhenTheHolderEnds)
{
    QTemporaryDir folder;
    ASSERT_TRUE(folder.isValid());
    {
        QtInstanceLock first(folder.path(), kName);
        ASSERT_TRUE(first.tryLock());
    }
    EXPECT_TRUE(QtInstanceLock(folder.path(), kName).tryLock());
}

TEST(InstanceLock, defaultsToRuntimeFolderElseUserCacheAndApplicationName)
{
    QTemporaryDir runtime;
    QTemporaryDir cache;
    ASSERT_TRUE(runtime.isValid() && cache.isValid());
    const QString file = QCoreApplication::applicationName() + QStringLiteral(".lock");
    const ScopedEnv cacheHome("XDG_CACHE_HOME", QFile::encodeName(cache.path()));
    {
        const ScopedEnv env("XDG_RUNTIME_DIR", QFile::encodeName(runtime.path()));
        QtInstanceLock lock;
        ASSERT_TRUE(lock.tryLock());
        EXPECT_TRUE(QFileInfo::exists(runtime.filePath(file)));
    }
    {
        const ScopedEnv env("XDG_RUNTIME_DIR", QByteArray());
        QtInstanceLock lock;
        ASSERT_TRUE(lock.tryLock());
        EXPECT_TRUE(QFileInfo::exists(cache.filePath(QStringLiteral("varodara/") + file)));
    }
}

TEST(InstanceLock, folderThatCannotBeMadeLetsTheProgramStart)
{
    QTemporaryDir root;
    ASSERT_TRUE(root.isValid());
    QFile blocker(root.filePath(QStringLiteral("file")));
    ASSERT_TRUE(blocker.open(QIODevice::WriteOnly));
    blocker.close();
    EXPECT_TRUE(QtInstanceLock(blocker.fileName() + QStringLiteral("/locks"), kName).tryLock());
}
