#include "ui/bidi.h"

#include <QGuiApplication>

namespace ui {

QString Isolated(const QString& text)
{
    if (!QGuiApplication::isRightToLeft())
        return text;
    constexpr char16_t kLeftToRightIsolate = 0x2066;
    constexpr char16_t kPopDirectionalIsolate = 0x2069;
    return QChar(kLeftToRightIsolate) + text + QChar(kPopDirectionalIsolate);
}

QString InWindowReadingOrder(const QString& text)
{
    if (!QGuiApplication::isRightToLeft())
        return text;
    // A label reads in the direction of its text's first letter; the mark is a right-to-left one.
    constexpr char16_t kRightToLeftMark = 0x200F;
    return QChar(kRightToLeftMark) + text;
}

}  // namespace ui
