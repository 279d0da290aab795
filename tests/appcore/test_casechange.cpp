// Capital and small letters over the whole Windows-1250 code page.
#include "appcore/casechange.h"
#include "base/cp1250.h"

#include <gtest/gtest.h>

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

TEST(CaseChange, ChangedLinesWithoutTheirBreaks) {
    const auto spans = ChangedLines(u"ab1c\r\n12\r\nxYż", TLetterCase::Upper);
    ASSERT_EQ(spans.size(), 2u);
    EXPECT_EQ(spans[0].start, 0);
    EXPECT_EQ(spans[0].length, 4);
    EXPECT_EQ(spans[1].start, 10);
    EXPECT_EQ(spans[1].length, 3);
    EXPECT_TRUE(ChangedLines(u"ABC 12", TLetterCase::Upper).empty());
    const auto whole = ChangedLines(u"1 a\nB\n\nc", TLetterCase::Lower);
    ASSERT_EQ(whole.size(), 1u);
    EXPECT_EQ(whole[0].start, 4);
    EXPECT_EQ(whole[0].length, 1);
    const auto last = ChangedLines(u"1 a 2\r\nc", TLetterCase::Upper);
    ASSERT_EQ(last.size(), 2u);
    EXPECT_EQ(last[0].start, 0);
    EXPECT_EQ(last[0].length, 5);
    EXPECT_EQ(last[1].start, 7);
    EXPECT_EQ(last[1].length, 1);
}
