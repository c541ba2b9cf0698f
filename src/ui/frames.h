#pragma once
// The design's two kinds of frame around a group of controls.
class QFrame;
class QGroupBox;
class QString;
class QWidget;

namespace ui {

// A frame without caption: a sunken box, in its parent's colours.
QFrame* MakeBoxFrame(QWidget* parent, const QString& accessibleName);
// The exit screen's frames: navy, with a white Verdana 9.75 pt bold caption.
void StyleNavyFrame(QGroupBox* frame);

}  // namespace ui
