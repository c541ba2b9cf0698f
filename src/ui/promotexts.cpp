#include "ui/promotexts.h"

#include <QCoreApplication>
#include <QFrame>

#include "shell/modhelp.h"
#include "ui/bidi.h"
#include "ui/colours.h"
#include "ui/fonts.h"
#include "ui/frames.h"
#include "ui/linklabel.h"
#include "ui/twips.h"

namespace ui {
namespace {

constexpr int kForumFrameHeight = 615;
constexpr int kForumLinkWidth = 6120;
constexpr int kForumLinkHeight = 585;
constexpr int kOffersFrameHeight = 975;
constexpr int kOfferLinkWidth = 5865;
constexpr int kOfferLinkHeight = 615;

QFrame* MakeStripFrame(QWidget* window, const char* objectName, const QString& accessibleName, const StripPlace& place,
                       int height)
{
    return Place(MakeBoxFrame(window, accessibleName), objectName, place.frameLeft, place.frameTop, place.frameWidth,
                 height);
}

LinkLabel* MakeOfferLink(QFrame* frame, const QString& text, const char* objectName, const StripPlace& place)
{
    auto* link =
        Place(new LinkLabel(text, frame), objectName, place.linkLeft, place.linkTop, kOfferLinkWidth, kOfferLinkHeight);
    link->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    link->setWordWrap(true);
    link->setTextFormat(Qt::PlainText);
    Wear(link, kOfferLink);
    // A translation longer than the design's text shrinks to fit; the English one fits as it is.
    ShrinkToFit(link, Verdana(8.25, true, true));
    return link;
}

}  // namespace

QString ForumPromotionText()
{
    return QCoreApplication::translate("ui::Promotions", "Share your readings in our free online forum. Visit us at %1")
        .arg(Isolated(shell::SiteHost(shell::Site::Main)));
}

LinkLabel* BuildForumStrip(QWidget* window, shell::modHelp& help, const StripPlace& place)
{
    QFrame* frame = MakeStripFrame(window, "Frame2", QCoreApplication::translate("ui::Promotions", "Forum"), place,
                                   kForumFrameHeight);
    auto* link = Place(new LinkLabel(ForumPromotionText(), frame), "Label61", place.linkLeft, place.linkTop,
                       kForumLinkWidth, kForumLinkHeight);
    link->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    link->setWordWrap(true);
    link->setTextFormat(Qt::PlainText);
    Wear(link, kHouse, Backdrop::AsDrawn);
    ShrinkToFit(link, Verdana(9, false, true));
    QObject::connect(link, &LinkLabel::clicked, link, [&help] { help.OpenHomePage(); });
    return link;
}

OfferLinks BuildOffersStrip(QWidget* window, shell::modHelp& help, const StripPlace& place)
{
    QFrame* frame = MakeStripFrame(window, "Frame5", QCoreApplication::translate("ui::Promotions", "Offers"), place,
                                   kOffersFrameHeight);
    // Built in this order so that the fully-branded offer lies in front.
    // These are the display texts: the ampersand is a plain "&".
    const QString coBrand = QCoreApplication::translate(
        "ui::Promotions",
        "Co-brand this software for your site.  Increase loyalty and traffic to your site. Put your "
        "site's name &  link here. See \"Help\" for details.Click Here for more info on co-branding.");
    const QString fullBrand = QCoreApplication::translate(
        "ui::Promotions",
        "Home Business Opportunity. Start your own Internet business and make money online. Get this "
        "software fully branded for your website. Click here for more details.");
    const OfferLinks links{MakeOfferLink(frame, coBrand, "lblCobrand", place),
                           MakeOfferLink(frame, fullBrand, "lblFullBrand", place)};
    QObject::connect(links.cobrand, &LinkLabel::clicked, links.cobrand, [&help] { help.OpenCoBrandPage(); });
    QObject::connect(links.fullBrand, &LinkLabel::clicked, links.fullBrand, [&help] { help.OpenFullyBrandedPage(); });
    return links;
}

}  // namespace ui
