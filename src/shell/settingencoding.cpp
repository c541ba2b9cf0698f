#include "shell/settingencoding.h"

#include <stdexcept>

#include "shell/codepage1252.h"

namespace shell {
namespace {

constexpr int kSettingShift = 85;
constexpr int kLastCode = 255;

// Shifts each code page 1252 code by delta and drops the characters that leave 0..255.
QString ShiftCodes(const QString& text, int delta)
{
    if (text.size() > kMaxEncodedLength)
        throw std::length_error("setting text too long to encode");
    QByteArray shifted;
    for (const char byte : ToCodePage1252(text)) {
        const int code = static_cast<unsigned char>(byte) + delta;
        if (code >= 0 && code <= kLastCode)
            shifted.append(char(code));
    }
    return FromCodePage1252(shifted);
}

}  // namespace

QString EncodeSetting(const QString& text)
{
    return ShiftCodes(text, kSettingShift);
}

QString DecodeSetting(const QString& text)
{
    return ShiftCodes(text, -kSettingShift);
}

}  // namespace shell
