// Find through the document: first match wholly within [start, end], never
// wrapping; ignore case and translate flags applied to the caller's pattern.
#include "hexeditor/core/charsets.h"
#include "tests/hexeditor/core/test_find_support.h"

#include <string>

using textmodel::Bytes;

namespace {

class FindTest : public textmodel::DocumentTest {
protected:
    std::string lastPattern;

    int32_t Find(const std::string& pattern, int32_t start, int32_t end = 0x7FFFFFFF,
                 bool ignoreCase = false, bool translate = false) {
        lastPattern = pattern;
        return model.Find(reinterpret_cast<uint8_t*>(lastPattern.data()),
                          static_cast<int32_t>(lastPattern.size()), start, end, ignoreCase,
                          translate);
    }
};

} // namespace

TEST_F(FindTest, PatternStartingInsideAnEarlierPartialMatch) {
    Load("aaab");
    EXPECT_EQ(Find("aab", 0), 1);
}

TEST_F(FindTest, OverlappingRepeatsFindTheFirstFullMatch) {
    Load("abababac");
    EXPECT_EQ(Find("ababac", 0), 2);
}

TEST_F(FindTest, StartOnAMatchReturnsIt) {
    Load("..xy..xy");
    EXPECT_EQ(Find("xy", 2), 2);
    EXPECT_EQ(Find("xy", 3), 6);
    EXPECT_EQ(Find("xy", 7), -1);
}

TEST_F(FindTest, NeverWrapsToTheStart) {
    Load("xy......");
    EXPECT_EQ(Find("xy", 1), -1);
}

TEST_F(FindTest, MatchMustLieWithinTheEndBound) {
    Load("....abc.");
    EXPECT_EQ(Find("abc", 0, 6), 4);
    EXPECT_EQ(Find("abc", 0, 5), -1);
}

TEST_F(FindTest, EndBeyondTheDataMeansTheLastByte) {
    Load(".....abc");
    EXPECT_EQ(Find("abc", 0, 1000), 5);
    EXPECT_EQ(Find("abcd", 0, 1000), -1);
}

TEST_F(FindTest, NoSearchWhenThePatternCannotFit) {
    Load("abcdef");
    EXPECT_EQ(Find("", 0), -1);
    EXPECT_EQ(Find("ef", 5), -1);
    EXPECT_EQ(Find("abc", 0, 1), -1);
    EXPECT_EQ(view.busyBegins, 0);
}

TEST_F(FindTest, EmptyDocumentFindsNothing) {
    EXPECT_EQ(Find("a", 0), -1);
}

TEST_F(FindTest, NegativeStartSearchesFromTheFirstByte) {
    Load("ab..");
    EXPECT_EQ(Find("ab", -3), 0);
}

TEST_F(FindTest, BusyCursorShownOnceAndRestored) {
    Load("....abc.");
    Find("abc", 0);
    ExpectBusyPaired(1);
    Find("zzz", 0);
    ExpectBusyPaired(2);
}

TEST_F(FindTest, CaseMattersWithoutTheFlag) {
    Load("abc aBc ABC");
    EXPECT_EQ(Find("ABC", 0), 8);
    EXPECT_EQ(Find("abc", 1), -1);
}

TEST_F(FindTest, IgnoreCaseMatchesEitherCase) {
    Load("abc aBc ABC");
    EXPECT_EQ(Find("ABC", 0, 0x7FFFFFFF, true), 0);
    EXPECT_EQ(Find("ABC", 1, 0x7FFFFFFF, true), 4);
    EXPECT_EQ(Find("ABC", 5, 0x7FFFFFFF, true), 8);
    EXPECT_EQ(lastPattern, "abc"); // the caller's pattern is lower-cased in place
}

TEST_F(FindTest, IgnoreCaseWithPolishLetters) {
    // "ZAŻÓŁĆ GĘŚLĄ JAŹŃ" in Windows-1250.
    Load("ZA\xAF\xD3\xA3\xC6 G\xCA\x8CL\xA5 JA\x8F\xD1");
    EXPECT_EQ(Find("\xBF\xF3\xB3\xE6", 0, 0x7FFFFFFF, true), 2); // żółć
    EXPECT_EQ(Find("g\xEA\x9Cl\xB9", 0, 0x7FFFFFFF, true), 7);   // gęślą
    EXPECT_EQ(Find("Ja\x9F\xF1", 0, 0x7FFFFFFF, true), 13);      // Jaźń
    EXPECT_EQ(Find("\xBF\xF3\xB3\xE6", 0), -1);
}

TEST_F(FindTest, TranslateUnderEbcdicSearchesTheEbcdicBytes) {
    Load(QByteArray("HELLO..") + Bytes({0xC8, 0xC5, 0xD3, 0xD3, 0xD6}));
    model.SetTranslation(ttEBCDIC);
    EXPECT_EQ(Find("HELLO", 0, 0x7FFFFFFF, false, true), 7);
    EXPECT_EQ(lastPattern, std::string("\xC8\xC5\xD3\xD3\xD6"));
    EXPECT_EQ(Find("HELLO", 0, 0x7FFFFFFF, false, false), 0);
}

TEST_F(FindTest, TranslateUnderAnsiLeavesThePattern) {
    Load("..HELLO");
    EXPECT_EQ(Find("HELLO", 0, 0x7FFFFFFF, false, true), 2);
    EXPECT_EQ(lastPattern, "HELLO");
}

TEST_F(FindTest, TranslateUnderOemFindsPolishLetters) {
    Load(Bytes({'.', 0xA5, 0x86, 0xA9})); // ąćę in code page 852
    model.SetTranslation(ttDos8);
    EXPECT_EQ(Find("\xB9\xE6\xEA", 0, 0x7FFFFFFF, false, true), 1);
}

TEST_F(FindTest, MatchStraddlingTheInternalBlockBoundary) {
    const int32_t block = 4 << 20;
    QByteArray data(block + 64, 'x');
    for (int32_t at : {block - 3, block - 1, block}) {
        QByteArray d = data;
        d.replace(at, 6, "needle");
        Load(d);
        EXPECT_EQ(Find("needle", 0), at) << at;
        EXPECT_EQ(Find("NEEDLE", 0, 0x7FFFFFFF, true), at) << at;
        EXPECT_EQ(Find("needle", 7), at) << at; // the boundary moves with the start
    }
}
