#pragma once
// The running-instance guard: a QLockFile in a per-user folder, held until it is released or
// this object dies.
// Per-user because a lock left by another user's dead process in a shared sticky folder
// could never be taken over.
#include <QLockFile>
#include <memory>

#include "platform/services.h"

namespace platform {

class QtInstanceLock : public InstanceLock {
public:
    // An empty folder means $XDG_RUNTIME_DIR, else the user's cache folder; an empty name
    // means the application name.
    explicit QtInstanceLock(QString folder = {}, QString name = {});
    ~QtInstanceLock() override;
    QtInstanceLock(const QtInstanceLock&) = delete;
    QtInstanceLock& operator=(const QtInstanceLock&) = delete;

    bool tryLock() override;
    void release() override;

    QString lockFilePath() const;

private:
    bool takeOverUnreadableLock();

    QString m_folder;
    QString m_name;
    std::unique_ptr<QLockFile> m_lock;
};

}  // namespace platform
