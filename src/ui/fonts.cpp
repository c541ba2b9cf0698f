#include "ui/fonts.h"

#include <QFontDatabase>
#include <QFontMetricsF>
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

constexpr qreal kSmallest = 7.0;
constexpr qreal kStep = 0.25;

const QLabel* WrappedLabel(const QWidget* widget)
{
    const auto* label = qobject_cast<const QLabel*>(widget);
    return label != nullptr && label->wordWrap() ? label : nullptr;
}

// `wrappedHeight`: what a wrapped label's text needs at its width, measured by the caller.
bool Overflows(const QWidget* widget, int wrappedHeight)
{
    if (WrappedLabel(widget) != nullptr)
        return wrappedHeight > widget->height();
    // A line's ink too: a script of tall letters (Devanagari) may reach past its box.
    const auto* label = qobject_cast<const QLabel*>(widget);
    if (label != nullptr && label->fontMetrics().tightBoundingRect(label->text()).height() > label->height())
        return true;
    return widget->sizeHint().width() > widget->width();
}

int WrappedHeight(const QWidget* widget)
{
    const QLabel* label = WrappedLabel(widget);
    return label != nullptr ? label->heightForWidth(label->width()) : 0;
}

// The first step down from the design size at which the widget's text, measured at the design
// size (the widget's font now) and scaled, would fit: a wrapped text's area grows with the
// square of the size, a line's length and ink with the size, a control's own margins not at
// all. A guess: the caller measures where it lands.
int EstimatedStep(const QWidget* widget, qreal design, int steps, int wrappedHeight)
{
    const bool wrapped = WrappedLabel(widget) != nullptr;
    const QString text = widget->property("text").toString().remove(QLatin1Char('&'));
    const qreal textWidth = wrapped ? 0 : QFontMetricsF(widget->font()).horizontalAdvance(text);
    const qreal margins = wrapped ? 0 : widget->sizeHint().width() - textWidth;
    const auto* label = qobject_cast<const QLabel*>(widget);
    const qreal ink = label != nullptr && !wrapped ? label->fontMetrics().tightBoundingRect(text).height() : 0;
    for (int step = 1; step < steps; ++step) {
        const qreal scale = (design - step * kStep) / design;
        const bool fits = wrapped ? wrappedHeight * scale * scale <= widget->height()
                                  : margins + textWidth * scale <= widget->width() && ink * scale <= widget->height();
        if (fits)
            return step;
    }
    return steps;
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
    const qreal design = font.pointSizeF();
    const auto steps = int((design - kSmallest) / kStep);
    const auto fitsAt = [&](int step) {
        font.setPointSizeF(design - step * kStep);
        widget->setFont(font);
        return !Overflows(widget, WrappedHeight(widget));
    };
    widget->setFont(font);
    const int wrappedHeight = WrappedHeight(widget);
    if (steps > 0 && Overflows(widget, wrappedHeight)) {
        // The size chosen is the largest step down that fits, else the smallest. Each size
        // measured shapes the text again, and a new pixel size loads a font engine and its
        // glyphs, so start where the design size's measure, scaled, says the text fits, and
        // measure only the sizes next to it.
        int step = EstimatedStep(widget, design, steps, wrappedHeight);
        if (step < steps && !fitsAt(step)) {
            do
                ++step;
            while (step < steps && !fitsAt(step));
        } else {
            while (step > 1 && fitsAt(step - 1))
                --step;
        }
        font.setPointSizeF(design - step * kStep);
        widget->setFont(font);
    }
}

}  // namespace ui
