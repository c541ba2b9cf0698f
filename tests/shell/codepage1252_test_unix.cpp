// Code page 1252 conversion, checked against the C library's own CP1252 converter (glibc's
// iconv, which Windows has not).
#include <gtest/gtest.h>

#include <iconv.h>

#include "shell/codepage1252.h"

TEST(CodePage1252, EveryBasicPlaneCharacterConvertsAsTheLibraryDoes)
{
    const iconv_t cd = iconv_open("CP1252", "UTF-16LE");
    // NOLINTNEXTLINE(performance-no-int-to-ptr): (iconv_t)-1 is how iconv_open reports failure.
    ASSERT_NE(cd, reinterpret_cast<iconv_t>(-1)) << "iconv has no CP1252";
    for (int unit = 0; unit <= 0xFFFF; ++unit) {
        if (unit >= 0xD800 && unit <= 0xDFFF)
            continue;
        char in[2] = {char(unit & 0xFF), char(unit >> 8)};
        char out[4] = {};
        char* inPtr = in;
        char* outPtr = out;
        std::size_t inLeft = sizeof in;
        std::size_t outLeft = sizeof out;
        const bool converted = iconv(cd, &inPtr, &inLeft, &outPtr, &outLeft) != std::size_t(-1) && outPtr == out + 1;
        // The five codes the code page leaves undefined stand for the C1 controls of that value.
        const bool undefined = unit == 0x81 || unit == 0x8D || unit == 0x8F || unit == 0x90 || unit == 0x9D;
        const int expected = undefined ? unit : converted ? static_cast<unsigned char>(out[0]) : '?';
        ASSERT_EQ(shell::ToCodePage1252(QString(QChar(unit))), QByteArray(1, char(expected))) << std::hex << unit;
    }
    iconv_close(cd);
}

TEST(CodePage1252, AllCodesRoundTripAndSurrogatePairsBecomeOneQuestionMark)
{
    QByteArray codes;
    for (int code = 0; code <= 255; ++code)
        codes.append(char(code));
    const QString text = shell::FromCodePage1252(codes);
    EXPECT_EQ(text.at(0x80), QChar(0x20AC));
    EXPECT_EQ(text.at(0x8D), QChar(0x8D));
    EXPECT_EQ(shell::ToCodePage1252(text), codes);

    EXPECT_EQ(shell::ToCodePage1252(QString::fromUtf8("x\xF0\x9F\x98\x80y")), QByteArray("x?y"));  // emoji: a pair
    // A lone high surrogate, a pair, a lone low one, and a high one that ends the text.
    EXPECT_EQ(shell::ToCodePage1252(QString::fromUtf16(u"\xD800"
                                                       u"a\xD800\xDC00\xDC00z\xD800")),
              QByteArray("?a??z?"));
}
