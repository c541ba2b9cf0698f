// EncodeSetting and DecodeSetting: decoding the encoding gives back every text whose codes
// lie in 0..170; any other text encodes to codes 85..255 and decodes to codes 0..170, never
// longer than it was; beyond the length limit both refuse with std::length_error.
#include <QByteArray>
#include <QString>
#include <stdexcept>

#include "fuzzsupport.h"
#include "shell/codepage1252.h"
#include "shell/settingencoding.h"

namespace {

bool CodesWithin(const QString& text, int low, int high)
{
    for (const char code : shell::ToCodePage1252(text)) {
        const int value = static_cast<unsigned char>(code);
        if (value < low || value > high)
            return false;
    }
    return true;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    // The bytes as code page codes: every code 0..255 is reachable.
    const QString text = shell::FromCodePage1252(QByteArray(reinterpret_cast<const char*>(data), qsizetype(size)));
    if (text.size() > shell::kMaxEncodedLength) {
        try {
            shell::EncodeSetting(text);
            FUZZ_REQUIRE(false);
        } catch (const std::length_error&) {
        }
        return 0;
    }
    const QString encoded = shell::EncodeSetting(text);
    FUZZ_REQUIRE(encoded.size() <= text.size() && CodesWithin(encoded, 85, 255));
    const QString decoded = shell::DecodeSetting(encoded);
    if (CodesWithin(text, 0, 170))
        FUZZ_REQUIRE(decoded == text);
    FUZZ_REQUIRE(CodesWithin(decoded, 0, 170));

    // The same input read as UTF-8, as a settings file may hold anything.
    const QString stored = QString::fromUtf8(reinterpret_cast<const char*>(data), qsizetype(size));
    if (stored.size() > shell::kMaxEncodedLength)
        return 0;
    const QString read = shell::DecodeSetting(stored);
    FUZZ_REQUIRE(read.size() <= stored.size() && CodesWithin(read, 0, 170));
    return 0;
}
