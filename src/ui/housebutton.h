#pragma once
// A push button in the house look: the house colours, drawn by LeanStyle in the design's
// "graphical" style (a flat face with a two-pixel raised edge) over any platform style.
// Enter or Return on the focused button clicks it, as on the desktop.
#include <QPushButton>

namespace ui {

class HouseButton : public QPushButton {
    Q_OBJECT
public:
    // The caption may carry an access key ("&Next"); screen readers hear it without the "&".
    HouseButton(const QString& caption, QWidget* parent);
};

}  // namespace ui
