// EncodeSetting / DecodeSetting: a shift of the code page 1252 codes by 85.
#include <gtest/gtest.h>

#include <stdexcept>

#include "shell/codepage1252.h"
#include "shell/settingencoding.h"

static QString FromCodes(std::initializer_list<int> codes)
{
    QByteArray bytes;
    for (int code : codes)
        bytes.append(char(code));
    return shell::FromCodePage1252(bytes);
}

TEST(SettingEncoding, ShiftsCodesDropsWhatLeavesTheCodePageAndLimitsTheLength)
{
    EXPECT_EQ(shell::EncodeSetting(QStringLiteral("abc")), FromCodes({182, 183, 184}));
    EXPECT_TRUE(shell::EncodeSetting(QString()).isEmpty() && shell::DecodeSetting(QString()).isEmpty());
    // é (233) and ÿ (255) are above 170; 171 is the first code dropped.
    EXPECT_EQ(shell::EncodeSetting(QString::fromUtf8("a\xC3\xA9"
                                                     "b\xC3\xBF")),
              FromCodes({182, 183}));
    EXPECT_EQ(shell::EncodeSetting(FromCodes({170, 171})), FromCodes({255}));
    // Below 85 nothing is left on the way back; 85 itself becomes code 0.
    EXPECT_EQ(shell::DecodeSetting(FromCodes({84, 85, 182})), FromCodes({0, 97}));

    QByteArray plain;
    QByteArray shifted;
    for (int code = 0; code <= 170; ++code) {
        plain.append(char(code));
        shifted.append(char(code + 85));
    }
    const QString encoded = shell::EncodeSetting(shell::FromCodePage1252(plain));
    EXPECT_EQ(shell::ToCodePage1252(encoded), shifted);
    EXPECT_EQ(shell::DecodeSetting(encoded), shell::FromCodePage1252(plain));

    // The limit is that of a 16-bit position counter.
    const QString longest(32766, QLatin1Char('a'));
    EXPECT_EQ(shell::DecodeSetting(shell::EncodeSetting(longest)), longest);
    EXPECT_THROW(shell::EncodeSetting(longest + QLatin1Char('a')), std::length_error);
    EXPECT_THROW(shell::DecodeSetting(QString(32767, QChar(182))), std::length_error);
}
