// Code page 1252 conversion, checked against the C library's own CP1252 converter.
#include <gtest/gtest.h>

#include <iconv.h>

#include <QByteArray>
#include <QString>
#include <optional>

#include "shell/codepage1252.h"

namespace {

// The code page's code for one UTF-16 unit according to iconv, or nothing when iconv has none.
class IconvToCp1252 {
public:
    IconvToCp1252() : m_cd(iconv_open("CP1252", "UTF-16LE")) {}
    ~IconvToCp1252()
    {
        if (valid())
            iconv_close(m_cd);
    }
    IconvToCp1252(const IconvToCp1252&) = delete;
    IconvToCp1252& operator=(const IconvToCp1252&) = delete;

    bool valid() const { return m_cd != reinterpret_cast<iconv_t>(-1); }

    std::optional<int> code(char16_t unit)
    {
        char in[2] = {char(unit & 0xFF), char(unit >> 8)};
        char out[4] = {};
        char* inPtr = in;
        char* outPtr = out;
        std::size_t inLeft = sizeof in;
        std::size_t outLeft = sizeof out;
        iconv(m_cd, nullptr, nullptr, nullptr, nullptr);
        if (iconv(m_cd, &inPtr, &inLeft, &outPtr, &outLeft) == static_cast<std::size_t>(-1))
            return std::nullopt;
        if (outPtr - out != 1)
            return std::nullopt;
        return static_cast<unsigned char>(out[0]);
    }

private:
    iconv_t m_cd;
};

constexpr char16_t kUndefinedCodes[] = {0x81, 0x8D, 0x8F, 0x90, 0x9D};

bool IsUndefinedCode(char16_t unit)
{
    for (char16_t code : kUndefinedCodes) {
        if (code == unit)
            return true;
    }
    return false;
}

}  // namespace

TEST(CodePage1252, EveryBasicPlaneCharacterConvertsAsTheLibraryDoes)
{
    IconvToCp1252 reference;
    ASSERT_TRUE(reference.valid()) << "iconv has no CP1252";
    for (int unit = 0; unit <= 0xFFFF; ++unit) {
        if (unit >= 0xD800 && unit <= 0xDFFF)
            continue;
        const char16_t character = char16_t(unit);
        int expected = '?';
        if (IsUndefinedCode(character))
            expected = unit;
        else if (const std::optional<int> code = reference.code(character))
            expected = *code;
        const QByteArray codes = shell::ToCodePage1252(QString(QChar(character)));
        ASSERT_EQ(codes.size(), 1) << "U+" << std::hex << unit;
        ASSERT_EQ(static_cast<unsigned char>(codes[0]), expected) << "U+" << std::hex << unit;
    }
}

TEST(CodePage1252, AllCodesRoundTrip)
{
    QByteArray codes;
    for (int code = 0; code <= 255; ++code)
        codes.append(char(code));
    const QString text = shell::FromCodePage1252(codes);
    ASSERT_EQ(text.size(), 256);
    EXPECT_EQ(shell::ToCodePage1252(text), codes);
    for (char16_t code : kUndefinedCodes)
        EXPECT_EQ(text.at(code).unicode(), code);
    EXPECT_EQ(text.at(0x80), QChar(0x20AC));
    EXPECT_EQ(text.at(0x9F), QChar(0x0178));
}

TEST(CodePage1252, CharactersOutsideTheCodePageBecomeOneQuestionMarkEach)
{
    struct Case {
        QString text;
        QByteArray codes;
    };
    const Case cases[] = {
        {QString(), QByteArray()},
        {QStringLiteral("a b"), QByteArray("a b")},
        {QString::fromUtf8("\xC3\xA9\xE2\x82\xAC"), QByteArray("\xE9\x80")},           // é €
        {QString::fromUtf8("\xC5\x82\xE4\xB8\xAD"), QByteArray("??")},                 // ł 中
        {QString::fromUtf8("x\xF0\x9F\x98\x80y"), QByteArray("x?y")},                 // emoji: a pair
        {QString(QChar(0xD800)) + QChar(0xD800) + QChar(0xDC00), QByteArray("??")},  // lone high, pair
        {QString(QChar(0xDC00)) + QLatin1Char('z'), QByteArray("?z")},               // lone low
    };
    for (const Case& c : cases)
        EXPECT_EQ(shell::ToCodePage1252(c.text), c.codes) << c.text.toStdString();
}
