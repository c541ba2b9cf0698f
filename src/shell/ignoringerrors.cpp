#include "shell/ignoringerrors.h"

Q_LOGGING_CATEGORY(lcShell, "varodara.shell")

namespace shell {

void LogIgnoredFailure(LogCategory category, const char* what, const char* reason) noexcept
{
    try {
        qCWarning(category, "%s failed: %s", what, reason);
    } catch (...) {
        // Nowhere left to report to; the next step runs all the same.
    }
}

}  // namespace shell
