#pragma once
// The design's fonts: Verdana and MS Sans Serif, requested by name, with substitutes of close
// metrics where they are not installed, and shrunk to fit where a substitute runs wider.
#include <QFont>

class QWidget;

namespace ui {

// Call once after the application object exists.
void InstallFontSubstitutes();
QFont Verdana(qreal points, bool bold = false, bool underline = false);
QFont MsSansSerif(qreal points);
// The font of controls whose design font is the system default. Every property is set so
// that nothing of a frame's bold caption font is inherited.
QFont DefaultControlFont();
// A substitute of other metrics may stand in for a design font: shrinks the control's font in
// small steps until its text fits its box, never below 7 pt.
void ShrinkToFit(QWidget* widget, QFont font);

}  // namespace ui
