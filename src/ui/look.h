#pragma once
// The house look: colours, fonts, and placement in twips (15 twips per logical pixel).
#include <QColor>
#include <QFont>
#include <QIcon>
#include <QPalette>
#include <QPixmap>
#include <QRect>
#include <QString>

#include "version.h"

class QAbstractButton;
class QFrame;
class QGroupBox;
class QLineEdit;
class QPushButton;
class QWidget;

namespace ui {

inline const QString kWindowCaption = QStringLiteral("OV Varodara Zevaz Adavuv v" VARODARA_VERSION);

inline constexpr QColor kHouseBlue{124, 165, 231};
inline constexpr QColor kWhite{255, 255, 255};
inline constexpr QColor kLinkBlue{0, 0, 255};
inline constexpr QColor kNavy{0, 0, 128};
inline constexpr QColor kCheckBlue{0, 0, 192};
inline constexpr QColor kYellow{255, 255, 0};
inline constexpr QColor kBlack{0, 0, 0};
// The light button face of the platform's default look, fixed under the offers' blue text.
#ifdef Q_OS_WIN
inline constexpr QColor kButtonFace{240, 240, 240};
#else
inline constexpr QColor kButtonFace{239, 239, 239};
#endif

inline constexpr int kTwipsPerPixel = 15;

constexpr int Twips(int twips)
{
    return twips / kTwipsPerPixel;
}
constexpr QRect TwipsRect(int left, int top, int width, int height)
{
    return {Twips(left), Twips(top), Twips(width), Twips(height)};
}

// Sets the widget's geometry (relative to its parent) from twips.
void PlaceTwips(QWidget* widget, int left, int top, int width, int height);
// The same, returning the widget so that a control is built, named and placed in one line.
template <typename W>
W* Place(W* widget, int left, int top, int width, int height)
{
    PlaceTwips(widget, left, top, width, height);
    return widget;
}
template <typename W>
W* Place(W* widget, const char* objectName, int left, int top, int width, int height)
{
    widget->setObjectName(QLatin1String(objectName));
    return Place(widget, left, top, width, height);
}
// Fixes a window's client area to the given twips.
void SetClientSizeTwips(QWidget* window, int width, int height);
void CenterOnScreen(QWidget* window);
// Where a window of the given frame size goes in the screen's available area: centred, but on
// an axis where it is larger than the area its top-left corner stays inside the area, so that
// its caption and left edge stay on the screen.
QPoint PlaceOnScreen(const QSize& frame, const QRect& available);

// Verdana and MS Sans Serif are requested by name; substitutes of close metrics stand in
// where they are not installed. Call once after the application object exists.
void InstallFontSubstitutes();
QFont Verdana(qreal points, bool bold = false, bool underline = false);
QFont MsSansSerif(qreal points);
// The font of controls whose design font is the system default. Every property is set so
// that nothing of a frame's bold caption font is inherited.
QFont DefaultControlFont();
// The design's fonts are requested by name and a substitute of other metrics may stand in:
// shrinks the control's font in small steps until its text fits its box, never below 6 pt.
void ShrinkToFit(QWidget* widget, QFont font);

// Colours come in pairs: a fixed background gets a fixed text colour and the other way round,
// or the desktop's colour scheme may put its light text on our white, or our blue on its grey.
// The three pairs of a palette (window, box, button) set to one background and one text colour.
void SetColourPairs(QPalette& palette, const QColor& background, const QColor& text);
// Background and text colour of a widget and of the frames, boxes and buttons inside it, with
// the background filled.
void PaintColours(QWidget* widget, const QColor& background, const QColor& text);
// The same for the widget's own background and text only: the boxes and buttons inside it keep
// the desktop's colours.
void PaintWindowColours(QWidget* widget, const QColor& background, const QColor& text);
// The text colour of a widget without a background of its own, on a parent of fixed colours.
void SetTextColour(QWidget* widget, const QColor& text);
// A control left to the desktop's colours inside a widget of fixed colours: it takes the
// desktop's palette, and takes it again whenever the desktop's colour scheme changes.
void FollowDesktopColours(QWidget* widget);
// Buttons drawn in "graphical style" by LeanStyle: the face colour shows on every platform style.
void StyleButton(QAbstractButton* button, const QColor& face, const QColor& text = kWhite);

// Enter and Return on the focused button click it, as on the desktop. Outside a dialog Qt's
// buttons ignore both unless they are auto-default; no window-wide default comes of it.
void ClickOnEnter(QPushButton* button);

// Text boxes take text of any length (Qt stops at 32767 characters by default).
void LiftLengthLimit(QLineEdit* box);

// A frame without caption: a sunken box around a group of controls.
QFrame* MakeBoxFrame(QWidget* parent, const QString& accessibleName);
// The exit screen's frames: navy, with a white Verdana 9.75 pt bold caption.
void StyleNavyFrame(QGroupBox* frame);

// Every window of the program: its design name, the program's caption and icon.
void NameWindow(QWidget* window, const QString& objectName);

QIcon ProgramIcon();
// An image written at build time as raw premultiplied ARGB32 pixels (see src/CMakeLists.txt),
// used in place; null unless the resource holds an image of the given size.
QImage ReadRawPixels(const QString& resource, const QSize& size);
// The icon for a picture box of size x size logical pixels, drawn for the given scale.
QPixmap ProgramPixmap(int size, qreal devicePixelRatio = 1.0);

}  // namespace ui
