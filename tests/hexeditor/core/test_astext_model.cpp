// Whole-document text and hex text forms: SetAsText, SetAsHex, GetAsHex.
#include "hexeditor/core/charsets.h"
#include "hexeditor/core/hextext.h"
#include "tests/hexeditor/core/test_find_support.h"

#include <vector>

using textmodel::Bytes;

namespace {
class AsTextTest : public textmodel::DocumentTest {};
} // namespace

TEST_F(AsTextTest, SetAsTextReplacesAllData) {
    Load("abcdefgh");
    model.SetAsText("XY");
    EXPECT_EQ(Data(), "XY");
}

TEST_F(AsTextTest, SetAsTextFillsAnEmptyDocument) {
    model.SetAsText("hello");
    EXPECT_EQ(Data(), "hello");
}

TEST_F(AsTextTest, SetAsTextTranslatesToTheCurrentSet) {
    Load("abc");
    model.SetTranslation(ttEBCDIC);
    const QByteArray text("HELLO");
    model.SetAsText(text);
    EXPECT_EQ(Data(), Bytes({0xC8, 0xC5, 0xD3, 0xD3, 0xD6}));
    EXPECT_EQ(text, "HELLO");
}

TEST_F(AsTextTest, SetAsTextIsUndoable) {
    Load("abcdefgh");
    model.SetAsText("XY");
    model.Undo();
    EXPECT_EQ(Data(), "abcdefgh");
}

TEST_F(AsTextTest, SetAsHexSkipsSeparatorsAndDropsAnOddDigit) {
    Load("old data");
    model.SetAsHex("0x1F, 2a\n3");
    EXPECT_EQ(Data(), Bytes({0x01, 0xF2, 0xA3}));
}

TEST_F(AsTextTest, SetAsHexUnderSwap) {
    Load("x");
    model.SetSwapNibbles(true);
    model.SetAsHex("1F00F10A");
    EXPECT_EQ(Data(), Bytes({0xF1, 0x00, 0x1F, 0xA0}));
}

TEST_F(AsTextTest, SetAsHexWithoutDigitsEmptiesTheData) {
    Load("some bytes");
    model.SetAsHex("xyz, ghij-+!");
    EXPECT_EQ(model.DataSize(), 0);
}

TEST_F(AsTextTest, GetAsHexOfEmptyDataIsEmpty) {
    EXPECT_EQ(model.GetAsHex(), "");
}

TEST_F(AsTextTest, GetAsHexWritesUpperCasePairs) {
    Load(Bytes({0x00, 0x1F, 0xA0}));
    EXPECT_EQ(model.GetAsHex(), "001FA0");
    model.SetSwapNibbles(true);
    EXPECT_EQ(model.GetAsHex(), "00F10A");
}

TEST_F(AsTextTest, GetAsHexOfALargeDocumentAndBack) {
    QByteArray data(2 * (1 << 20) + 333, '\0');
    for (qsizetype i = 0; i < data.size(); ++i)
        data[i] = char((i * 7 + i / 251) & 0xFF);
    Load(data);
    const QByteArray hex = model.GetAsHex();
    ASSERT_EQ(hex.size(), data.size() * 2);
    std::vector<char> expected(size_t(data.size()) * 2 + 1);
    BytesToHexText(reinterpret_cast<const uint8_t*>(data.constData()), int32_t(data.size()),
                   expected.data(), false);
    EXPECT_TRUE(hex == QByteArray(expected.data(), data.size() * 2));
    model.SetAsHex("00");
    model.SetAsHex(hex);
    EXPECT_TRUE(Data() == data);
}
