// Hex dump lines as text and the arithmetic of a printed page.
#include "hexeditor/core/dumpformat.h"

#include <gtest/gtest.h>

#include <map>
#include <string>
#include <vector>

namespace {

TDisplayChars Identity() {
    TDisplayChars t{};
    for (int b = 0; b < 256; ++b)
        t[size_t(b)] = uint8_t(b);
    return t;
}

// The form the printing command uses: hex bytes, a blank after the byte field.
TDumpFormat PrintForm() {
    TDumpFormat f;
    f.memFieldSeparator = ' ';
    return f;
}

std::vector<uint8_t> Range(int from, int count) {
    std::vector<uint8_t> v;
    for (int i = 0; i < count; ++i)
        v.push_back(uint8_t(from + i));
    return v;
}

std::string Line(const TDumpFormat& f, int width, int64_t start, const std::vector<uint8_t>& bytes,
                 const TDisplayChars& chars = Identity()) {
    return DumpLine(f, width, chars, start, bytes.data(), int(bytes.size()));
}

std::string Letters(int count) {
    std::string s;
    for (int i = 0; i < count; ++i)
        s += char('a' + i % 26);
    return s;
}

} // namespace

TEST(DumpLine, FullLineInHexWithGroupsAndFields) {
    const std::string letters = Letters(16); // one string: both iterators must come from it
    const std::vector<uint8_t> bytes(letters.begin(), letters.end());
    std::string expected = "0x000:";
    expected += "6162 6364 6566 6768 696A 6B6C 6D6E 6F70 ";
    expected += " ";
    expected += "abcdefghijklmnop";
    EXPECT_EQ(Line(PrintForm(), 6, 0, bytes), expected);
}

TEST(DumpLine, CharacterFieldShowsWhatTheGridShows) {
    TDisplayChars chars = Identity();
    for (int b = 0; b < 0x20; ++b)
        chars[size_t(b)] = '.';
    const std::string line = Line(PrintForm(), 6, 0, Range(0, 16), chars);
    EXPECT_EQ(line.substr(0, 6), "0x000:");
    EXPECT_EQ(line.substr(6, 40), "0001 0203 0405 0607 0809 0A0B 0C0D 0E0F ");
    EXPECT_EQ(line.substr(46), " " + std::string(16, '.'));
}

TEST(DumpLine, MissingBytesPrintAsBlanksInBothFields) {
    // 20 bytes at 16 a line: the second line holds bytes 16 .. 19 only.
    const std::string line = Line(PrintForm(), 6, 16, {'q', 'r', 's', 't'});
    std::string expected = "0x010:7172 7374 ";
    for (int g = 0; g < 6; ++g)
        expected += "    " + std::string(" ");
    expected += " qrst" + std::string(12, ' ');
    EXPECT_EQ(line, expected);
    EXPECT_EQ(line.size(), Line(PrintForm(), 6, 0, Range('a', 16)).size());
}

TEST(DumpLine, DecimalAndOctalByteFields) {
    TDumpFormat f = PrintForm();
    f.displayCharField = false;
    f.memFieldSeparator = 0;
    f.offsetDisplay = odNone;
    f.offsetSeparator = 0;
    f.bytesPerLine = 4;
    f.bytesPerColumn = 4;

    f.memFieldDisplay = odDec;
    EXPECT_EQ(Line(f, 0, 0, {7, 0, 99, 255}), "  7  0 99255 ");
    EXPECT_EQ(Line(f, 0, 0, {7}), "  7" + std::string(3 * 3 + 1, ' '));

    f.memFieldDisplay = odOctal;
    EXPECT_EQ(Line(f, 0, 0, {7, 8, 0, 255}), "0007001000000377 ");
    EXPECT_EQ(Line(f, 0, 0, {7, 64}), "00070100" + std::string(2 * 4 + 1, ' '));

    f.memFieldDisplay = odNone; // no byte field at all, not even group blanks
    EXPECT_EQ(Line(f, 0, 0, {7, 8}), "");
}

TEST(DumpLine, SwappedNibblesExchangeTheDigitsOfEachByte) {
    TDumpFormat f = PrintForm();
    f.swapNibbles = true;
    const std::string line = Line(f, 6, 0, {0x3C, 0x0F, 0xA1});
    EXPECT_EQ(line.substr(6, 10), "C3F0 1A   ");
}

TEST(DumpLine, SeparatorZeroAddsNothing) {
    TDumpFormat f = PrintForm();
    f.bytesPerLine = 2;
    f.offsetSeparator = 0;
    f.memFieldSeparator = 0;
    f.charFieldSeparator = 0;
    EXPECT_EQ(Line(f, 6, 0, {'A', 'B'}), "0x0004142 AB");
    f.offsetSeparator = '|';
    f.memFieldSeparator = '#';
    f.charFieldSeparator = '!';
    EXPECT_EQ(Line(f, 6, 0, {'A', 'B'}), "0x000|4142 #AB!");
}

TEST(DumpLine, GroupBlankFollowsEveryBytesPerColumnBytes) {
    TDumpFormat f = PrintForm();
    f.bytesPerLine = 7;
    f.bytesPerColumn = 3;
    f.displayCharField = false;
    f.offsetDisplay = odNone;
    EXPECT_EQ(Line(f, 0, 0, Range(1, 7)), ":010203 040506 07 ");
    f.bytesPerColumn = 1;
    f.bytesPerLine = 3;
    EXPECT_EQ(Line(f, 0, 0, Range(1, 2)), ":01 02 " + std::string(2 + 1, ' ') + " ");
}

TEST(DumpLine, NoBytesPerLineGivesOnlyOffsetAndSeparators) {
    TDumpFormat f = PrintForm();
    f.bytesPerLine = 0;
    EXPECT_EQ(Line(f, 6, 0, {}), "0x000: ");
}

TEST(DumpLineStep, OnePointTwoTimesTheHeightAndAlwaysMore) {
    const std::map<int, int> cases{{0, 1},   {1, 2},   {2, 3},    {3, 4},     {4, 5},    {5, 6},
                                   {7, 8},   {8, 10},  {10, 12},  {12, 14},   {13, 16},  {19, 23},
                                   {22, 26}, {23, 28}, {99, 119}, {100, 120}, {200, 240}};
    for (const auto& [h, step] : cases)
        EXPECT_EQ(DumpLineStep(h), step) << "height " << h;
}

TEST(DumpLinesOnPage, HeaderAndFooterTakeOneLineEach) {
    // Room for five lines of step 12: header, three dump lines, footer.
    EXPECT_EQ(DumpLinesOnPage(100, 160, 12, true, true), 3);
    EXPECT_EQ(DumpLinesOnPage(100, 160, 12, true, false), 4);
    EXPECT_EQ(DumpLinesOnPage(100, 160, 12, false, false), 5);
    EXPECT_EQ(DumpLinesOnPage(100, 159, 12, false, false), 4);
    EXPECT_EQ(DumpLinesOnPage(100, 135, 12, true, true), 0);
    EXPECT_EQ(DumpLinesOnPage(100, 50, 12, false, false), 0);
    EXPECT_EQ(DumpLinesOnPage(0, 100, 0, false, false), 0);
}

TEST(FitDumpFontSize, StretchGrowsUntilTheLineJustFits) {
    std::vector<int> asked;
    auto measure = [&](int z) {
        asked.push_back(z);
        return TTextExtent{10 * z, 2 * z};
    };
    EXPECT_EQ(FitDumpFontSize(10, true, false, 125, 1000, measure), 12);
    EXPECT_EQ(asked, (std::vector<int>{10, 11, 12, 13, 12}));
    EXPECT_EQ(FitDumpFontSize(10, true, true, 130, 1000, measure), 13);
    EXPECT_EQ(FitDumpFontSize(20, true, false, 125, 1000, measure), 12);
}

TEST(FitDumpFontSize, ShrinkAloneNeverGrows) {
    auto measure = [](int z) { return TTextExtent{10 * z, 2 * z}; };
    EXPECT_EQ(FitDumpFontSize(20, false, true, 125, 1000, measure), 12);
    EXPECT_EQ(FitDumpFontSize(8, false, true, 125, 1000, measure), 8);
    EXPECT_EQ(FitDumpFontSize(8, false, false, 10, 1000, measure), 8);
}

TEST(FitDumpFontSize, BoundedBelowAndAbove) {
    // A rectangle too narrow for any size stops at size 1.
    auto wide = [](int z) { return TTextExtent{10 * z + 50, 2 * z}; };
    EXPECT_EQ(FitDumpFontSize(12, true, true, 5, 1000, wide), 1);
    EXPECT_EQ(FitDumpFontSize(12, false, true, -5, 1000, wide), 1);
    // A line that never widens stops growing once it fills the height.
    auto empty = [](int z) { return TTextExtent{0, 2 * z}; };
    EXPECT_EQ(FitDumpFontSize(12, true, true, 500, 60, empty), 30);
    // A text without extent at all stops at the largest size.
    auto nothing = [](int) { return TTextExtent{0, 0}; };
    EXPECT_EQ(FitDumpFontSize(12, true, false, 500, 60, nothing, 40), 40);
}
