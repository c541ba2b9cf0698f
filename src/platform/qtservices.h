#pragma once
// The real desktop services, built once by main() and handed out as one Platform bundle.
#include <QString>
#include <memory>

#include "platform/services.h"

namespace platform {

// The file name of the running executable, read from the system rather than argv[0], so that
// a start through a symlink or with another argv[0] finds the same settings and lock.
QString ExecutableName();

class QtServices {
public:
    QtServices();
    ~QtServices();
    QtServices(const QtServices&) = delete;
    QtServices& operator=(const QtServices&) = delete;

    Platform& platform();

private:
    struct Impl;
    std::unique_ptr<Impl> m_impl;
};

}  // namespace platform
