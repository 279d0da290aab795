// Hex digits and characters typed into the real widget, in both modes.
#include "tests/hexeditor/widget/hexwidgettest.h"

using HexTyping = HexWidgetTest;

TEST_F(HexTyping, OverwriteDigitsReplaceHighThenLowNibble) {
    Load(QByteArray("\x10\x3C\x20", 3));
    CaretToHex(1);
    QTest::keyClicks(editor.get(), "a");
    EXPECT_EQ(uint8_t(Bytes()[1]), 0xAC);
    EXPECT_EQ(Cell().col, 5); // second cell of byte 1
    QTest::keyClicks(editor.get(), "5");
    EXPECT_EQ(uint8_t(Bytes()[1]), 0xA5);
    EXPECT_EQ(editor->CaretPosition(), 2);
    EXPECT_EQ(Cell().col, 6); // first cell of byte 2
    EXPECT_TRUE(editor->IsChanged(1));
    EXPECT_FALSE(editor->IsChanged(2));
}

TEST_F(HexTyping, SwappedNibblesPutTheLowNibbleInTheFirstCell) {
    Load(QByteArray("\x3C", 1));
    editor->SetSwapNibbles(true);
    CaretToHex(0);
    QTest::keyClicks(editor.get(), "a");
    EXPECT_EQ(uint8_t(Bytes()[0]), 0x3A);
    QTest::keyClicks(editor.get(), "F");
    EXPECT_EQ(uint8_t(Bytes()[0]), 0xFA);
}

TEST_F(HexTyping, NonDigitsAreIgnoredInTheHexField) {
    Load(QByteArray("\x3C", 1));
    CaretToHex(0);
    QTest::keyClicks(editor.get(), "g z");
    EXPECT_EQ(uint8_t(Bytes()[0]), 0x3C);
    EXPECT_EQ(Cell().col, 2);
    EXPECT_FALSE(editor->Modified());
}

TEST_F(HexTyping, CtrlWithADigitLetterTypesNothing) {
    Load(QByteArray("\x3C", 1));
    CaretToHex(0);
    Key(Qt::Key_B, Qt::ControlModifier);
    EXPECT_EQ(uint8_t(Bytes()[0]), 0x3C);
}

TEST_F(HexTyping, InsertModeDigitOnFirstCellInsertsANewByte) {
    Load(QByteArray("\x11\x22", 2));
    InsertModeOn();
    CaretToHex(1);
    QTest::keyClicks(editor.get(), "7");
    EXPECT_EQ(Bytes(), QByteArray("\x11\x70\x22", 3));
    EXPECT_EQ(editor->CaretPosition(), 1);
    EXPECT_EQ(Cell().col, 5); // its second cell
    EXPECT_EQ(editor->SelCount(), 0);
    QTest::keyClicks(editor.get(), "1");
    EXPECT_EQ(Bytes(), QByteArray("\x11\x71\x22", 3));
    EXPECT_EQ(editor->CaretPosition(), 2);
}

TEST_F(HexTyping, InsertModeSecondNibbleOfTheLastByteAppendsASelectedZero) {
    Load(QByteArray("\x12", 1));
    InsertModeOn();
    CaretToHex(0, true);
    QTest::keyClicks(editor.get(), "4");
    EXPECT_EQ(Bytes(), QByteArray("\x14\x00", 2));
    EXPECT_EQ(editor->CaretPosition(), 1);
    EXPECT_EQ(editor->SelCount(), 1);
    EXPECT_EQ(editor->SelLow(), 1);
    QTest::keyClicks(editor.get(), "9"); // replaces the selected byte
    EXPECT_EQ(Bytes(), QByteArray("\x14\x90", 2));
}

TEST_F(HexTyping, InsertModeOnEmptyDataAppends) {
    editor->CreateEmptyFile(QStringLiteral("Bez nazwy"));
    InsertModeOn();
    QTest::keyClicks(editor.get(), "f");
    EXPECT_EQ(Bytes(), QByteArray("\xF0", 1));
}

TEST_F(HexTyping, OverwriteModeOnEmptyDataTypesNothing) {
    editor->CreateEmptyFile(QStringLiteral("Bez nazwy"));
    QTest::keyClicks(editor.get(), "f");
    EXPECT_EQ(editor->DataSize(), 0);
    EXPECT_EQ(Cell(), (THexCell{2, 0}));
}

TEST_F(HexTyping, InsertModeDigitReplacesASelection) {
    Load(6);
    InsertModeOn();
    CaretToHex(1);
    editor->SetSelEnd(3);
    QTest::keyClicks(editor.get(), "c");
    EXPECT_EQ(Bytes(), QByteArray("\x00\xC0\x04\x05", 4));
}

TEST_F(HexTyping, CharactersAreStoredAsWindows1250Bytes) {
    Load(QByteArray(4, 'x'));
    CaretToChar(0);
    Type(QStringLiteral("Aą€"));
    EXPECT_EQ(Bytes(), QByteArray("A\xB9\x80x"));
    EXPECT_EQ(editor->CaretPosition(), 3);
    EXPECT_TRUE(editor->InCharField());
}

TEST_F(HexTyping, CharacterOutsideTheCodePageIsRefused) {
    Load(QByteArray(2, 'x'));
    CaretToChar(0);
    Type(QStringLiteral("я"));
    EXPECT_EQ(Bytes(), QByteArray("xx"));
    EXPECT_EQ(editor->CaretPosition(), 0);
}

TEST_F(HexTyping, ControlCharactersAreRefusedWithoutAnAltRelease) {
    Load(QByteArray(2, 'x'));
    CaretToChar(0);
    QKeyEvent ctrlA(QEvent::KeyPress, Qt::Key_A, Qt::ControlModifier, QStringLiteral("\x01"));
    QApplication::sendEvent(editor.get(), &ctrlA);
    EXPECT_EQ(Bytes(), QByteArray("xx"));
}

TEST_F(HexTyping, AfterAnAltReleaseACharacterIsStoredAsItsOemCode) {
    Load(QByteArray(3, 'x'));
    CaretToChar(0);
    ReleaseAlt();
    EXPECT_TRUE(editor->AltReleased());
    QKeyEvent aogonek(QEvent::KeyPress, 0, Qt::NoModifier, QStringLiteral("ą"));
    QApplication::sendEvent(editor.get(), &aogonek);
    EXPECT_EQ(uint8_t(Bytes()[0]), 0xA5); // code page 852
    EXPECT_FALSE(editor->AltReleased());
    ReleaseAlt();
    QKeyEvent ctrlA(QEvent::KeyPress, Qt::Key_A, Qt::ControlModifier, QStringLiteral("\x01"));
    QApplication::sendEvent(editor.get(), &ctrlA);
    EXPECT_EQ(uint8_t(Bytes()[1]), 0x01); // even below 32
}

TEST_F(HexTyping, ReleasingAnotherKeyForgetsTheAltRelease) {
    Load(QByteArray(2, 'x'));
    ReleaseAlt();
    Key(Qt::Key_Shift);
    EXPECT_FALSE(editor->AltReleased());
}

TEST_F(HexTyping, InsertModeCharactersInsertBeforeTheCaret) {
    Load(QByteArray("ab"));
    InsertModeOn();
    CaretToChar(1);
    QTest::keyClicks(editor.get(), "XY");
    EXPECT_EQ(Bytes(), QByteArray("aXYb"));
    EXPECT_EQ(editor->CaretPosition(), 3);
}

TEST_F(HexTyping, RefusedEditStillMovesTheCaret) {
    Load(QByteArray("\x3C\x00", 2));
    CaretToHex(0);
    QTest::keyClicks(editor.get(), "3"); // the same nibble: no change
    EXPECT_FALSE(editor->Modified());
    EXPECT_EQ(Cell().col, 3);
}
