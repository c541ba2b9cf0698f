#include "shell/program.h"

#include <QCoreApplication>
#include <cmath>
#include <utility>

#include "shell/ignoringerrors.h"
#include "shell/modhelp.h"

namespace shell {

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
    IgnoringErrors(lcShell, "taking the instance lock", [&] { anotherCopyRuns = !m_platform.lock.tryLock(); });
    if (anotherCopyRuns) {
        IgnoringErrors(lcShell, "saying that another copy runs", [&] {
            m_platform.messages.show({QCoreApplication::translate("Messages", "Application is already running")});
        });
        EndProgram();
        return;
    }
    IgnoringErrors(lcShell, "seeding the random generator", [&] { m_platform.random.seedFromClock(); });
    IgnoringErrors(lcShell, "the update reminder", [&] { m_help.CheckUpdateReminder(); });
    // A termination signal while the reminder's question was open has ended the program:
    // no window may follow.
    if (m_ending)
        return;
    IgnoringErrors(lcShell, "showing the main window", [&] { m_windows.showMainWindow(); });
    IgnoringErrors(lcShell, "drawing the offer in front", [&] { CoBrand_Randomize(); });
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
    IgnoringErrors(lcShell, "unloading the windows", [&] { m_windows.unloadAllWindows(); });
    // Given up here, not when the process exits: a logoff on Windows kills the process as soon
    // as it has answered the session's end, before main returns.
    IgnoringErrors(lcShell, "releasing the instance lock", [&] { m_platform.lock.release(); });
    m_ended = true;
    IgnoringErrors(lcShell, "ending the event loop", [&] { m_endEventLoop(); });
}

}  // namespace shell
