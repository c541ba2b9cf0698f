#pragma once
// Helpers shared by the platform tests.
#include <QScopeGuard>
#include <QString>
#include <optional>
#include <ostream>

// Readable QString values in failure messages.
inline void PrintTo(const QString& text, std::ostream* os)
{
    *os << '"' << text.toStdString() << '"';
}

// The characters an encoded setting holds, the codes 85..255 of code page 1252 (the encoding
// shifts every code up by 85). Its upper half, 128..255: 128..159 (an undefined one as the C1
// control of that value), then 160..255, which equal Latin-1.
inline QString EncodedUpperHalf()
{
    QString text = QString::fromUtf16(
        u"\u20AC\u0081\u201A\u0192\u201E\u2026\u2020\u2021\u02C6\u2030\u0160\u2039"
        u"\u0152\u008D\u017D\u008F\u0090\u2018\u2019\u201C\u201D\u2022\u2013\u2014"
        u"\u02DC\u2122\u0161\u203A\u0153\u009D\u017E\u0178");
    for (char16_t c = 0xA0; c <= 0xFF; ++c)
        text += QChar(c);
    return text;
}
// Its ASCII part, 85..127: brackets and backslash among them.
inline QString EncodedAscii()
{
    QString text;
    for (char16_t c = 0x55; c <= 0x7F; ++c)
        text += QChar(c);
    return text;
}

// Sets an environment variable until the returned guard dies, which puts the old value back.
[[nodiscard]] inline auto scopedEnv(const char* name, const QByteArray& value)
{
    const std::optional<QByteArray> old = qEnvironmentVariableIsSet(name) ? std::optional(qgetenv(name)) : std::nullopt;
    qputenv(name, value);
    return qScopeGuard([name, old] { old ? qputenv(name, *old) : qunsetenv(name); });
}
