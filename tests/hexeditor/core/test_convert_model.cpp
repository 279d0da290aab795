// Converting a range of the document between character sets: the bytes, the
// refusals, undo and the marks.
#include "hexeditor/core/charsets.h"
#include "hexeditor/core/displaywindow.h"
#include "tests/hexeditor/core/test_find_support.h"

#include <vector>

using textmodel::Bytes;

namespace {

class ConvertTest : public textmodel::DocumentTest {
protected:
    QByteArray AllBytes() {
        QByteArray all(256, '\0');
        for (int i = 0; i < 256; ++i)
            all[i] = char(i);
        return all;
    }
    void ConvertAll(int source, int target) {
        model.Convert(0, model.DataSize() - 1, source, target);
    }
};

} // namespace

TEST_F(ConvertTest, HelloToEbcdicAndBack) {
    Load("HELLO");
    ConvertAll(ttAnsi, ttEBCDIC);
    EXPECT_EQ(Data(), Bytes({0xC8, 0xC5, 0xD3, 0xD3, 0xD6}));
    ConvertAll(ttEBCDIC, ttAnsi);
    EXPECT_EQ(Data(), "HELLO");
}

TEST_F(ConvertTest, EbcdicWithoutCounterpartGivesZero) {
    Load(Bytes({'[', 0x51}));
    model.Convert(0, 0, ttAnsi, ttEBCDIC);
    model.Convert(1, 1, ttEBCDIC, ttAnsi);
    EXPECT_EQ(Data(), Bytes({0x00, 0x26}));
}

TEST_F(ConvertTest, MacAndBackGivesEveryByteUnchanged) {
    Load(AllBytes());
    ConvertAll(ttMac, ttAnsi);
    const QByteArray ansi = Data();
    EXPECT_EQ(ansi.left(0x80), AllBytes().left(0x80));
    EXPECT_NE(ansi, AllBytes());
    ConvertAll(ttAnsi, ttMac);
    EXPECT_EQ(Data(), AllBytes());
}

TEST_F(ConvertTest, OemToAsciiKeepsTheEighthBit) {
    Load(Bytes({0xA5, 0x86, 0xE4, 0x41}));
    ConvertAll(ttDos8, ttASCII);
    EXPECT_EQ(Data(), Bytes({0xA5, 0x86, 0xE4, 0x41}));
}

TEST_F(ConvertTest, PolishLettersBetweenAnsiAndOem) {
    const QByteArray ansi(
        "\xB9\xE6\xEA\xB3\xF1\xF3\x9C\x9F\xBF\xA5\xC6\xCA\xA3\xD1\xD3\x8C\x8F\xAF");
    Load(ansi);
    ConvertAll(ttAnsi, ttDos8);
    EXPECT_EQ(
        Data(),
        QByteArray("\xA5\x86\xA9\x88\xE4\xA2\x98\xAB\xBE\xA4\x8F\xA8\x9D\xE3\xE0\x97\x8D\xBD"));
    ConvertAll(ttDos8, ttAnsi);
    EXPECT_EQ(Data(), ansi);
}

TEST_F(ConvertTest, OnlyTheRangeChanges) {
    Load("HELLO");
    model.Convert(1, 3, ttAnsi, ttEBCDIC);
    EXPECT_EQ(Data(), Bytes({'H', 0xC5, 0xD3, 0xD3, 'O'}));
}

TEST_F(ConvertTest, UnknownSetConvertsNothing) {
    Load("HELLO");
    ConvertAll(ttAnsi, 5);
    EXPECT_EQ(Data(), "HELLO");
}

TEST_F(ConvertTest, RefusedRangesAndEqualSetsDoNothing) {
    Load("HELLO");
    model.Convert(3, 2, ttAnsi, ttEBCDIC);
    model.Convert(0, 4, ttEBCDIC, ttEBCDIC);
    model.Convert(0, 5, ttAnsi, ttEBCDIC);
    model.Convert(-1, 3, ttAnsi, ttEBCDIC);
    EXPECT_EQ(Data(), "HELLO");
    EXPECT_EQ(model.UndoCount(), 0);
    EXPECT_FALSE(model.Modified());
    EXPECT_EQ(view.busyBegins, 0);
}

TEST_F(ConvertTest, EmptyDocumentIsNotConverted) {
    model.Convert(0, 0, ttAnsi, ttEBCDIC);
    EXPECT_EQ(model.DataSize(), 0);
    EXPECT_EQ(model.UndoCount(), 0);
}

TEST_F(ConvertTest, IsOneUndoableEdit) {
    Load("HELLO");
    ConvertAll(ttAnsi, ttEBCDIC);
    EXPECT_TRUE(model.Modified());
    EXPECT_TRUE(model.CanUndo());
    EXPECT_EQ(model.UndoCount(), 1);
    EXPECT_EQ(model.UndoDescription(), "Convert");
    const QByteArray journal = model.UndoJournalBytes();
    ASSERT_EQ(journal.size(), 5 + 37);
    EXPECT_EQ(uint8_t(journal[0]), ukConvert);
    EXPECT_EQ(journal.mid(33, 5), "HELLO"); // the bytes before the conversion
}

TEST_F(ConvertTest, UndoRestoresTheOldBytesExactly) {
    Load(AllBytes());
    ConvertAll(ttAnsi, ttEBCDIC); // many bytes become 0x00: not reversible by converting back
    model.Undo();
    EXPECT_EQ(Data(), AllBytes());
    EXPECT_FALSE(model.Modified());
    EXPECT_FALSE(model.CanUndo());
}

TEST_F(ConvertTest, MarksAreNotTouched) {
    Load("HELLO");
    model.ChangeByte(1, 'E', 'e');
    ASSERT_TRUE(model.IsChanged(1));
    ConvertAll(ttAnsi, ttEBCDIC);
    for (int32_t p = 0; p < 5; ++p)
        EXPECT_EQ(model.IsChanged(p), p == 1) << p;
    model.Undo();
    EXPECT_EQ(Data(), "HeLLO");
}

TEST_F(ConvertTest, AllowedUnderNoSizeChange) {
    Load("HELLO");
    model.SetNoSizeChange(true);
    ConvertAll(ttAnsi, ttEBCDIC);
    EXPECT_EQ(Data(), Bytes({0xC8, 0xC5, 0xD3, 0xD3, 0xD6}));
    EXPECT_EQ(model.DataSize(), 5);
}

TEST_F(ConvertTest, BusyCursorAndRepaint) {
    Load("HELLO");
    ConvertAll(ttAnsi, ttEBCDIC);
    ExpectBusyPaired(1);
    EXPECT_GE(view.repaints, 1);
}

TEST_F(ConvertTest, ShowsTheConvertedBytes) {
    Load("HELLO");
    THexDisplayWindow window;
    window.Load(model, 0);
    ASSERT_EQ(window.Byte(model, 0), 'H');
    ConvertAll(ttAnsi, ttEBCDIC);
    window.Load(model, 0);
    EXPECT_EQ(window.Byte(model, 0), 0xC8);
}

TEST_F(ConvertTest, LargeRangeMatchesConvertingInMemoryAndUndoes) {
    QByteArray original(3 * (1 << 20) + 777, '\0');
    for (qsizetype i = 0; i < original.size(); ++i)
        original[i] = char((i * 131 + i / 7) & 0xFF);
    Load(original);
    const int32_t start = 100, end = model.DataSize() - 100;
    model.Convert(start, end, ttAnsi, ttEBCDIC);
    QByteArray expected = original;
    auto* p = reinterpret_cast<uint8_t*>(expected.data()) + start;
    TranslateFromAnsi(ttEBCDIC, p, p, end - start + 1);
    EXPECT_TRUE(Data() == expected);
    model.Undo();
    EXPECT_TRUE(Data() == original);
}
