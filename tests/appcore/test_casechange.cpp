// Capital and small letters over the whole Windows-1250 code page.
#include "appcore/casechange.h"
#include "base/cp1250.h"

#include <gtest/gtest.h>

namespace {
QString ChangeCase(QStringView text, TLetterCase to) {
    QString out;
    for (QChar c : text)
        out += QChar(ChangeLetterCase(c.unicode(), to));
    return out;
}
} // namespace

TEST(CaseChange, PolishLettersBothWays) {
    EXPECT_EQ(ChangeCase(u"zażółć gęślą jaźń", TLetterCase::Upper), "ZAŻÓŁĆ GĘŚLĄ JAŹŃ");
    EXPECT_EQ(ChangeCase(u"ZAŻÓŁĆ GĘŚLĄ JAŹŃ", TLetterCase::Lower), "zażółć gęślą jaźń");
    EXPECT_EQ(ChangeCase(u"Źdźbło", TLetterCase::Upper), "ŹDŹBŁO");
}

TEST(CaseChange, OtherCharactersStay) {
    const QString other = QStringLiteral("0123 ,.;!?\r\n\t§©€µß");
    EXPECT_EQ(ChangeCase(other, TLetterCase::Upper), other);
    EXPECT_EQ(ChangeCase(other, TLetterCase::Lower), other);
}

// Every byte of the code page: a letter changes only into a letter of the
// code page, and changing back gives the letter again.
TEST(CaseChange, EveryPairStaysInTheCodePage) {
    int pairs = 0;
    for (int b = 0; b < 256; ++b) {
        const QString c(QChar(cp1250::ToUnicode(uint8_t(b))));
        for (TLetterCase to : {TLetterCase::Upper, TLetterCase::Lower}) {
            const QString changed = ChangeCase(c, to);
            ASSERT_GE(cp1250::FromUnicode(changed[0].unicode()), 0) << b;
            if (changed != c) {
                ++pairs;
                const TLetterCase back =
                    to == TLetterCase::Upper ? TLetterCase::Lower : TLetterCase::Upper;
                EXPECT_EQ(ChangeCase(changed, back), c) << b;
            }
        }
    }
    // 26 ASCII pairs and the 30-odd accented pairs of the code page, counted both ways.
    EXPECT_GT(pairs, 2 * 50);
    EXPECT_LT(pairs, 2 * 70);
}

TEST(CaseChange, CharactersOutsideTheCodePageStay) {
    EXPECT_EQ(ChangeLetterCase(u'\u0101', TLetterCase::Upper), u'\u0101'); // ā
    EXPECT_EQ(ChangeLetterCase(u'\u0100', TLetterCase::Lower), u'\u0100'); // Ā
    EXPECT_EQ(ChangeLetterCase(u'ÿ', TLetterCase::Upper), u'ÿ');           // Ÿ is not in it
}
