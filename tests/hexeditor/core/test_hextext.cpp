// Hex text: digit pairs both ways, nibble swap, skipped separators, octal, padding.
#include "hexeditor/core/hextext.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

std::string ToHex(const std::vector<uint8_t>& bytes, bool swap) {
    std::vector<char> out(bytes.size() * 2 + 2, '#');
    char* r = BytesToHexText(bytes.data(), static_cast<int32_t>(bytes.size()), out.data(), swap);
    EXPECT_EQ(r, out.data());
    EXPECT_EQ(out[bytes.size() * 2], '\0');
    EXPECT_EQ(out[bytes.size() * 2 + 1], '#') << "wrote past the terminator";
    return std::string(out.data());
}

std::vector<uint8_t> FromHex(const std::string& text, bool swap) {
    std::vector<uint8_t> out(text.size() / 2 + 1, 0xEE);
    int32_t n = -1;
    uint8_t* r =
        HexTextToBytes(text.data(), static_cast<int32_t>(text.size()), out.data(), n, swap);
    EXPECT_EQ(r, out.data());
    EXPECT_LE(n, static_cast<int32_t>(text.size() / 2));
    out.resize(static_cast<size_t>(std::max(n, 0)));
    return out;
}

std::vector<uint8_t> Bytes(std::initializer_list<int> v) {
    return {v.begin(), v.end()};
}

} // namespace

TEST(BytesToHexText, UpperCasePairsHighNibbleFirst) {
    EXPECT_EQ(ToHex(Bytes({0x00, 0x1F, 0xA0}), false), "001FA0");
    EXPECT_EQ(ToHex(Bytes({0xFF, 0xAB, 0x09}), false), "FFAB09");
}

TEST(BytesToHexText, SwapWritesLowNibbleFirst) {
    EXPECT_EQ(ToHex(Bytes({0x00, 0x1F, 0xA0}), true), "00F10A");
    EXPECT_EQ(ToHex(Bytes({0xF1}), true), "1F");
}

TEST(BytesToHexText, NoBytesGiveJustTheTerminator) {
    EXPECT_EQ(ToHex({}, false), "");
}

TEST(HexTextToBytes, SkipsSeparatorsAndPrefixLetters) {
    EXPECT_EQ(FromHex("0x1F, 2a\r\n3", false), Bytes({0x01, 0xF2, 0xA3}));
}

TEST(HexTextToBytes, DropsAnOddLastDigit) {
    EXPECT_EQ(FromHex("1 2 3", false), Bytes({0x12}));
    EXPECT_EQ(FromHex("F", false), Bytes({}));
}

TEST(HexTextToBytes, SwapReadsLowNibbleFirst) {
    EXPECT_EQ(FromHex("1F", true), Bytes({0xF1}));
    EXPECT_EQ(FromHex("00F10A", true), Bytes({0x00, 0x1F, 0xA0}));
}

TEST(HexTextToBytes, AcceptsEitherCase) {
    EXPECT_EQ(FromHex("abCDeF", false), Bytes({0xAB, 0xCD, 0xEF}));
}

TEST(HexTextToBytes, TextWithoutDigitsGivesNoBytes) {
    EXPECT_EQ(FromHex("xyz, ghij -+!", false), Bytes({}));
    EXPECT_EQ(FromHex("", false), Bytes({}));
}

TEST(HexTextToBytes, IgnoresNonAsciiAndNonHexLetters) {
    // "ą" and "Ą" in Windows-1250 and letters just past F are no digits.
    EXPECT_EQ(FromHex("\xB9"
                      "1g\xA5"
                      "2Gz",
                      false),
              Bytes({0x12}));
}

TEST(HexTextToBytes, ReadsOnlyLengthCharacters) {
    const char text[] = "1234";
    uint8_t out[4] = {0xEE, 0xEE, 0xEE, 0xEE};
    int32_t n = 0;
    HexTextToBytes(text, 3, out, n, false);
    EXPECT_EQ(n, 1);
    EXPECT_EQ(out[0], 0x12);
    EXPECT_EQ(out[1], 0xEE);
}

TEST(HexTextToBytes, NonPositiveLengthGivesNoBytes) {
    uint8_t out[2] = {0xEE, 0xEE};
    int32_t n = 5;
    HexTextToBytes("12", 0, out, n, false);
    EXPECT_EQ(n, 0);
    HexTextToBytes("12", -3, out, n, false);
    EXPECT_EQ(n, 0);
    EXPECT_EQ(out[0], 0xEE);
}

TEST(HexTextToBytes, InPlaceGivesTheSameBytes) {
    std::string text;
    for (int i = 0; i < 300; ++i) {
        text += "0123456789abcdefABCDEF"[i % 22];
        if (i % 3 == 0) text += ", ";
        if (i % 7 == 0) text += "\n";
    }
    const std::vector<uint8_t> expected = FromHex(text, true);
    std::string buffer = text;
    int32_t n = 0;
    auto* out = reinterpret_cast<uint8_t*>(buffer.data());
    HexTextToBytes(buffer.data(), static_cast<int32_t>(buffer.size()), out, n, true);
    ASSERT_EQ(n, static_cast<int32_t>(expected.size()));
    EXPECT_EQ(std::vector<uint8_t>(out, out + n), expected);
}

TEST(HexTextToBytes, EveryByteRoundTripsWithAndWithoutSwap) {
    std::vector<uint8_t> all(256);
    for (int i = 0; i < 256; ++i)
        all[i] = static_cast<uint8_t>(i);
    for (bool swap : {false, true})
        EXPECT_EQ(FromHex(ToHex(all, swap), swap), all) << swap;
}

TEST(HexTextDecoder, AnySplitGivesTheSameBytes) {
    const std::string text = "0x1F, 2a\n3 4b5-C";
    const std::vector<uint8_t> whole = FromHex(text, false);
    for (size_t cut1 = 0; cut1 <= text.size(); ++cut1)
        for (size_t cut2 = cut1; cut2 <= text.size(); ++cut2) {
            HexTextDecoder dec(false);
            std::vector<uint8_t> out(text.size() + 3);
            int32_t n = dec.Feed(text.data(), static_cast<int32_t>(cut1), out.data());
            n += dec.Feed(text.data() + cut1, static_cast<int32_t>(cut2 - cut1), out.data() + n);
            n += dec.Feed(text.data() + cut2, static_cast<int32_t>(text.size() - cut2),
                          out.data() + n);
            out.resize(n);
            EXPECT_EQ(out, whole) << cut1 << " " << cut2;
        }
}

TEST(HexTextDecoder, KeepsALoneDigitForTheNextPiece) {
    HexTextDecoder dec(true);
    uint8_t out[2] = {};
    EXPECT_EQ(dec.Feed("1", 1, out), 0);
    EXPECT_TRUE(dec.HasPendingDigit());
    EXPECT_EQ(dec.Feed(" F", 2, out), 1);
    EXPECT_FALSE(dec.HasPendingDigit());
    EXPECT_EQ(out[0], 0xF1);
}

TEST(IntToOctal, LeadingZeroBeforeTheDigits) {
    EXPECT_EQ(IntToOctal(0), "00");
    EXPECT_EQ(IntToOctal(7), "07");
    EXPECT_EQ(IntToOctal(8), "010");
    EXPECT_EQ(IntToOctal(64), "0100");
    EXPECT_EQ(IntToOctal(511), "0777");
    EXPECT_EQ(IntToOctal(0x7FFFFFFF), "017777777777");
}

TEST(IntToOctal, NegativeValueKeepsItsSign) {
    EXPECT_EQ(IntToOctal(-8), "-010");
}

TEST(PadLeft, PadsUpToTheWidth) {
    EXPECT_EQ(PadLeft('0', "7F", 4), "007F");
    EXPECT_EQ(PadLeft(' ', "", 3), "   ");
}

TEST(PadLeft, LongerTextStaysAsItIs) {
    EXPECT_EQ(PadLeft('0', "12345", 4), "12345");
    EXPECT_EQ(PadLeft('0', "1234", 4), "1234");
    EXPECT_EQ(PadLeft('0', "12", 0), "12");
    EXPECT_EQ(PadLeft('0', "12", -5), "12");
}
