// The search over 8-bit text: word characters, the case map, substring and
// whole-word matches forwards and backwards, and the image that answers the
// same questions faster.
#include "appcore/textimage.h"
#include "appcore/textsearch.h"
#include "base/cp1250.h"

#include <QRandomGenerator>
#include <gtest/gtest.h>

namespace {
QByteArray W(const char* utf8) {
    return cp1250::Encode(QString::fromUtf8(utf8));
}

constexpr TFindOptions kDown = frDown;
constexpr TFindOptions kWord = frDown | frWholeWord;
constexpr TFindOptions kSpell = frDown | frReplaceAll | frWholeWord;

int Find(const char* text, const char* what, TFindOptions options, int selStart = 0,
         int selLength = 0) {
    const QByteArray t = W(text);
    return FindInBuffer(t.constData(), int(t.size()), selStart, selLength, W(what), options);
}
} // namespace

// ---- Tables ------------------------------------------------------------------------------

TEST(WordSeparators, DigitsAndEveryLetterOfTheCodePageAreWordCharacters) {
    const auto& sep = WordSeparators();
    for (char c : QByteArray("09AZaz"))
        EXPECT_FALSE(sep[uint8_t(c)]) << c;
    for (uint8_t c : W("ąćęłńóśźżĄĆĘŁŃÓŚŹŻéüŠšßô"))
        EXPECT_FALSE(sep[c]) << int(c);
    for (uint8_t c : W(" \t\r\n.,;:-_!?\"'()§×÷°«»–—€¨´¸˘˙˝"))
        EXPECT_TRUE(sep[c]) << int(c);
    EXPECT_TRUE(sep[0]);
    int words = 0;
    for (bool s : sep)
        words += !s;
    // 62 ASCII and the 82 letters above 0x7F (µ among them, the caron not).
    EXPECT_EQ(words, 62 + 82);
    EXPECT_TRUE(sep[0xA1]);
}

TEST(CaseMap, UpperCasesPolishAndOtherLettersOnly) {
    const auto& up = UpperCaseMap();
    const QByteArray lower = W("aząćęłńóśźżéšťž"), upper = W("AZĄĆĘŁŃÓŚŹŻÉŠŤŽ");
    for (qsizetype i = 0; i < lower.size(); ++i)
        EXPECT_EQ(up[uint8_t(lower[i])], uint8_t(upper[i])) << i;
    for (uint8_t c : W("AZĄŻ09 .ß§µ"))
        EXPECT_EQ(up[c], c) << int(c);
    EXPECT_EQ(CaseMap(frMatchCase)[uint8_t(W("ż")[0])], uint8_t(W("ż")[0]));
    EXPECT_EQ(CaseMap(0)[uint8_t(W("ż")[0])], uint8_t(W("Ż")[0]));
}

// ---- Substring search ------------------------------------------------------------------------

TEST(FindInBuffer, EmptyTextOrBufferNeverMatches) {
    EXPECT_EQ(Find("", "a", kDown), -1);
    EXPECT_EQ(Find("abc", "", kDown), -1);
    EXPECT_EQ(FindInBuffer("abc", 0, 0, 0, "a", kDown), -1);
}

TEST(FindInBuffer, ForwardStartsAfterTheSelectionAndNeverWraps) {
    EXPECT_EQ(Find("abcabc", "abc", kDown), 0);
    EXPECT_EQ(Find("abcabc", "abc", kDown, 0, 1), 3); // not inside the selection
    EXPECT_EQ(Find("abcabc", "abc", kDown, 3, 0), 3);
    EXPECT_EQ(Find("abcabc", "abc", kDown, 4, 0), -1); // no wrap-around
    EXPECT_EQ(Find("abcabc", "abc", kDown, 6, 0), -1); // caret at the end
    EXPECT_EQ(Find("abc", "abcd", kDown), -1);         // longer than the text
}

TEST(FindInBuffer, CaseIsIgnoredForPolishLettersToo) {
    EXPECT_EQ(Find("Mój ŻÓŁW śpi", "żółw", kDown), 4);
    EXPECT_EQ(Find("Mój ŻÓŁW śpi", "żółw", kDown | frMatchCase), -1);
    EXPECT_EQ(Find("Mój ŻÓŁW śpi", "ŻÓŁW", kDown | frMatchCase), 4);
    EXPECT_EQ(Find("ĄĘ ąę", "ąę", kDown), 0);
}

TEST(FindInBuffer, BackwardEndsAtOrBeforeTheSelectionStartNearestFirst) {
    // Selection start 5, text of length 3: the first comparison is at 2.
    EXPECT_EQ(Find("xxabcabcxx", "abc", 0, 5), 2);
    EXPECT_EQ(Find("abcabcabc", "abc", 0, 5), 0);
    EXPECT_EQ(Find("abcabcabc", "abc", 0, 6), 3);
    EXPECT_EQ(Find("abcabcabc", "abc", 0, 9, 0), 6);
    EXPECT_EQ(Find("abcabcabc", "abc", 0, 2), -1);
    EXPECT_EQ(Find("abc", "abc", 0, 7), -1); // a selection beyond the text
}

// ---- Whole words -------------------------------------------------------------------------------

TEST(FindInBuffer, WholeWordNeedsABoundaryOnBothSides) {
    EXPECT_EQ(Find("xabc abc", "abc", kWord), 5);
    EXPECT_EQ(Find("xabc d", "abc", kWord), -1);
    EXPECT_EQ(Find("abcd e", "abc", kWord), -1);
    EXPECT_EQ(Find("ż abc.", "abc", kWord), 2);
    EXPECT_EQ(Find("x, abc; y", "abc", kWord), 3);
    EXPECT_EQ(Find("1abc abc1 abc", "abc", kWord), 10);
}

TEST(FindInBuffer, PolishLettersBelongToTheWord) {
    EXPECT_EQ(Find("żabc ", "abc", kWord), -1);
    EXPECT_EQ(Find("abcż ", "abc", kWord), -1);
    EXPECT_EQ(Find("ąabc", "abc", kWord), -1);
    EXPECT_EQ(Find("to łah i", "łah", kWord), 3); // a word starting with a Polish letter, mid-text
    EXPECT_EQ(Find("to ŁAH i", "łah", kWord), 3);
    EXPECT_EQ(Find("ółah łah", "łah", kWord), 5);
    EXPECT_EQ(Find("źdźbło", "źdźbło", kWord), 0);
}

TEST(FindInBuffer, TheEndOfTheTextStillNeedsAWordStart) {
    EXPECT_EQ(Find("ab xabc", "abc", kWord), -1); // the tail of a longer word
    EXPECT_EQ(Find("ab x abc", "abc", kWord), 5);
    EXPECT_EQ(Find("abc", "abc", kWord), 0); // the text is just the word
}

TEST(FindInBuffer, AWordAtTheStartPositionIsConsidered) {
    EXPECT_EQ(Find("abc def", "abc", kWord), 0);
    EXPECT_EQ(Find("abc def", "def", kWord, 4), 4);    // right after a separator
    EXPECT_EQ(Find("abc def", "def", kWord, 3), 4);    // on the separator
    EXPECT_EQ(Find("abcabc abc", "abc", kWord, 3), 7); // inside a word: its rest is left
    EXPECT_EQ(Find("abc abc", "abc", kSpell, 0, 3), 4);
}

TEST(FindInBuffer, WholeWordBackwards) {
    EXPECT_EQ(Find("abc xabc abcd abc z", "abc", frWholeWord, 19), 14);
    EXPECT_EQ(Find("abc xabc abcd z", "abc", frWholeWord, 15), 0);
    EXPECT_EQ(Find("abcd", "abc", frWholeWord, 4), -1); // the first position keeps its right side
    EXPECT_EQ(Find("  abc", "abc", frWholeWord, 5), 2);
}

TEST(FindInBuffer, WholeWordBackwardsEndsOnALeadingSeparator) {
    // A text that begins with separators and holds no match: the walk reaches
    // the start and stops.
    EXPECT_EQ(Find(" xy zz", "abc", frWholeWord, 6), -1);
    EXPECT_EQ(Find("   ", "a", frWholeWord, 3), -1);
    EXPECT_EQ(Find(" a", "a", frWholeWord, 2), 1);
}

TEST(SkipToWordStart, ForwardAndBackward) {
    const QByteArray t = W("ab  żcd e");
    const auto* b = reinterpret_cast<const uint8_t*>(t.constData());
    int pos = 1, count = 7;
    SkipToWordStart(b, pos, count, 1); // inside "ab": to "żcd"
    EXPECT_EQ(pos, 4);
    EXPECT_EQ(count, 4);
    pos = 4, count = 4;
    SkipToWordStart(b, pos, count, 1); // at a word start: stays
    EXPECT_EQ(pos, 4);
    pos = 2, count = 1;
    SkipToWordStart(b, pos, count, 1); // the count ends the walk
    EXPECT_EQ(pos, 3);
    EXPECT_EQ(count, 0);
    pos = 6, count = 6;
    SkipToWordStart(b, pos, count, -1); // inside "żcd": to its start
    EXPECT_EQ(pos, 4);
    EXPECT_EQ(count, 4);
    pos = 3, count = 3;
    SkipToWordStart(b, pos, count, -1); // on separators: to the start of "ab"
    EXPECT_EQ(pos, 0);
    EXPECT_EQ(count, 0);
}

// ---- The image gives the same answers ----------------------------------------------------------

TEST(TextImage, AnswersLikeFindInBufferOnRandomTexts) {
    QRandomGenerator rng(12);
    const QByteArray alphabet = W("aAbB żŻ.ą\r\n");
    const QByteArray words[] = {W("ab"), W("a"), W("żab"), W("AB"), W("b ż"), W(" a"), W("ą")};
    const TFindOptions optionSets[] = {frDown, frDown | frMatchCase, kWord, kWord | frMatchCase,
                                       0,      frWholeWord,          kSpell};
    for (int round = 0; round < 2000; ++round) {
        QByteArray text;
        const int len = int(rng.bounded(60));
        for (int i = 0; i < len; ++i)
            text += alphabet[int(rng.bounded(int(alphabet.size())))];
        TTextImage image(text);
        // Many searches of one image: the word index takes over part-way.
        for (int q = 0; q < 30; ++q) {
            const QByteArray& what = words[rng.bounded(int(std::size(words)))];
            const TFindOptions options = optionSets[rng.bounded(int(std::size(optionSets)))];
            const int selStart = int(rng.bounded(len + 1));
            const int selLength = int(rng.bounded(len - selStart + 1));
            ASSERT_EQ(image.Find(selStart, selLength, what, options),
                      FindInBuffer(text.constData(), len, selStart, selLength, what, options))
                << text.toHex().constData() << " " << what.constData() << " " << options << " "
                << selStart << "+" << selLength;
        }
    }
}

TEST(TextImage, IndexesItsWordsOnlyWhenSearchedRepeatedly) {
    TTextImage image(W("Abarzur i łah, abarzur."));
    for (int i = 0; i < TTextImage::kScansBeforeIndex; ++i)
        EXPECT_EQ(image.Find(0, 0, W("abarzur"), kSpell), 0);
    EXPECT_FALSE(image.HasWordIndex());
    EXPECT_EQ(image.Find(0, 1, W("abarzur"), kSpell), 15);
    EXPECT_TRUE(image.HasWordIndex());
    EXPECT_EQ(image.Find(0, 0, W("ŁAH"), kSpell), 10);
    EXPECT_EQ(image.Find(0, 0, W("Abarzur"), kSpell | frMatchCase), 0);
    EXPECT_EQ(image.Find(1, 0, W("Abarzur"), kSpell | frMatchCase), -1);
    EXPECT_EQ(image.Find(0, 0, W("abarzu"), kSpell), -1);
}
