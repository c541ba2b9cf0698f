#include "ui/promotexts.h"

#include <QApplication>
#include <QLabel>

#include "shell/modhelp.h"
#include "ui/look.h"

namespace ui {

QString ForumPromotionText()
{
    return QStringLiteral("Share your readings in our free online forum. Visit us at %1")
        .arg(shell::SiteHost(shell::Site::Main));
}

void StyleForumLabel(QLabel* label)
{
    label->setFont(Verdana(9, false, true));
    label->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    label->setWordWrap(true);
    label->setTextFormat(Qt::PlainText);
    label->setAutoFillBackground(false);
    QPalette palette = label->palette();
    palette.setColor(QPalette::WindowText, kWhite);
    label->setPalette(palette);
}

void StylePromoLabel(QLabel* label)
{
    label->setFont(Verdana(8.25, true, true));
    label->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    label->setWordWrap(true);
    label->setTextFormat(Qt::PlainText);
    PaintColours(label, QApplication::palette().color(QPalette::Button), kLinkBlue);
}

}  // namespace ui
