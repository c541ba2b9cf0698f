#pragma once
// Reading a painted window: where a control's text lies and in what colours, found by painting
// the window with the text and without it.
#include <QAbstractButton>
#include <QAbstractScrollArea>
#include <QComboBox>
#include <QGroupBox>
#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QMap>
#include <QPlainTextEdit>
#include <QRegion>
#include <QWidget>
#include <optional>

// Shows the given text in place of the widget's own and returns what it showed; nullopt for a
// widget that shows no text of its own.
inline std::optional<QString> SwapText(QWidget* widget, const QString& text)
{
    QString old;
    if (auto* label = qobject_cast<QLabel*>(widget); label != nullptr && label->pixmap().isNull()) {
        old = label->text();
        label->setText(text);
    } else if (auto* button = qobject_cast<QAbstractButton*>(widget)) {
        old = button->text();
        button->setText(text);
    } else if (auto* line = qobject_cast<QLineEdit*>(widget)) {
        old = line->text();
        line->setText(text);
    } else if (auto* box = qobject_cast<QPlainTextEdit*>(widget)) {
        old = box->toPlainText();
        box->setPlainText(text);
    } else if (auto* list = qobject_cast<QComboBox*>(widget)) {
        old = list->currentText();
        list->setItemText(list->currentIndex(), text);
    } else if (auto* frame = qobject_cast<QGroupBox*>(widget); frame != nullptr && !frame->title().isEmpty()) {
        old = frame->title();
        // A frame without a title draws its line higher: a space keeps it where it is.
        frame->setTitle(text.isEmpty() ? QStringLiteral(" ") : text);
    } else {
        return std::nullopt;
    }
    return old;
}

// A control's text in its window's painting: the window painted with the text and without it,
// and the part of the window the control shows.
struct PaintedText {
    QImage with;
    QImage without;
    QRect area;
    QString text;

    // The pixels of the area that the text changes.
    template <typename F>
    void forEachTextPixel(F&& visit) const
    {
        for (int y = area.top(); y <= area.bottom(); ++y)
            for (int x = area.left(); x <= area.right(); ++x)
                if (with.pixel(x, y) != without.pixel(x, y))
                    visit(with.pixel(x, y), without.pixel(x, y));
    }
    // Whether some pixel of the text is painted exactly in the colour: the colour of the text
    // itself, where a glyph covers a pixel whole.
    bool shows(QRgb colour) const
    {
        bool found = false;
        forEachTextPixel([&](QRgb text, QRgb) { found = found || (text & RGB_MASK) == (colour & RGB_MASK); });
        return found;
    }
};

// Nullopt for a control that shows no text; an empty text is painted as a sample. Painted in
// the given font, if any, instead of the control's own.
inline std::optional<PaintedText> PaintText(QWidget* window, QWidget* control, const QFont* font = nullptr)
{
    const QFont ownFont = control->font();
    const bool fontSet = control->testAttribute(Qt::WA_SetFont);
    if (font != nullptr)
        control->setFont(*font);
    PaintedText painted;
    painted.area = control->visibleRegion().boundingRect().translated(control->mapTo(window, QPoint(0, 0)));
    const std::optional<QString> own = SwapText(control, QString());
    if (!own)
        return std::nullopt;
    painted.text = own->trimmed().isEmpty() ? QStringLiteral("Sample Ag") : *own;
    painted.without = window->grab().toImage();
    SwapText(control, painted.text);
    painted.with = window->grab().toImage();
    SwapText(control, *own);
    if (font != nullptr)
        control->setFont(fontSet ? ownFont : QFont());
    return painted;
}

// The colour most of the region's pixels have.
inline QRgb MostCommonColour(const QImage& image, const QRegion& region)
{
    QMap<QRgb, int> counts;
    for (const QRect& rect : region)
        for (int y = rect.top(); y <= rect.bottom(); ++y)
            for (int x = rect.left(); x <= rect.right(); ++x)
                ++counts[image.pixel(x, y) | ~RGB_MASK];
    QRgb common = 0;
    int most = 0;
    for (auto it = counts.cbegin(); it != counts.cend(); ++it) {
        if (it.value() > most) {
            most = it.value();
            common = it.key();
        }
    }
    return common;
}

// The control's own face in its window's painting: what its children do not cover (a captioned
// frame's inside too); for a text box with scroll bars, its page.
inline QRgb FaceColour(QWidget* window, QWidget* control)
{
    if (auto* scrolling = qobject_cast<QAbstractScrollArea*>(control))
        control = scrolling->viewport();
    QRegion face = control->visibleRegion();
    for (const QWidget* child : control->findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
        if (child->isVisible())
            face -= child->geometry();
    }
    return MostCommonColour(window->grab().toImage(), face.translated(control->mapTo(window, QPoint(0, 0))));
}

// Text is painted in this font to read its colour: a small font's strokes may cover no pixel
// whole, so that every pixel of them is a blend with what lies behind.
inline QFont BroadStrokes()
{
    QFont font(QStringLiteral("DejaVu Sans"));
    font.setPixelSize(24);
    font.setBold(true);
    return font;
}

inline std::string ColourName(QRgb colour)
{
    return QStringLiteral("RGB(%1, %2, %3)").arg(qRed(colour)).arg(qGreen(colour)).arg(qBlue(colour)).toStdString();
}
