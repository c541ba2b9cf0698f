#pragma once
// How every control gets its colours: this header is the one place.
//
// The design fixes some colours and leaves the rest to the desktop. Where it fixes a
// background or a text colour, its partner is fixed with it, as a pair; else a dark desktop
// scheme could put its light text on our white, or our blue on its grey:
//   kHouse        the main, result and About windows, every control on them and their labels
//   kExitScreen   the exit screen and its title and promotional line
//   kVisitCheck   the exit screen's "Click Here To Visit" check box
//   kNavyFrame    the exit screen's two frames and the catalogue text in one of them
//   kGoToHome     the catalogue's link
//   kOfferLink    the blue offer links on the main and result windows
//   kWhiteLine    the About window's line
//   kPicked       the picked entry of an open birth-date list, and a focused list's edge
// Each control whose colours the design gives wears its pair itself (Wear), not through its
// parent: a platform style may take a control's colour from its theme unless the control sets
// it (the Windows style does so for a frame's caption). What the design leaves to the desktop
// (the exit screen's text boxes, buttons) follows the desktop's palette whole, and follows it
// again when the scheme changes while the program runs (FollowDesktop). House buttons and
// lists (HouseButton, ListBox) are drawn by LeanStyle from the palette they wear.
#include <QColor>

#include "platform/buttonface.h"

class QWidget;

namespace ui {

// The design's colours.
inline constexpr QColor kHouseBlue{124, 165, 231};
inline constexpr QColor kWhite{255, 255, 255};
inline constexpr QColor kBlack{0, 0, 0};
inline constexpr QColor kLinkBlue{0, 0, 255};
inline constexpr QColor kCheckBlue{0, 0, 192};
inline constexpr QColor kNavy{0, 0, 128};
inline constexpr QColor kYellow{255, 255, 0};

struct ColourPair {
    QColor background;
    QColor text;
};

inline constexpr ColourPair kHouse{kHouseBlue, kWhite};
// The design's white, and the default text colour of a light desktop on it.
inline constexpr ColourPair kExitScreen{kWhite, kBlack};
inline constexpr ColourPair kVisitCheck{kWhite, kCheckBlue};
inline constexpr ColourPair kNavyFrame{kNavy, kWhite};
inline constexpr ColourPair kGoToHome{kNavy, kYellow};
inline constexpr ColourPair kWhiteLine{kWhite, kWhite};
inline constexpr ColourPair kPicked{kNavy, kWhite};
// The system's button face of the default look, fixed under the links' blue whatever the
// desktop's scheme.
inline const ColourPair kOfferLink{platform::DefaultButtonFace(), kLinkBlue};

// Filled: the control's whole rectangle is filled with the background before it paints (windows,
// frames, opaque labels). AsDrawn: the control paints what background it has itself: a text
// box, button or list its face, a label none, so that the parent's background of the same pair
// shows through it (a label may reach over its parent's edge).
enum class Backdrop { Filled, AsDrawn };

// The pair becomes the control's own background and text colour, whatever kind of control it is
// (window and labels, text boxes, buttons and lists each read their own roles of the palette).
void Wear(QWidget* control, const ColourPair& pair, Backdrop backdrop = Backdrop::Filled);
// The colours of a list's picked entry (and the edge of the list while it has the focus).
void WearPicked(QWidget* list, const ColourPair& pair);

// A control the design leaves to the desktop, inside a window of fixed colours: it takes the
// desktop's palette whole, none of the window's, and takes it again on each change of scheme.
void FollowDesktop(QWidget* control);
// Qt tells only windows of a new scheme: each window passes it on to its controls that follow
// the desktop (FormWindow does, for every window of the program).
void FollowDesktopAgain(QWidget* window);

}  // namespace ui
