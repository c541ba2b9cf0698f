#pragma once
// Start-up and shutdown. main() -> StartProgram: instance guard, seed, update reminder,
// main window, CoBrand_Randomize. Every way out of the program ends in EndProgram, which
// unloads the windows until none is loaded, gives up the instance lock and ends the event loop.
#include <functional>

#include "core/int16.h"
#include "platform/services.h"

namespace shell {

class modHelp;

// What start-up and shutdown need from the windows; the window layer implements it.
class ProgramWindows {
public:
    virtual ~ProgramWindows() = default;
    virtual void showMainWindow() = 0;
    // The main window's two overlapping promotional labels.
    virtual void bringCoBrandToFront() = 0;
    virtual void bringFullBrandToFront() = 0;
    // Unloads the loaded windows until none is left, each running its own unload behaviour,
    // and shows none; a failing unload is skipped.
    virtual void unloadAllWindows() = 0;
};

enum class FrontLabel { CoBrand, FullBrand, Unchanged };

// 6 * r + 1 rounded half to even: 1..7.
core::Int16 CoBrandNumber(float r);
FrontLabel CoBrandChoice(core::Int16 number);

class Program {
public:
    // endEventLoop ends the running event loop (QCoreApplication::exit in the program).
    Program(platform::Platform& platform, modHelp& help, ProgramWindows& windows, std::function<void()> endEventLoop);

    void StartProgram();
    void EndProgram();
    void CoBrand_Randomize();

    // True once EndProgram has run: the caller must not start the event loop.
    bool ended() const { return m_ended; }
    core::Int16 intCoBrandRandomNumber() const { return m_intCoBrandRandomNumber; }

private:
    platform::Platform& m_platform;
    modHelp& m_help;
    ProgramWindows& m_windows;
    std::function<void()> m_endEventLoop;
    core::Int16 m_intCoBrandRandomNumber = 0;
    bool m_ending = false;
    bool m_ended = false;
};

}  // namespace shell
