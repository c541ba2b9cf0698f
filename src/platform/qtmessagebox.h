#pragma once
// Modal message boxes through QMessageBox, parented to the active window so that a box asked
// for by a stay-on-top window shows above it.
#include "platform/services.h"

namespace platform {

class QtMessageBox : public MessageBoxService {
public:
    MessageAnswer show(const MessageRequest& request) override;

    // The program's texts use CR LF, and a lone CR, as line breaks; a label shows a CR as a
    // space, so both become one "\n".
    static QString displayText(const QString& text);
};

}  // namespace platform
