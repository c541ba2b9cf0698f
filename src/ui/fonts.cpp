#include "ui/fonts.h"

#include <QFontDatabase>
#include <QLabel>
#include <QWidget>

namespace ui {
namespace {

// The family each design font is drawn in: its own where installed, else a substitute of close
// metrics. Asked for a family it does not have, Qt first has fontconfig sort every installed
// font against it, once for each style asked, and only then tries its substitutes; naming the
// installed family at once skips that search and draws the same face.
struct DesignFamily {
    const char* name;
    const char* substitute;
    QString family = QString::fromLatin1(name);
};
DesignFamily verdana{"Verdana", "DejaVu Sans"};
DesignFamily msSansSerif{"MS Sans Serif", "DejaVu Sans"};

bool Overflows(const QWidget* widget)
{
    const auto* label = qobject_cast<const QLabel*>(widget);
    if (label != nullptr && label->wordWrap())
        return label->heightForWidth(label->width()) > label->height();
    // A line's ink too: a script of tall letters (Devanagari) may reach past its box.
    if (label != nullptr && label->fontMetrics().tightBoundingRect(label->text()).height() > label->height())
        return true;
    return widget->sizeHint().width() > widget->width();
}

}  // namespace

void InstallFontSubstitutes()
{
    const QStringList installed = QFontDatabase::families();
    for (DesignFamily* design : {&verdana, &msSansSerif}) {
        const QString substitute = QString::fromLatin1(design->substitute);
        const bool replace = !installed.contains(design->family) && installed.contains(substitute);
        design->family = replace ? substitute : QString::fromLatin1(design->name);
    }
}

QFont Verdana(qreal points, bool bold, bool underline)
{
    QFont font(verdana.family);
    font.setPointSizeF(points);
    font.setBold(bold);
    font.setUnderline(underline);
    return font;
}

QFont MsSansSerif(qreal points)
{
    QFont font(msSansSerif.family);
    font.setPointSizeF(points);
    // Set explicitly so a bold frame's weight is not inherited.
    font.setBold(false);
    return font;
}

QFont DefaultControlFont()
{
    QFont font = MsSansSerif(8.25);
    font.setItalic(false);
    font.setUnderline(false);
    return font;
}

void ShrinkToFit(QWidget* widget, QFont font)
{
    constexpr qreal kSmallest = 7.0;
    constexpr qreal kStep = 0.25;
    widget->setFont(font);
    while (Overflows(widget) && font.pointSizeF() - kStep >= kSmallest) {
        font.setPointSizeF(font.pointSizeF() - kStep);
        widget->setFont(font);
    }
}

}  // namespace ui
