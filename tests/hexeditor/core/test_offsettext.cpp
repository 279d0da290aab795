// The offset column's width and text, shared by the grid and the printed dump.
#include "hexeditor/core/offsettext.h"

#include <gtest/gtest.h>

TEST(OffsetColumnChars, DigitsOfTheLastRowsStartPlusPrefixAndSeparator) {
    // 1,000 bytes at 16 a row: the last row starts at 992 (3E0, octal 01740).
    EXPECT_EQ(OffsetColumnChars(odHex, 992), 6);
    EXPECT_EQ(OffsetColumnChars(odDec, 992), 4);
    EXPECT_EQ(OffsetColumnChars(odOctal, 992), 8);
    EXPECT_EQ(OffsetColumnChars(odNone, 992), 0);
    EXPECT_EQ(OffsetColumnChars(odHex, 0), 4);
    EXPECT_EQ(OffsetColumnChars(odOctal, 0), 5);
    EXPECT_EQ(OffsetColumnChars(odHex, 0x7FFFFFFF), 11);
    EXPECT_EQ(OffsetColumnChars(odDec, 2147483647), 11);
}

TEST(OffsetNumberText, FourStylesPaddedToTheGridWidth) {
    // 1,000 bytes at 16 a row: the grid's offset column is 6, 4 and 8 wide.
    EXPECT_EQ(OffsetNumberText(odHex, 0, 6), "0x000");
    EXPECT_EQ(OffsetNumberText(odHex, 0x3E0, 6), "0x3E0");
    EXPECT_EQ(OffsetNumberText(odDec, 0, 4), "  0");
    EXPECT_EQ(OffsetNumberText(odDec, 992, 4), "992");
    EXPECT_EQ(OffsetNumberText(odOctal, 0, 8), "o 00000");
    EXPECT_EQ(OffsetNumberText(odOctal, 992, 8), "o 01740");
    EXPECT_EQ(OffsetNumberText(odNone, 992, 8), "");
}

TEST(OffsetNumberText, NarrowWidthLeavesTheNumberWhole) {
    EXPECT_EQ(OffsetNumberText(odHex, 0xABCDEF, 3), "0xABCDEF");
    EXPECT_EQ(OffsetNumberText(odHex, 0x7FFFFFF0, 0), "0x7FFFFFF0");
    EXPECT_EQ(OffsetNumberText(odDec, 123456, 2), "123456");
    EXPECT_EQ(OffsetNumberText(odOctal, 8, 0), "o 010");
}
