// The Windows-1250 view of any text: what the code page holds stays, accented
// letters lose the accent the code page lacks, everything else is one '?'.
#include "base/cp1250.h"

#include <gtest/gtest.h>

namespace {

QString U(const char16_t* s) {
    return QString::fromUtf16(s);
}

TEST(Representable, EveryCharacterOfTheCodePageStaysAsItIs) {
    QByteArray all(256, '\0');
    for (int b = 0; b < 256; ++b)
        all[b] = char(b);
    const QString text = cp1250::Decode(all);
    EXPECT_EQ(cp1250::Representable(text), text);
    // Also inside a text that needs changes elsewhere.
    const QString mixed = text + U(u"\u0416");
    EXPECT_EQ(cp1250::Representable(mixed), text + "?");
}

TEST(Representable, APastedMixOfScriptsBecomesWhatIsSaved) {
    const QString pasted =
        U(u"caf\u00E8 \u0416 ") + QString::fromUcs4(U"\U0001F600") + U(u" x\u2028y\u2029z");
    const QString shown = cp1250::Representable(pasted);
    EXPECT_EQ(shown, QString("cafe ? ? x\ny\nz"));
    bool ok = false;
    EXPECT_EQ(cp1250::Encode(shown, &ok), QByteArray("cafe ? ? x\ny\nz"));
    EXPECT_TRUE(ok);
}

TEST(Representable, LettersLoseOnlyTheAccentTheCodePageLacks) {
    // Polish and other Central European letters are in the code page.
    EXPECT_EQ(cp1250::Representable(U(u"\u0105\u0107\u0119\u0142\u0144\u00F3\u015B\u017A\u017C")),
              U(u"\u0105\u0107\u0119\u0142\u0144\u00F3\u015B\u017A\u017C"));
    EXPECT_EQ(cp1250::Representable(U(u"\u0151\u0171\u010D\u0159")),
              U(u"\u0151\u0171\u010D\u0159"));
    // Accents it lacks: the bare letter.
    EXPECT_EQ(cp1250::Representable(U(u"\u00E8\u00F1\u00C5\u00E3\u0177")), QString("enAay"));
    // Two accents, the inner letter held: only the outer one goes.
    EXPECT_EQ(cp1250::Representable(U(u"\u01D6")), U(u"\u00FC"));
    // No letter beneath: a question mark.
    EXPECT_EQ(cp1250::Representable(U(u"\u00F8\u00E6\u00DF\u0131")), U(u"??\u00DF?"));
    // Compatibility forms are other characters, not accented letters.
    EXPECT_EQ(cp1250::Representable(U(u"\uFF21\uFB01")), QString("??"));
}

TEST(Representable, ADecomposedLetterFaresLikeAComposedOne) {
    EXPECT_EQ(cp1250::Representable(U(u"e\u0301")), U(u"\u00E9"));
    EXPECT_EQ(cp1250::Representable(U(u"a\u0328")), U(u"\u0105"));
    EXPECT_EQ(cp1250::Representable(U(u"e\u0300")), QString("e"));
    EXPECT_EQ(cp1250::Representable(U(u"\u0301x")), QString("?x"));
}

TEST(Representable, EachCharacterGivesOneEvenWhenItTakesTwoCodeUnits) {
    EXPECT_EQ(cp1250::Representable(QString::fromUcs4(U"a\U0001F600\U00010400b")), QString("a??b"));
    // Lone halves of a pair are characters of their own.
    const QChar lone[] = {QChar(0xD83D), QLatin1Char('x'), QChar(0xDE00)};
    EXPECT_EQ(cp1250::Representable(QStringView(lone, 3)), QString("?x?"));
    EXPECT_EQ(cp1250::Representable(u""), QString());
}

TEST(Representable, LineBreaksAndControlCharactersAreKept) {
    EXPECT_EQ(cp1250::Representable(U(u"a\r\nb\tc\fd\u2028e")), U(u"a\r\nb\tc\fd\ne"));
    EXPECT_EQ(cp1250::Representable(U(u"\u0085\uFEFF\uFFFD")), QString("???"));
}

} // namespace
