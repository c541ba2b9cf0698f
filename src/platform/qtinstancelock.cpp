#include "platform/qtinstancelock.h"

#include <QCoreApplication>
#include <QDateTime>
#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>
#include <cstdlib>

#include "product.h"

namespace platform {

namespace {

constexpr qint64 kFreshLockSeconds = 2;

QString defaultFolder()
{
    QString runtime = qEnvironmentVariable("XDG_RUNTIME_DIR");
    if (!runtime.isEmpty())
        return runtime;
    const QString cache = QStandardPaths::writableLocation(QStandardPaths::GenericCacheLocation);
    return cache.isEmpty() ? QString() : cache + QLatin1Char('/') + QLatin1String(product::kProgram);
}

QString defaultName()
{
    const QString application = QCoreApplication::applicationName();
    return application.isEmpty() ? QString::fromLatin1(product::kProgram) : application;
}

}  // namespace

QtInstanceLock::QtInstanceLock(QString folder, QString name)
    : m_folder(folder.isEmpty() ? defaultFolder() : std::move(folder)),
      m_name(name.isEmpty() ? defaultName() : std::move(name))
{
}

QtInstanceLock::~QtInstanceLock() = default;

QString QtInstanceLock::lockFilePath() const
{
    return m_folder + QLatin1Char('/') + m_name + QLatin1String(".lock");
}

bool QtInstanceLock::tryLock()
{
    if (m_lock && m_lock->isLocked())
        return true;
    // Without a folder for the lock we cannot tell whether another copy runs. Refusing to
    // start would lock the user out of the program for good, so start as if alone.
    if (m_folder.isEmpty() || !QDir().mkpath(m_folder))
        return true;
    if (!m_lock) {
        m_lock = std::make_unique<QLockFile>(lockFilePath());
        // No age limit: a copy that runs for days still holds its lock. A lock whose process
        // has died is still taken over, since QLockFile checks the recorded process.
        m_lock->setStaleLockTime(0);
    }
    if (m_lock->tryLock(0))
        return true;
    // Only a lock held by a live process means another copy runs; a lock file we cannot
    // write is the same case as a missing folder above.
    if (m_lock->error() != QLockFile::LockFailedError)
        return true;
    if (!takeOverUnreadableLock())
        return false;
    return m_lock->tryLock(0) || m_lock->error() != QLockFile::LockFailedError;
}

void QtInstanceLock::release()
{
    if (m_lock)
        m_lock->unlock();
}

bool QtInstanceLock::takeOverUnreadableLock()
{
    // A lock file that names no holder (garbage, or emptied by a crash) would otherwise
    // refuse every start for good. A starting copy writes its details at once after making
    // the file, so a file only seconds old may still be one doing so: leave that alone.
    // The removal itself fails while a live holder keeps the file locked.
    qint64 pid = 0;
    QString host;
    QString application;
    if (m_lock->getLockInfo(&pid, &host, &application))
        return false;
    const QDateTime modified = QFileInfo(lockFilePath()).fileTime(QFileDevice::FileModificationTime);
    if (modified.isValid() && std::abs(modified.secsTo(QDateTime::currentDateTime())) < kFreshLockSeconds)
        return false;
    return m_lock->removeStaleLockFile();
}

}  // namespace platform
