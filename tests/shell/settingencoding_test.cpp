// EncodeSetting / DecodeSetting: a shift of the code page 1252 codes by 85.
#include <gtest/gtest.h>

#include <QString>
#include <stdexcept>

#include "shell/codepage1252.h"
#include "shell/modhelp.h"

namespace {

QByteArray Codes(const QString& text)
{
    return shell::ToCodePage1252(text);
}

QString FromCodes(std::initializer_list<int> codes)
{
    QByteArray bytes;
    for (int code : codes)
        bytes.append(char(code));
    return shell::FromCodePage1252(bytes);
}

}  // namespace

TEST(SettingEncoding, ShiftsCodePageCodes)
{
    EXPECT_EQ(shell::EncodeSetting(QStringLiteral("abc")), FromCodes({182, 183, 184}));
    // 'D' (68) lands on 153, the trade mark sign in this code page, not U+0099.
    EXPECT_EQ(shell::EncodeSetting(QStringLiteral("Duration")),
              QString::fromUtf16(u"\u2122\u00CA\u00C7\u00B6\u00C9\u00BE\u00C4\u00C3"));
    EXPECT_EQ(shell::DecodeSetting(QString::fromUtf16(u"\u2122\u00CA\u00C7\u00B6\u00C9\u00BE\u00C4\u00C3")),
              QStringLiteral("Duration"));
    EXPECT_EQ(shell::EncodeSetting(QString()), QString());
    EXPECT_EQ(shell::DecodeSetting(QString()), QString());
}

TEST(SettingEncoding, EveryCodeUpTo170RoundTrips)
{
    QByteArray all;
    for (int code = 0; code <= 170; ++code)
        all.append(char(code));
    const QString text = shell::FromCodePage1252(all);
    const QString encoded = shell::EncodeSetting(text);
    ASSERT_EQ(encoded.size(), text.size());
    for (int code = 0; code <= 170; ++code)
        EXPECT_EQ(static_cast<unsigned char>(Codes(encoded).at(code)), code + 85) << code;
    EXPECT_EQ(shell::DecodeSetting(encoded), text);
}

TEST(SettingEncoding, DropsWhatLeavesTheCodePage)
{
    // é (233) and ÿ (255) are above 170; 171 is the first code dropped.
    EXPECT_EQ(shell::EncodeSetting(QString::fromUtf8("a\xC3\xA9" "b\xC3\xBF")), FromCodes({182, 183}));
    EXPECT_EQ(shell::EncodeSetting(FromCodes({170, 171})), FromCodes({255}));
    // Below 85 nothing is left on the way back; 85 itself becomes code 0.
    EXPECT_EQ(shell::DecodeSetting(QStringLiteral("2026-12-14")), QString());
    EXPECT_EQ(shell::DecodeSetting(FromCodes({84, 85, 182})), FromCodes({0, 97}));
    // A character outside the code page counts as '?' (63), which shifts to 148.
    EXPECT_EQ(shell::EncodeSetting(QString::fromUtf8("\xE4\xB8\xAD")), FromCodes({148}));
}

TEST(SettingEncoding, LengthLimitIsThePositionCounter)
{
    const QString longest(shell::kMaxEncodedLength, QLatin1Char('a'));
    const QString tooLong(shell::kMaxEncodedLength + 1, QLatin1Char('a'));
    EXPECT_EQ(shell::EncodeSetting(longest).size(), shell::kMaxEncodedLength);
    EXPECT_EQ(shell::DecodeSetting(shell::EncodeSetting(longest)), longest);
    EXPECT_THROW(shell::EncodeSetting(tooLong), std::length_error);
    EXPECT_THROW(shell::DecodeSetting(QString(shell::kMaxEncodedLength + 1, QChar(182))), std::length_error);
}
