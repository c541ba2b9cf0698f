#pragma once
// Modal message boxes through QMessageBox, parented to the active window; a box with no window
// under it stays on top, so that it is never hidden; each is wide enough for its caption.
#include <QFont>
#include <QWidget>

#include "platform/services.h"

namespace platform {

class QtMessageBox : public MessageBoxService {
public:
    MessageAnswer show(const MessageRequest& request) override;

    // The program's texts use CR LF, and a lone CR, as line breaks; a label shows a CR as a
    // space, so both become one "\n".
    static QString displayText(const QString& text);
    // The least width that shows the whole caption in the desktop's title bar.
    static int titleWidth(const QString& title, const QFont& font);
    // The box's window flags over the given parent (none, or a window that stays on top).
    static Qt::WindowFlags windowFlags(const QWidget* parent, Qt::WindowFlags flags);
};

}  // namespace platform
