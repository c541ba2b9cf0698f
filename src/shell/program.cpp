#include "shell/program.h"

#include <cmath>
#include <utility>

#include "shell/modhelp.h"

namespace shell {
namespace {

// Start-up and shutdown steps run with errors ignored: a failing step is skipped.
template <typename Step>
void IgnoringErrors(Step&& step)
{
    try {
        std::forward<Step>(step)();
    } catch (...) {
    }
}

}  // namespace

core::Int16 CoBrandNumber(float r)
{
    // std::nearbyint rounds half to even under the default rounding mode.
    return static_cast<core::Int16>(std::nearbyint(6.0f * r + 1.0f));
}

FrontLabel CoBrandChoice(core::Int16 number)
{
    switch (number) {
    case 1:
    case 3:
    case 5:
        return FrontLabel::CoBrand;
    case 2:
    case 4:
    case 6:
        return FrontLabel::FullBrand;
    default:
        return FrontLabel::Unchanged;
    }
}

Program::Program(platform::Platform& platform, modHelp& help, ProgramWindows& windows,
                 std::function<void()> endEventLoop)
    : m_platform(platform), m_help(help), m_windows(windows), m_endEventLoop(std::move(endEventLoop))
{
}

void Program::StartProgram()
{
    bool anotherCopyRuns = false;
    IgnoringErrors([&] { anotherCopyRuns = !m_platform.lock.tryLock(); });
    if (anotherCopyRuns) {
        IgnoringErrors([&] { m_platform.messages.show({QStringLiteral("Application is already running")}); });
        EndProgram();
        return;
    }
    IgnoringErrors([&] { m_platform.random.seedFromClock(); });
    IgnoringErrors([&] { m_help.CheckUpdateReminder(); });
    IgnoringErrors([&] { m_windows.showMainWindow(); });
    IgnoringErrors([&] { CoBrand_Randomize(); });
}

void Program::CoBrand_Randomize()
{
    m_intCoBrandRandomNumber = CoBrandNumber(m_platform.random.next());
    switch (CoBrandChoice(m_intCoBrandRandomNumber)) {
    case FrontLabel::CoBrand:
        m_windows.bringCoBrandToFront();
        break;
    case FrontLabel::FullBrand:
        m_windows.bringFullBrandToFront();
        break;
    case FrontLabel::Unchanged:
        break;
    }
}

void Program::EndProgram()
{
    // Re-entered from an unload that this call caused: the outer call finishes the job.
    if (m_ending)
        return;
    m_ending = true;
    IgnoringErrors([&] { m_windows.unloadAllWindows(); });
    m_ended = true;
    IgnoringErrors([&] { m_endEventLoop(); });
}

}  // namespace shell
