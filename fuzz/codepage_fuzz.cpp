// The code page 1252 conversion: every byte string survives codes -> text -> codes, and any
// UTF-16 text converts to one code per character (a surrogate pair is one character) and
// stays the same once converted.
#include <QByteArray>
#include <QString>

#include "fuzzsupport.h"
#include "shell/codepage1252.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const QByteArray bytes(reinterpret_cast<const char*>(data), qsizetype(size));
    const QString text = shell::FromCodePage1252(bytes);
    FUZZ_REQUIRE(text.size() == bytes.size());
    FUZZ_REQUIRE(shell::ToCodePage1252(text) == bytes);

    const QString units = QString::fromUtf16(reinterpret_cast<const char16_t*>(data), qsizetype(size / 2));
    const QByteArray codes = shell::ToCodePage1252(units);
    qsizetype characters = 0;
    for (qsizetype i = 0; i < units.size(); ++i, ++characters) {
        if (units.at(i).isHighSurrogate() && i + 1 < units.size() && units.at(i + 1).isLowSurrogate())
            ++i;
    }
    FUZZ_REQUIRE(codes.size() == characters);
    const QString back = shell::FromCodePage1252(codes);
    FUZZ_REQUIRE(shell::ToCodePage1252(back) == codes);
    // Only what the code page cannot hold turns into "?".
    for (qsizetype i = 0, unit = 0; i < codes.size(); ++i, ++unit) {
        if (codes.at(i) != '?')
            FUZZ_REQUIRE(back.at(i) == units.at(unit));
        if (units.at(unit).isHighSurrogate() && unit + 1 < units.size() && units.at(unit + 1).isLowSurrogate())
            ++unit;
    }
    return 0;
}
