// Character sets of the hex editor: the fixed tables, display and typing rules.
#include "hexeditor/core/charsets.h"

#include <gtest/gtest.h>

#include <set>
#include <string>
#include <vector>

namespace {

std::vector<uint8_t> Bytes(std::initializer_list<int> values) {
    return std::vector<uint8_t>(values.begin(), values.end());
}

std::vector<uint8_t> FromAnsi(int translation, std::vector<uint8_t> bytes) {
    TranslateFromAnsi(translation, bytes.data(), bytes.data(), static_cast<int32_t>(bytes.size()));
    return bytes;
}

std::vector<uint8_t> ToAnsi(int translation, std::vector<uint8_t> bytes) {
    TranslateToAnsi(translation, bytes.data(), bytes.data(), static_cast<int32_t>(bytes.size()));
    return bytes;
}

uint8_t From(int translation, uint8_t b) {
    return FromAnsi(translation, {b})[0];
}
uint8_t To(int translation, uint8_t b) {
    return ToAnsi(translation, {b})[0];
}

const std::vector<uint8_t> kHello = Bytes({'H', 'E', 'L', 'L', 'O'});

// Windows-1250 bytes of the Polish letters and their code page 852 bytes.
struct PolishLetter {
    uint8_t ansi;
    uint8_t oem;
};
const PolishLetter kPolish[] = {
    {0xB9, 0xA5}, {0xE6, 0x86}, {0xEA, 0xA9}, {0xB3, 0x88}, {0xF1, 0xE4}, {0xF3, 0xA2},
    {0x9C, 0x98}, {0x9F, 0xAB}, {0xBF, 0xBE}, {0xA5, 0xA4}, {0xC6, 0x8F}, {0xCA, 0xA8},
    {0xA3, 0x9D}, {0xD1, 0xE3}, {0xD3, 0xE0}, {0x8C, 0x97}, {0x8F, 0x8D}, {0xAF, 0xBD},
};

} // namespace

// ---- Macintosh ---------------------------------------------------------------

TEST(MacTable, IsABijectionOfTheUpperHalf) {
    std::set<int> images;
    for (int m = 0x80; m <= 0xFF; ++m) {
        const uint8_t a = To(ttMac, static_cast<uint8_t>(m));
        EXPECT_GE(a, 0x80) << "Mac byte " << m;
        images.insert(a);
    }
    EXPECT_EQ(images.size(), 128u);
}

TEST(MacTable, AnsiToMacIsTheExactInverse) {
    for (int m = 0x80; m <= 0xFF; ++m)
        EXPECT_EQ(From(ttMac, To(ttMac, static_cast<uint8_t>(m))), m) << "Mac byte " << m;
    for (int a = 0x80; a <= 0xFF; ++a)
        EXPECT_EQ(To(ttMac, From(ttMac, static_cast<uint8_t>(a))), a) << "ANSI byte " << a;
}

TEST(MacTable, LeavesBytesBelow0x80Unchanged) {
    for (int b = 0; b < 0x80; ++b) {
        EXPECT_EQ(To(ttMac, static_cast<uint8_t>(b)), b);
        EXPECT_EQ(From(ttMac, static_cast<uint8_t>(b)), b);
    }
}

TEST(MacTable, KnownEntries) {
    EXPECT_EQ(To(ttMac, 0x80), 0xC4);
    EXPECT_EQ(To(ttMac, 0xA5), 0x80);
    EXPECT_EQ(To(ttMac, 0xCA), 0xA0);
    EXPECT_EQ(To(ttMac, 0xFF), 0x9D);
    EXPECT_EQ(From(ttMac, 0xC4), 0x80);
    EXPECT_EQ(From(ttMac, 0x9D), 0xFF);
}

// ---- EBCDIC -----------------------------------------------------------------

TEST(EbcdicTable, HelloRoundTrip) {
    EXPECT_EQ(FromAnsi(ttEBCDIC, kHello), Bytes({0xC8, 0xC5, 0xD3, 0xD3, 0xD6}));
    EXPECT_EQ(ToAnsi(ttEBCDIC, Bytes({0xC8, 0xC5, 0xD3, 0xD3, 0xD6})), kHello);
}

TEST(EbcdicTable, LettersAndDigits) {
    const std::string lower = "abcdefghijklmnopqrstuvwxyz";
    const std::string upper = "ABCDEFGHIJKLMNOPQRSTUVWXYZ";
    const int codes[] = {0x81, 0x82, 0x83, 0x84, 0x85, 0x86, 0x87, 0x88, 0x89,
                         0x91, 0x92, 0x93, 0x94, 0x95, 0x96, 0x97, 0x98, 0x99,
                         0xA2, 0xA3, 0xA4, 0xA5, 0xA6, 0xA7, 0xA8, 0xA9};
    for (size_t i = 0; i < lower.size(); ++i) {
        EXPECT_EQ(From(ttEBCDIC, lower[i]), codes[i]) << lower[i];
        EXPECT_EQ(From(ttEBCDIC, upper[i]), codes[i] + 0x40) << upper[i];
    }
    for (int d = 0; d < 10; ++d)
        EXPECT_EQ(From(ttEBCDIC, '0' + d), 0xF0 + d);
}

TEST(EbcdicTable, CharactersWithoutCodeBecomeZero) {
    for (int c : std::initializer_list<int>{'[', ']', '^', '{', '}', 0x00, 0x0A, 0x7F, 0xB9, 0xFF})
        EXPECT_EQ(From(ttEBCDIC, static_cast<uint8_t>(c)), 0x00) << c;
    for (int row : {0x00, 0x10, 0x20, 0x30, 0xB0})
        for (int i = 0; i < 16; ++i)
            EXPECT_EQ(To(ttEBCDIC, static_cast<uint8_t>(row + i)), 0x00);
}

TEST(EbcdicTable, EntriesThatStandOut) {
    EXPECT_EQ(To(ttEBCDIC, 0x4F), 0xFE);
    EXPECT_EQ(To(ttEBCDIC, 0x50), 0x26);
    EXPECT_EQ(To(ttEBCDIC, 0x51), 0x26);
    EXPECT_EQ(To(ttEBCDIC, 0x6A), 0x7C);
    EXPECT_EQ(From(ttEBCDIC, 0x26), 0x50);
    EXPECT_EQ(From(ttEBCDIC, 0x7C), 0x6A);
    EXPECT_EQ(From(ttEBCDIC, 0xFE), 0x4F);
    EXPECT_EQ(From(ttEBCDIC, ' '), 0x40);
}

TEST(EbcdicTable, InverseGivesBackEveryProducedCharacter) {
    std::set<int> produced;
    for (int e = 0; e < 256; ++e) {
        const uint8_t a = To(ttEBCDIC, static_cast<uint8_t>(e));
        if (a != 0) {
            produced.insert(a);
            EXPECT_EQ(To(ttEBCDIC, From(ttEBCDIC, a)), a) << "ANSI " << int(a);
        }
    }
    for (int a = 0; a < 256; ++a) {
        if (!produced.count(a)) {
            EXPECT_EQ(From(ttEBCDIC, static_cast<uint8_t>(a)), 0) << "ANSI " << a;
        }
    }
}

// ---- OEM (code page 852) -------------------------------------------------------

TEST(OemConversion, PolishLettersMapBothWays) {
    for (const auto& l : kPolish) {
        EXPECT_EQ(AnsiToOem(l.ansi), l.oem) << "ANSI " << int(l.ansi);
        EXPECT_EQ(OemToAnsi(l.oem), l.ansi) << "OEM " << int(l.oem);
        EXPECT_EQ(From(ttDos8, l.ansi), l.oem);
        EXPECT_EQ(To(ttDos8, l.oem), l.ansi);
    }
}

TEST(OemConversion, SevenBitBytesAreUnchanged) {
    for (int b = 0; b < 0x80; ++b) {
        EXPECT_EQ(AnsiToOem(static_cast<uint8_t>(b)), b);
        EXPECT_EQ(OemToAnsi(static_cast<uint8_t>(b)), b);
    }
}

TEST(OemConversion, CharactersInBothSetsRoundTrip) {
    int exact = 0;
    for (int a = 0x80; a < 256; ++a) {
        const uint8_t o = AnsiToOem(static_cast<uint8_t>(a));
        if (o >= 0x80) { // not a fallback to a plain character
            EXPECT_EQ(OemToAnsi(o), a) << "ANSI " << a;
            ++exact;
        }
    }
    // Of the 123 characters Windows-1250 defines above 0x7F, 99 (every letter
    // among them) also exist in code page 852.
    EXPECT_EQ(exact, 99);
}

TEST(OemConversion, BoxDrawingFallsBackToPlainLines) {
    EXPECT_EQ(OemToAnsi(0xB3), '|'); // light vertical
    EXPECT_EQ(OemToAnsi(0xBA), '|'); // double vertical
    EXPECT_EQ(OemToAnsi(0xC4), '-'); // light horizontal
    EXPECT_EQ(OemToAnsi(0xCD), '-'); // double horizontal
    EXPECT_EQ(OemToAnsi(0xC5), '+'); // crossing
    EXPECT_EQ(OemToAnsi(0xC9), '+'); // corner
    EXPECT_EQ(OemToAnsi(0xB4), '+'); // tee
}

TEST(OemConversion, OtherCharactersWithoutCounterpartBecomeQuestionMark) {
    EXPECT_EQ(OemToAnsi(0xB0), '?'); // light shade
    EXPECT_EQ(OemToAnsi(0xDB), '?'); // full block
    EXPECT_EQ(OemToAnsi(0xFE), '?'); // black square
    EXPECT_EQ(AnsiToOem(0x80), '?'); // euro sign
    EXPECT_EQ(AnsiToOem(0x81), '?'); // undefined in Windows-1250
    EXPECT_EQ(AnsiToOem(0xA9), '?'); // copyright sign
}

TEST(OemConversion, TypographicPunctuationFallsBackToPlainForm) {
    EXPECT_EQ(AnsiToOem(0x84), '"'); // low double quote
    EXPECT_EQ(AnsiToOem(0x93), '"');
    EXPECT_EQ(AnsiToOem(0x92), '\'');
    EXPECT_EQ(AnsiToOem(0x96), '-'); // en dash
    EXPECT_EQ(AnsiToOem(0x97), '-'); // em dash
}

TEST(OemConversion, AsciiSetUsesTheSameConversionWithoutStripping) {
    for (const auto& l : kPolish) {
        EXPECT_EQ(From(ttASCII, l.ansi), l.oem);
        EXPECT_EQ(To(ttASCII, l.oem), l.ansi);
    }
}

TEST(OemConversion, Dos8ToAsciiKeepsTheEighthBit) {
    std::vector<uint8_t> b = ToAnsi(ttDos8, Bytes({0xA5, 0x86, 0x41}));
    TranslateFromAnsi(ttASCII, b.data(), b.data(), 3);
    EXPECT_EQ(b, Bytes({0xA5, 0x86, 0x41}));
}

// ---- Block conversion rules ----------------------------------------------------

TEST(BlockConversion, UnknownSetLeavesTheTargetAsItIs) {
    for (int t : {5, 255, -1}) {
        std::vector<uint8_t> src = kHello, dst = Bytes({1, 2, 3, 4, 5});
        TranslateFromAnsi(t, src.data(), dst.data(), 5);
        EXPECT_EQ(dst, Bytes({1, 2, 3, 4, 5}));
        TranslateToAnsi(t, src.data(), dst.data(), 5);
        EXPECT_EQ(dst, Bytes({1, 2, 3, 4, 5}));
    }
}

TEST(BlockConversion, SeparateTargetMatchesInPlace) {
    std::vector<uint8_t> all(256);
    for (int i = 0; i < 256; ++i)
        all[i] = static_cast<uint8_t>(i);
    for (int t = ttAnsi; t <= ttEBCDIC; ++t) {
        std::vector<uint8_t> dst(256, 0xEE);
        TranslateFromAnsi(t, all.data(), dst.data(), 256);
        EXPECT_EQ(dst, FromAnsi(t, all)) << t;
        TranslateToAnsi(t, all.data(), dst.data(), 256);
        EXPECT_EQ(dst, ToAnsi(t, all)) << t;
    }
}

TEST(BlockConversion, AnsiIsACopy) {
    std::vector<uint8_t> src = Bytes({0x00, 0x9C, 0xFF}), dst(3, 0x11);
    TranslateFromAnsi(ttAnsi, src.data(), dst.data(), 3);
    EXPECT_EQ(dst, src);
}

TEST(BlockConversion, WritesNothingBeyondCount) {
    std::vector<uint8_t> buf = Bytes({'H', 'E', 'L'});
    TranslateFromAnsi(ttEBCDIC, buf.data(), buf.data(), 2);
    EXPECT_EQ(buf, Bytes({0xC8, 0xC5, 'L'}));
}

// ---- Display -------------------------------------------------------------------

TEST(DisplayChar, EbcdicByteWithoutCharacterShowsMask) {
    EXPECT_EQ(ByteToDisplayChar(ttEBCDIC, true, '.', 0x00), '.');
    EXPECT_EQ(ByteToDisplayChar(ttEBCDIC, false, '.', 0x00), '.');
    EXPECT_EQ(ByteToDisplayChar(ttEBCDIC, false, '*', 0x4A), '*');
    EXPECT_EQ(ByteToDisplayChar(ttEBCDIC, true, '.', 0xC1), 'A');
    EXPECT_EQ(ByteToDisplayChar(ttEBCDIC, true, '.', 0x40), ' ');
}

TEST(DisplayChar, AsciiMasksTheUpperHalf) {
    EXPECT_EQ(ByteToDisplayChar(ttASCII, true, '.', 0xC1), '.');
    EXPECT_EQ(ByteToDisplayChar(ttASCII, false, '#', 0x80), '#');
    EXPECT_EQ(ByteToDisplayChar(ttASCII, true, '.', 0x7F), 0x7F);
    EXPECT_EQ(ByteToDisplayChar(ttASCII, true, '.', 'a'), 'a');
}

TEST(DisplayChar, WhiteSpaceMaskingInAnsi) {
    EXPECT_EQ(ByteToDisplayChar(ttAnsi, true, '.', 0x09), '.');
    EXPECT_EQ(ByteToDisplayChar(ttAnsi, false, '.', 0x09), 0x09);
    EXPECT_EQ(ByteToDisplayChar(ttAnsi, true, '.', 0x20), 0x20);
    EXPECT_EQ(ByteToDisplayChar(ttAnsi, true, '.', 0x1F), '.');
    EXPECT_EQ(ByteToDisplayChar(ttAnsi, true, '.', 0xB9), 0xB9);
}

TEST(DisplayChar, OemShowsTheAnsiCharacter) {
    EXPECT_EQ(ByteToDisplayChar(ttDos8, true, '.', 0xA5), 0xB9); // ą
    EXPECT_EQ(ByteToDisplayChar(ttDos8, true, '.', 0xC4), '-');
    EXPECT_EQ(ByteToDisplayChar(ttDos8, true, '.', 0x0D), '.');
    EXPECT_EQ(ByteToDisplayChar(ttDos8, false, '.', 0x0D), 0x0D);
}

TEST(DisplayChar, MacUsesTheTableAboveSevenBits) {
    EXPECT_EQ(ByteToDisplayChar(ttMac, true, '.', 'A'), 'A');
    EXPECT_EQ(ByteToDisplayChar(ttMac, true, '.', 0x80), 0xC4);
    EXPECT_EQ(ByteToDisplayChar(ttMac, true, '.', 0x0A), '.');
}

TEST(DisplayChar, UnknownSetShowsMask) {
    EXPECT_EQ(ByteToDisplayChar(5, false, '.', 'A'), '.');
    EXPECT_EQ(ByteToDisplayChar(-1, false, '?', 'A'), '?');
}

// ---- Typing --------------------------------------------------------------------

TEST(CharToByteRule, ControlCharactersAreRefusedInEverySet) {
    for (int t = ttAnsi; t <= ttEBCDIC; ++t)
        for (int c = 0; c < 0x20; ++c)
            EXPECT_EQ(CharToByte(t, static_cast<uint8_t>(c)), 0) << "set " << t << " char " << c;
}

TEST(CharToByteRule, AnsiStoresTheCharacter) {
    EXPECT_EQ(CharToByte(ttAnsi, ' '), ' ');
    EXPECT_EQ(CharToByte(ttAnsi, 0xB9), 0xB9);
    EXPECT_EQ(CharToByte(ttAnsi, 0xFF), 0xFF);
}

TEST(CharToByteRule, OemStoresTheOemByte) {
    EXPECT_EQ(CharToByte(ttDos8, ' '), ' ');
    EXPECT_EQ(CharToByte(ttDos8, 0xB9), 0xA5);
    EXPECT_EQ(CharToByte(ttDos8, 0x80), '?');
}

TEST(CharToByteRule, AsciiRefusesTheUpperHalf) {
    EXPECT_EQ(CharToByte(ttASCII, 'A'), 'A');
    EXPECT_EQ(CharToByte(ttASCII, 0x7F), 0x7F);
    for (int c = 0x80; c < 256; ++c)
        EXPECT_EQ(CharToByte(ttASCII, static_cast<uint8_t>(c)), 0) << c;
}

TEST(CharToByteRule, MacStoresTheMacByte) {
    EXPECT_EQ(CharToByte(ttMac, 'A'), 'A');
    EXPECT_EQ(CharToByte(ttMac, 0xC4), 0x80);
    EXPECT_EQ(CharToByte(ttMac, 0x80), 0xA5);
}

TEST(CharToByteRule, EbcdicRefusesCharactersWithoutCode) {
    EXPECT_EQ(CharToByte(ttEBCDIC, 'A'), 0xC1);
    EXPECT_EQ(CharToByte(ttEBCDIC, ' '), 0x40);
    EXPECT_EQ(CharToByte(ttEBCDIC, '&'), 0x50);
    EXPECT_EQ(CharToByte(ttEBCDIC, '['), 0);
    EXPECT_EQ(CharToByte(ttEBCDIC, 0xB9), 0);
}

TEST(CharToByteRule, UnknownSetRefusesEverything) {
    EXPECT_EQ(CharToByte(5, 'A'), 0);
    EXPECT_EQ(CharToByte(-1, 'A'), 0);
}

// ---- Lower-casing ---------------------------------------------------------------

TEST(AnsiLowerCase, PolishCapitals) {
    const std::pair<uint8_t, uint8_t> pairs[] = {
        {0xA5, 0xB9}, {0xC6, 0xE6}, {0xCA, 0xEA}, {0xA3, 0xB3}, {0xD1, 0xF1},
        {0xD3, 0xF3}, {0x8C, 0x9C}, {0x8F, 0x9F}, {0xAF, 0xBF},
    };
    for (auto [upper, lower] : pairs) {
        EXPECT_EQ(AnsiLower(upper), lower) << int(upper);
        EXPECT_EQ(AnsiLower(lower), lower) << int(lower);
    }
}

TEST(AnsiLowerCase, OtherWindows1250Capitals) {
    EXPECT_EQ(AnsiLower(0x8A), 0x9A); // Š
    EXPECT_EQ(AnsiLower(0x8D), 0x9D); // Ť
    EXPECT_EQ(AnsiLower(0x8E), 0x9E); // Ž
    EXPECT_EQ(AnsiLower(0xAA), 0xBA); // Ş
    EXPECT_EQ(AnsiLower(0xBC), 0xBE); // Ľ
    EXPECT_EQ(AnsiLower(0xC0), 0xE0); // Ŕ
    EXPECT_EQ(AnsiLower(0xDE), 0xFE); // Ţ
}

TEST(AnsiLowerCase, LatinLettersAndNonLetters) {
    for (int c = 'A'; c <= 'Z'; ++c)
        EXPECT_EQ(AnsiLower(static_cast<uint8_t>(c)), c + 32);
    for (int c : std::initializer_list<int>{'0', '[', '@', 0xD7 /* × */, 0xDF /* ß */, 0xF7 /* ÷ */,
                                            0x00, 0xFF})
        EXPECT_EQ(AnsiLower(static_cast<uint8_t>(c)), c) << c;
}

TEST(AnsiLowerCase, TableAgreesAndIsIdempotent) {
    const uint8_t* table = AnsiLowerTable();
    for (int c = 0; c < 256; ++c) {
        EXPECT_EQ(table[c], AnsiLower(static_cast<uint8_t>(c)));
        EXPECT_EQ(AnsiLower(table[c]), table[c]);
    }
}

// ---- Labels ------------------------------------------------------------------------

TEST(TranslationLabels, InListOrder) {
    EXPECT_STREQ(TranslationLabel(ttAnsi), "ANSI");
    EXPECT_STREQ(TranslationLabel(ttDos8), "OEM Codepage 850");
    EXPECT_STREQ(TranslationLabel(ttASCII), "ASCII 7 Bit");
    EXPECT_STREQ(TranslationLabel(ttMac), "MAC");
    EXPECT_STREQ(TranslationLabel(ttEBCDIC), "EBCDIC CP 038");
    EXPECT_STREQ(TranslationLabel(5), "");
}
