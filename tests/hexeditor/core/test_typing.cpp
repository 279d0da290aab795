// Typed hex digits and characters, on the model alone.
#include "hexeditor/core/hextyping.h"
#include "tests/hexeditor/core/recordingview.h"

#include <gtest/gtest.h>

using hextest::Data;
using hextest::Load;

namespace {

class Typing : public ::testing::Test {
protected:
    RecordingView view;
    THexModel m{&view};
    bool alt = false;
    const THexGeometry& G() const { return m.Geometry(); }
    bool Type(char32_t c) { return hextype::TypeCharacter(m, c, alt); }
    void InsertModeOn() {
        m.SetAllowInsertMode(true);
        m.SetInsertToggle(true);
        ASSERT_TRUE(m.InsertMode());
    }
};

TEST_F(Typing, OverwriteDigitsFillHighThenLowNibbleAndMoveOn) {
    Load(m, QByteArray("\x10\x3C\x20", 3));
    m.MoveCaret(G().HexCell(1, 0));
    EXPECT_TRUE(Type(U'a'));
    EXPECT_EQ(Data(m), QByteArray("\x10\xAC\x20", 3));
    EXPECT_EQ(m.Caret(), G().HexCell(1, 1));
    EXPECT_TRUE(Type(U'5'));
    EXPECT_EQ(Data(m), QByteArray("\x10\xA5\x20", 3));
    EXPECT_EQ(m.Caret(), G().HexCell(2, 0));
    EXPECT_TRUE(m.IsChanged(1));
    EXPECT_TRUE(view.CellInvalidated(G().HexCell(1, 1).col, 0));
}

TEST_F(Typing, SwappedNibblesFillTheLowNibbleFirst) {
    Load(m, QByteArray("\x3C", 1));
    m.SetSwapNibbles(true);
    Type(U'a');
    EXPECT_EQ(uint8_t(Data(m)[0]), 0x3A);
    Type(U'F');
    EXPECT_EQ(uint8_t(Data(m)[0]), 0xFA);
}

TEST_F(Typing, OnlyHexDigitsAreTakenInTheHexField) {
    Load(m, QByteArray("\x3C", 1));
    for (char32_t c : {U'g', U' ', U'x', U'\u0105', char32_t(0x1F600)})
        EXPECT_FALSE(Type(c));
    EXPECT_EQ(Data(m), QByteArray("\x3C", 1));
    EXPECT_EQ(m.Caret(), G().HexCell(0, 0));
    EXPECT_FALSE(m.Modified());
}

TEST_F(Typing, InsertModeDigitsMakeNewBytes) {
    Load(m, QByteArray("\x11\x22", 2));
    InsertModeOn();
    m.MoveCaret(G().HexCell(1, 0));
    Type(U'7');
    EXPECT_EQ(Data(m), QByteArray("\x11\x70\x22", 3));
    EXPECT_EQ(m.Caret(), G().HexCell(1, 1));
    Type(U'1');
    EXPECT_EQ(Data(m), QByteArray("\x11\x71\x22", 3));
    EXPECT_EQ(m.CaretPosition(), 2);
}

TEST_F(Typing, InsertModeOnEmptyDataAppendsAndOverwriteTypesNothing) {
    m.CreateEmptyFile(QStringLiteral("Bez nazwy"));
    EXPECT_FALSE(Type(U'f'));
    EXPECT_EQ(m.DataSize(), 0);
    InsertModeOn();
    EXPECT_TRUE(Type(U'f'));
    EXPECT_EQ(Data(m), QByteArray("\xF0", 1));
}

TEST_F(Typing, CharactersAreWindows1250BytesAndOthersAreRefused) {
    Load(m, QByteArray(4, 'x'));
    m.MoveCaret(G().PositionToCell(0, true));
    EXPECT_TRUE(Type(U'A'));
    EXPECT_TRUE(Type(U'\u0105'));  // ą
    EXPECT_FALSE(Type(U'\u044F')); // я has no byte
    EXPECT_FALSE(Type(U'\x01'));   // a control character without an Alt release
    EXPECT_EQ(Data(m), QByteArray("A\xB9xx"));
    EXPECT_EQ(m.Caret(), G().PositionToCell(2, true));
}

TEST_F(Typing, AfterAnAltReleaseACharacterIsItsOemCode) {
    Load(m, QByteArray(2, 'x'));
    m.MoveCaret(G().PositionToCell(0, true));
    alt = true;
    EXPECT_TRUE(Type(U'\u0105'));
    EXPECT_EQ(uint8_t(Data(m)[0]), 0xA5);
    EXPECT_FALSE(alt); // taken: the flag is spent
}

} // namespace
