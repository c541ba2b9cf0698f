#include <windows.h>
// windows.h first: shellapi.h needs its types.
#include <shellapi.h>

#include "platform/qtbrowser.h"

namespace platform {

void QtBrowser::open(const QString& address)
{
    // The shell's "open" gives the address, unchanged and as one argument, to the user's
    // default browser; C:\ as working directory, so that it never holds on to wherever we
    // were started. A failure is not reported.
    const std::wstring target = address.toStdWString();
    ShellExecuteW(nullptr, L"open", target.c_str(), nullptr, L"C:\\", SW_SHOWNORMAL);
}

}  // namespace platform
