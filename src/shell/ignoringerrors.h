#pragma once
// Multi-step actions (start-up, shutdown, leaving a window) run each step with errors
// ignored: a step that fails is skipped and the next one runs. The user is told nothing, as
// the design reports no desktop failure; each failure leaves one warning on standard error,
// where the desktop's journal keeps it.
#include <QLoggingCategory>
#include <exception>
#include <utility>

// varodara.shell: start-up, shutdown and the maker's pages.
Q_DECLARE_LOGGING_CATEGORY(lcShell)

namespace shell {

// What Q_DECLARE_LOGGING_CATEGORY declares: lcShell, lcUi.
using LogCategory = const QLoggingCategory& (*)();

// Logs "<what> failed: <reason>" under the category.
void LogIgnoredFailure(LogCategory category, const char* what, const char* reason) noexcept;

template <typename Step>
void IgnoringErrors(LogCategory category, const char* what, Step&& step) noexcept
{
    try {
        std::forward<Step>(step)();
    } catch (const std::exception& error) {
        LogIgnoredFailure(category, what, error.what());
    } catch (...) {
        LogIgnoredFailure(category, what, "an unknown error");
    }
}

}  // namespace shell
