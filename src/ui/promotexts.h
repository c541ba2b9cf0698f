#pragma once
// The promotional strips that the main and the result window share, built by one recipe so
// that both always carry the same wording, look and links: the forum frame (Frame2) with its
// link Label61, and the offers frame (Frame5) with its two overlapping links.
//   a click on a link -> modHelp::OpenHomePage / OpenCoBrandPage / OpenFullyBrandedPage
#include <QString>

class QWidget;

namespace shell {
class modHelp;
}

namespace ui {

class LinkLabel;

// Label61: a two-sentence promotion of the maker's forum, inviting a visit to the main site.
QString ForumPromotionText();

// Where a window puts a strip, in twips: the frame's rectangle, and the link's top-left
// corner inside the frame (the links' sizes are the same in both windows).
struct StripPlace {
    int frameLeft;
    int frameTop;
    int frameWidth;
    int linkLeft;
    int linkTop;
};

// Frame2 and Label61 (white Verdana 9 pt underlined, on the window's colour); the link opens
// the home page.
LinkLabel* BuildForumStrip(QWidget* window, shell::modHelp& help, const StripPlace& place);

struct OfferLinks {
    LinkLabel* cobrand;
    LinkLabel* fullBrand;
};
// Frame5 with lblCobrand and, in front of it on the same place, lblFullBrand (blue Verdana
// 8.25 pt bold underlined, on the system's button face); each opens its page.
OfferLinks BuildOffersStrip(QWidget* window, shell::modHelp& help, const StripPlace& place);

}  // namespace ui
