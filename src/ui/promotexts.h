#pragma once
// The promotional label texts and looks shared by the main and the result window, so both
// windows always carry the same wording.
#include <QString>

class QLabel;

namespace ui {

// Label61: a two-sentence promotion of the maker's forum, inviting a visit to the main site.
QString ForumPromotionText();

// lblCobrand and lblFullBrand. These are the display texts: the ampersand is a plain "&".
inline const QString kCoBrandCaption = QStringLiteral(
    "Co-brand this software for your site.  Increase loyalty and traffic to your site. Put your "
    "site's name &  link here. See \"Help\" for details.Click Here for more info on co-branding.");
inline const QString kFullBrandCaption = QStringLiteral(
    "Home Business Opportunity. Start your own Internet business and make money online. Get this "
    "software fully branded for your website. Click here for more details.");

// Label61's look: white Verdana 9 pt underlined, centred, wrapped, on a transparent background.
void StyleForumLabel(QLabel* label);
// lblCobrand / lblFullBrand look: blue Verdana 8.25 pt bold underlined, centred, wrapped, on
// an opaque background of the system's button face.
void StylePromoLabel(QLabel* label);

}  // namespace ui
