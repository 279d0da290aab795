#include "base/hexcodec.h"

#include <QString>
#include <gtest/gtest.h>

namespace {
QByteArray B(std::initializer_list<int> values) {
    QByteArray out;
    for (int v : values)
        out.append(char(uint8_t(v)));
    return out;
}
} // namespace

TEST(HexCodec, DigitValuesOfEitherCaseAndNothingElse) {
    const struct {
        char32_t c;
        int value;
    } cases[] = {{U'0', 0},  {U'9', 9},  {U'a', 10}, {U'f', 15},  {U'A', 10},   {U'F', 15},
                 {U'g', -1}, {U'G', -1}, {U' ', -1}, {U'/', -1},  {U':', -1},   {U'@', -1},
                 {U'`', -1}, {0, -1},    {0xFF, -1}, {0x100, -1}, {0xFF21, -1}, {0x1F600, -1}};
    for (const auto& c : cases)
        EXPECT_EQ(HexDigitValue(c.c), c.value) << uint32_t(c.c);
}

TEST(HexCodec, DigitCharactersAreUpperCaseOfTheLowNibble) {
    EXPECT_EQ(HexDigitChar(0), '0');
    EXPECT_EQ(HexDigitChar(10), 'A');
    EXPECT_EQ(HexDigitChar(15), 'F');
    EXPECT_EQ(HexDigitChar(0x1C), 'C');
    EXPECT_EQ(NibbleDigit(0x3C, true), '3');
    EXPECT_EQ(NibbleDigit(0x3C, false), 'C');
}

TEST(HexCodec, NumbersWithoutLeadingZeros) {
    EXPECT_EQ(IntToHex(0), "0");
    EXPECT_EQ(IntToHex(15), "F");
    EXPECT_EQ(IntToHex(16), "10");
    EXPECT_EQ(IntToHex(0x7FFFFFFF), "7FFFFFFF");
    EXPECT_EQ(IntToHex(int64_t(1) << 32), "100000000");
}

TEST(HexCodec, ClipboardTextIsUnswappedUpperCasePairs) {
    EXPECT_EQ(HexTextOf(B({0x00, 0x3C, 0xFF})), "003CFF");
    EXPECT_EQ(HexTextOf(B({0x3C}), true), "C3");
    EXPECT_EQ(HexTextOf(QByteArray()), "");
}

TEST(HexCodec, ClipboardTextBackToBytes) {
    EXPECT_EQ(BytesOfHexText(u"003CFF"), B({0x00, 0x3C, 0xFF}));
    // Anything but digits is skipped, also between the two digits of a pair.
    EXPECT_EQ(BytesOfHexText(u" 0 0-3c\nf f"), B({0x00, 0x3C, 0xFF}));
    // An odd last digit is dropped; characters beyond Latin-1 are no digits.
    EXPECT_EQ(BytesOfHexText(u"ABC"), B({0xAB}));
    EXPECT_EQ(BytesOfHexText(u"\uFF21\uFF22"), QByteArray());
    EXPECT_EQ(BytesOfHexText(u"C3", true), B({0x3C}));
    EXPECT_EQ(BytesOfHexText(u""), QByteArray());
}

TEST(HexCodec, SearchPatternsPairFromTheLeftAfterALeadingZero) {
    EXPECT_EQ(HexPatternBytes(u"1"), B({0x01}));
    EXPECT_EQ(HexPatternBytes(u"123"), B({0x01, 0x23}));
    EXPECT_EQ(HexPatternBytes(u"1 23"), B({0x01, 0x23}));
    EXPECT_EQ(HexPatternBytes(u"de AD"), B({0xDE, 0xAD}));
    EXPECT_EQ(HexPatternBytes(u"xyz"), QByteArray());
    EXPECT_EQ(HexPatternBytes(u""), QByteArray());
}

TEST(HexCodec, EveryByteSurvivesTheRoundTrip) {
    QByteArray all;
    for (int b = 0; b < 256; ++b)
        all.append(char(b));
    for (bool swap : {false, true}) {
        const QByteArray text = HexTextOf(all, swap);
        ASSERT_EQ(text.size(), 512);
        EXPECT_EQ(BytesOfHexText(QString::fromLatin1(text), swap), all);
    }
}
