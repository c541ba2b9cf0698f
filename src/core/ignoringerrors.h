#pragma once
// Multi-step actions (start-up, shutdown, leaving a window) run each step with errors
// ignored: a step that fails is skipped and the next one runs.
#include <utility>

namespace core {

template <typename Step>
void IgnoringErrors(Step&& step) noexcept
{
    try {
        std::forward<Step>(step)();
    } catch (...) {
    }
}

}  // namespace core
