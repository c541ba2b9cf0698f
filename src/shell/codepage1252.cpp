#include "shell/codepage1252.h"

#include <array>

namespace shell {
namespace {

// 0x80..0x9F, the only range where the code page differs from Latin-1. The undefined codes
// 0x81, 0x8D, 0x8F, 0x90 and 0x9D keep their own value.
constexpr std::array<char16_t, 32> kUpperControlRange = {
    u'\u20AC', u'\u0081', u'\u201A', u'\u0192', u'\u201E', u'\u2026', u'\u2020', u'\u2021',
    u'\u02C6', u'\u2030', u'\u0160', u'\u2039', u'\u0152', u'\u008D', u'\u017D', u'\u008F',
    u'\u0090', u'\u2018', u'\u2019', u'\u201C', u'\u201D', u'\u2022', u'\u2013', u'\u2014',
    u'\u02DC', u'\u2122', u'\u0161', u'\u203A', u'\u0153', u'\u009D', u'\u017E', u'\u0178',
};

constexpr int kRangeStart = 0x80;
constexpr int kRangeEnd = 0xA0;

int CodeOf(char16_t unit)
{
    if (unit < kRangeStart || (unit >= kRangeEnd && unit <= 0xFF))
        return unit;
    for (int i = 0; i < int(kUpperControlRange.size()); ++i) {
        if (kUpperControlRange[std::size_t(i)] == unit)
            return kRangeStart + i;
    }
    return kUnrepresentable;
}

}  // namespace

QByteArray ToCodePage1252(const QString& text)
{
    QByteArray codes;
    codes.reserve(text.size());
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar unit = text.at(i);
        if (unit.isHighSurrogate() && i + 1 < text.size() && text.at(i + 1).isLowSurrogate()) {
            // A character outside the basic plane is never in the code page: one '?'.
            codes.append(kUnrepresentable);
            ++i;
            continue;
        }
        codes.append(char(CodeOf(unit.unicode())));
    }
    return codes;
}

QString FromCodePage1252(const QByteArray& codes)
{
    QString text;
    text.reserve(codes.size());
    for (const char byte : codes) {
        const int code = static_cast<unsigned char>(byte);
        if (code >= kRangeStart && code < kRangeEnd)
            text.append(QChar(kUpperControlRange[std::size_t(code - kRangeStart)]));
        else
            text.append(QChar(code));
    }
    return text;
}

}  // namespace shell
