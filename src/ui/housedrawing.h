#pragma once
// House buttons and lists (HouseButton, ListBox) look the same on every platform style: a flat
// face with a two-pixel raised edge (buttons, sunken while held down) or a one-pixel line
// (lists), all in the colours of the widget's palette: the face is Button, its text and the
// list's arrow ButtonText, the edges shades of the face, and the edge of a focused list
// Highlight, as is the picked entry of the open list. These functions only draw; the controls
// choose their colours (colours.h), and LeanStyle calls them for the house controls.
//
// Drawn here rather than by style sheets: a style sheet puts a style of its own between the
// widget and the palette, so the widget no longer follows it, and costs start-up time.
#include <QStyle>
#include <optional>

class QStyleOptionButton;
class QStyleOptionComboBox;

namespace ui {

// A house button or list.
bool IsHouseControl(const QWidget* widget);
// Whether the item view is the open list of a house list, which is the list's child.
bool IsHouseOpenList(const QWidget* view);

void DrawHouseButton(const QStyle* style, const QStyleOptionButton& button, QPainter* painter, const QWidget* widget);
// The list's face, edge and drop-down arrow.
void DrawHouseList(const QStyle* style, const QStyleOptionComboBox& list, QPainter* painter, const QWidget* widget);
// The list's current entry, in its edit field.
void DrawHouseListText(const QStyle* style, const QStyleOptionComboBox& list, QPainter* painter, const QWidget* widget);
// An entry's panel in the open list: the picked one on the list's Highlight, the others bare.
void DrawHouseOpenListEntry(const QStyleOption& entry, QPainter* painter);
// Where a part of a house list lies; nothing for a part the list does not place itself.
std::optional<QRect> HouseListRect(const QStyleOptionComplex& list, QStyle::SubControl part);

}  // namespace ui
