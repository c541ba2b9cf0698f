#include "platform/qtclipboard.h"

#include <QClipboard>
#include <QGuiApplication>

namespace platform {

void QtClipboard::clear()
{
    QClipboard* clipboard = QGuiApplication::clipboard();
    clipboard->clear(QClipboard::Clipboard);
    if (clipboard->supportsSelection())
        clipboard->clear(QClipboard::Selection);
}

}  // namespace platform
