#pragma once
// The real desktop services, built once by main() and handed out as one Platform bundle.
#include <memory>

#include "platform/services.h"

namespace platform {

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
