#include "base/integertext.h"

#include <QString>
#include <gtest/gtest.h>

namespace {
std::optional<int32_t> P(const char* s) { return ParseIntegerText(QString::fromUtf8(s)); }
} // namespace

TEST(IntegerText, ReadsDecimalWithBlanksAndSign) {
    EXPECT_EQ(P("16"), 16);
    EXPECT_EQ(P("   42"), 42);
    EXPECT_EQ(P("+7"), 7);
    EXPECT_EQ(P("-1"), -1);
    EXPECT_EQ(P("0"), 0);
}

TEST(IntegerText, DecimalMustFitSigned32Bits) {
    EXPECT_EQ(P("2147483647"), INT32_MAX);
    EXPECT_EQ(P("-2147483648"), INT32_MIN);
    EXPECT_EQ(P("2147483648"), std::nullopt);
    EXPECT_EQ(P("-2147483649"), std::nullopt);
    EXPECT_EQ(P("99999999999999999999"), std::nullopt);
}

TEST(IntegerText, ReadsEveryHexPrefixInEitherCase) {
    EXPECT_EQ(P("$10"), 16);
    EXPECT_EQ(P("x10"), 16);
    EXPECT_EQ(P("X1f"), 31);
    EXPECT_EQ(P("0x10"), 16);
    EXPECT_EQ(P("0XaB"), 0xAB);
    EXPECT_EQ(P("  -$10"), -16);
}

TEST(IntegerText, HexIsAThirtyTwoBitPattern) {
    EXPECT_EQ(P("$FFFFFFFF"), -1);
    EXPECT_EQ(P("0x80000000"), INT32_MIN);
    EXPECT_EQ(P("$7fffffff"), INT32_MAX);
    EXPECT_EQ(P("$123456789"), std::nullopt); // nine digits
}

TEST(IntegerText, RejectsEmptyDanglingAndTrailingText) {
    for (const char* bad : {"", "   ", "+", "-", "$", "0x", "x", "12abc", "1 ", "1.5", "4,5", "$1g",
                            "--1", "abc", " + 1"})
        EXPECT_EQ(P(bad), std::nullopt) << bad;
}

TEST(IntegerText, ZeroFollowedByDigitsIsDecimal) {
    EXPECT_EQ(P("010"), 10);
    EXPECT_EQ(P("0"), 0);
}
