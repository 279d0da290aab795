// The key map of the real widget: deleting, selecting, markers, field switch,
// navigation and what reaches the host.
#include "tests/hexeditor/widget/hexwidgettest.h"

#include <vector>

using HexKeys = HexWidgetTest;

TEST_F(HexKeys, BackspaceInOverwriteMovesOneCellLeftAndChangesNothing) {
    Load(4);
    CaretToHex(1, true);
    Key(Qt::Key_Backspace);
    EXPECT_EQ(Cell().col, 4);
    Key(Qt::Key_Backspace);
    EXPECT_EQ(Cell().col, 3);
    CaretToHex(0);
    Key(Qt::Key_Backspace);
    EXPECT_EQ(Cell().col, 2);
    EXPECT_EQ(Bytes(), QByteArray("\x00\x01\x02\x03", 4));
    EXPECT_FALSE(editor->Modified());
}

TEST_F(HexKeys, BackspaceInOverwriteDoesNotLeaveTheFirstCharacterColumn) {
    Load(4); // a short row: the separator lies past the data
    CaretToChar(0);
    Key(Qt::Key_Backspace);
    EXPECT_TRUE(editor->InCharField());
    EXPECT_EQ(editor->CaretPosition(), 0);
}

TEST_F(HexKeys, BackspaceInInsertDeletesTheByteBeforeTheCaret) {
    Load(6);
    InsertModeOn();
    CaretToHex(3);
    Key(Qt::Key_Backspace);
    EXPECT_EQ(Bytes(), QByteArray("\x00\x01\x03\x04\x05", 5));
    EXPECT_EQ(editor->CaretPosition(), 2); // still on its own byte 0x03
}

TEST_F(HexKeys, BackspaceInInsertDeletesTheSelectionAndTheByteBeforeIt) {
    Load(8);
    InsertModeOn();
    editor->SetSelStart(3);
    editor->SetSelEnd(5);
    ASSERT_EQ(editor->SelCount(), 3);
    Key(Qt::Key_Backspace);
    EXPECT_EQ(Bytes(), QByteArray("\x00\x01\x06\x07", 4));
}

TEST_F(HexKeys, BackspaceAtByteZeroInInsertDoesNothing) {
    Load(3);
    InsertModeOn();
    CaretToHex(0);
    Key(Qt::Key_Backspace);
    EXPECT_EQ(editor->DataSize(), 3);
}

TEST_F(HexKeys, CtrlDeleteInOverwriteDeletesTheSelection) {
    Load(8);
    editor->SetSelStart(2);
    editor->SetSelEnd(4);
    Key(Qt::Key_Delete, Qt::ControlModifier);
    EXPECT_EQ(Bytes(), QByteArray("\x00\x01\x05\x06\x07", 5));
}

TEST_F(HexKeys, CtrlDeleteInOverwriteDeletesTheByteUnderTheCaret) {
    Load(4);
    CaretToChar(1);
    Key(Qt::Key_Delete, Qt::ControlModifier);
    EXPECT_EQ(Bytes(), QByteArray("\x00\x02\x03", 3));
}

TEST_F(HexKeys, CtrlDeleteDoesNothingWhenTheSizeIsFixed) {
    Load(4);
    editor->SetNoSizeChange(true);
    CaretToChar(1);
    Key(Qt::Key_Delete, Qt::ControlModifier);
    EXPECT_EQ(editor->DataSize(), 4);
}

TEST_F(HexKeys, PlainDeleteOnlyDeletesInInsertMode) {
    Load(4);
    CaretToHex(1);
    Key(Qt::Key_Delete);
    EXPECT_EQ(editor->DataSize(), 4);
    InsertModeOn();
    CaretToHex(1);
    Key(Qt::Key_Delete);
    EXPECT_EQ(Bytes(), QByteArray("\x00\x02\x03", 3));
    EXPECT_EQ(editor->CaretPosition(), 1);
}

TEST_F(HexKeys, ShiftRightInTheCharacterFieldSelectsByBytes) {
    Load(32);
    CaretToChar(10);
    for (int i = 0; i < 3; ++i)
        Key(Qt::Key_Right, Qt::ShiftModifier);
    EXPECT_EQ(editor->SelLow(), 10);
    EXPECT_EQ(editor->SelHigh(), 13);
    EXPECT_EQ(editor->SelCount(), 4);
}

TEST_F(HexKeys, ShiftRightInInsertModeFirstSelectsOnlyTheCaretByte) {
    Load(32);
    InsertModeOn();
    CaretToChar(10);
    Key(Qt::Key_Right, Qt::ShiftModifier);
    EXPECT_EQ(editor->SelCount(), 1);
    EXPECT_EQ(editor->SelLow(), 10);
}

TEST_F(HexKeys, ShiftRightInTheHexFieldSelectsByNibbles) {
    Load(32);
    CaretToHex(10);
    for (int i = 0; i < 3; ++i)
        Key(Qt::Key_Right, Qt::ShiftModifier);
    EXPECT_EQ(editor->SelLow(), 10);
    EXPECT_EQ(editor->SelHigh(), 11);
}

TEST_F(HexKeys, ShiftRightInTheHexFieldInInsertMode) {
    Load(32);
    InsertModeOn();
    CaretToHex(10);
    for (int i = 0; i < 3; ++i)
        Key(Qt::Key_Right, Qt::ShiftModifier);
    // The caret stands before byte 11's second nibble: 10 and 11 minus one.
    EXPECT_EQ(editor->SelLow(), 10);
    EXPECT_EQ(editor->SelHigh(), 10);
}

TEST_F(HexKeys, AMoveWithoutShiftClearsTheSelection) {
    Load(32);
    CaretToChar(10);
    Key(Qt::Key_Right, Qt::ShiftModifier);
    ASSERT_GT(editor->SelCount(), 0);
    Key(Qt::Key_Right);
    EXPECT_EQ(editor->SelCount(), 0);
    EXPECT_FALSE(editor->Selecting());
}

TEST_F(HexKeys, MarkersSetAndJump) {
    Load(16 * 20);
    CaretToHex(7 * 16 + 3);
    Key(Qt::Key_3, Qt::ControlModifier | Qt::ShiftModifier);
    EXPECT_EQ(editor->MarkerOnRow(7), 3);
    CaretToChar(15 * 16 + 4);
    Key(Qt::Key_3, Qt::ControlModifier);
    EXPECT_EQ(Cell(), (THexCell{2, 7}));
    Key(Qt::Key_4, Qt::ControlModifier); // unset: column 2 of the caret's own row
    EXPECT_EQ(Cell(), (THexCell{2, 7}));
}

TEST_F(HexKeys, ShiftedDigitSymbolsAlsoSetMarkers) {
    Load(64);
    CaretToHex(33);
    Key(Qt::Key_NumberSign, Qt::ControlModifier | Qt::ShiftModifier);
    EXPECT_EQ(editor->MarkerOnRow(2), 3);
}

TEST_F(HexKeys, MarkerBeyondTheLastRowIsClearedAndTheCaretStays) {
    Load(64);
    editor->SetMarker(5, 100);
    CaretToChar(20);
    Key(Qt::Key_5, Qt::ControlModifier);
    EXPECT_EQ(editor->CaretPosition(), 20);
    EXPECT_TRUE(editor->InCharField());
    EXPECT_EQ(editor->MarkerOnRow(100), -1);
    EXPECT_EQ(editor->GetMarker(5), editor->Row()); // unset again
}

TEST_F(HexKeys, TabSwitchesBetweenTheTwinCells) {
    Load(16);
    CaretToHex(5, true);
    Key(Qt::Key_Tab);
    EXPECT_EQ(Cell(), editor->PositionToCell(5, true));
    Key(Qt::Key_Tab);
    EXPECT_EQ(Cell(), editor->PositionToCell(5, false));
    Key(Qt::Key_Backtab, Qt::ShiftModifier);
    EXPECT_EQ(Cell(), editor->PositionToCell(5, true));
    Key(Qt::Key_T, Qt::ControlModifier);
    EXPECT_EQ(Cell(), editor->PositionToCell(5, false));
    EXPECT_TRUE(editor->hasFocus() || !editor->isActiveWindow()); // Tab kept the focus
}

TEST_F(HexKeys, TabOnEmptyDataDoesNothing) {
    editor->CreateEmptyFile(QStringLiteral("Bez nazwy"));
    Key(Qt::Key_Tab);
    EXPECT_EQ(Cell(), (THexCell{2, 0}));
}

TEST_F(HexKeys, InsertFlipsTheModeRemovesChangedMarksAndSwitchesTheCaret) {
    Load(4);
    editor->SetAllowInsertMode(true);
    CaretToHex(0);
    QTest::keyClicks(editor.get(), "f");
    ASSERT_TRUE(editor->IsChanged(0));
    Key(Qt::Key_Insert);
    EXPECT_TRUE(editor->InsertMode());
    EXPECT_EQ(editor->CaretStyle(), csLeftLine);
    Key(Qt::Key_Insert);
    EXPECT_FALSE(editor->InsertMode());
    EXPECT_FALSE(editor->IsChanged(0));
    EXPECT_EQ(editor->CaretStyle(), csFull);
}

TEST_F(HexKeys, InsertFlipsTheToggleEvenWhenInsertingIsNotAllowed) {
    Load(4);
    Key(Qt::Key_Insert);
    EXPECT_TRUE(editor->InsertToggle());
    EXPECT_FALSE(editor->InsertMode());
    EXPECT_EQ(editor->CaretStyle(), csFull);
}

TEST_F(HexKeys, HomeEndAndTheirCtrlForms) {
    Load(40);
    CaretToChar(20);
    Key(Qt::Key_Home);
    EXPECT_EQ(editor->CaretPosition(), 16);
    Key(Qt::Key_End);
    EXPECT_EQ(editor->CaretPosition(), 31);
    Key(Qt::Key_End, Qt::ControlModifier);
    EXPECT_EQ(editor->CaretPosition(), 39);
    EXPECT_TRUE(editor->InCharField());
    Key(Qt::Key_Home, Qt::ControlModifier);
    EXPECT_EQ(Cell(), editor->PositionToCell(0, true));
}

TEST_F(HexKeys, DownIntoTheShortLastRowLandsOnTheLastByte) {
    Load(20);
    CaretToHex(10);
    Key(Qt::Key_Down);
    EXPECT_EQ(editor->CaretPosition(), 19);
    EXPECT_EQ(Cell().col, editor->Geometry().HexCell(3, 0).col); // the last byte's first cell
}

TEST_F(HexKeys, LeftAndRightWrapInTheHexFieldAndStopAtTheEnds) {
    Load(20);
    CaretToHex(16);
    Key(Qt::Key_Left);
    EXPECT_EQ(Cell(), (THexCell{33, 0}));
    Key(Qt::Key_Right);
    EXPECT_EQ(Cell(), (THexCell{2, 1}));
    CaretToHex(19, true);
    Key(Qt::Key_Right);
    EXPECT_EQ(Cell(), (THexCell{9, 1}));
    CaretToHex(0);
    Key(Qt::Key_Left);
    EXPECT_EQ(Cell(), (THexCell{2, 0}));
}

TEST_F(HexKeys, CtrlRightGoesToTheLastCharacterCell) {
    Load(40);
    CaretToHex(17);
    Key(Qt::Key_Right, Qt::ControlModifier);
    EXPECT_EQ(Cell(), (THexCell{editor->ColCount() - 1, 1}));
}

TEST_F(HexKeys, PageDownAndUpMoveCaretAndViewByAPage) {
    Load(16 * 1000);
    const int n = editor->VisibleRowCount();
    ASSERT_GT(n, 3);
    CaretToHex(16 * 2 + 1);
    Key(Qt::Key_PageDown);
    EXPECT_EQ(editor->Row(), 2 + n - 1);
    EXPECT_EQ(editor->TopRow(), n - 1);
    EXPECT_EQ(Cell().col, 4);
    Key(Qt::Key_PageUp);
    EXPECT_EQ(editor->Row(), 2);
    EXPECT_EQ(editor->TopRow(), 0);
    Key(Qt::Key_PageDown, Qt::ControlModifier);
    EXPECT_EQ(editor->Row(), n - 1);
    EXPECT_EQ(editor->TopRow(), 0);
    Key(Qt::Key_PageUp, Qt::ControlModifier);
    EXPECT_EQ(editor->Row(), 0);
}

TEST_F(HexKeys, PageDownStopsAtTheLastRow) {
    Load(16 * 30 + 3);
    const int32_t rows = editor->RowCount();
    for (int i = 0; i < 10; ++i)
        Key(Qt::Key_PageDown);
    EXPECT_EQ(editor->Row(), rows - 1);
    EXPECT_EQ(editor->TopRow(), std::max(0, rows - editor->VisibleRowCount()));
}

TEST_F(HexKeys, CtrlUpAndDownScrollWithoutMovingTheCaret) {
    Load(16 * 1000);
    CaretToHex(16 * 5);
    Key(Qt::Key_Down, Qt::ControlModifier);
    Key(Qt::Key_Down, Qt::ControlModifier);
    EXPECT_EQ(editor->TopRow(), 2);
    EXPECT_EQ(editor->Row(), 5);
    Key(Qt::Key_Up, Qt::ControlModifier);
    EXPECT_EQ(editor->TopRow(), 1);
}

TEST_F(HexKeys, UnconsumedKeysReachTheHostAndConsumedOnesDoNot) {
    Load(16);
    std::vector<int> seen;
    editor->OnKeyDown = [&](int& key, Qt::KeyboardModifiers) {
        seen.push_back(key);
        if (key == Qt::Key_A) key = 0;
    };
    CaretToHex(2, true);
    Key(Qt::Key_Right);
    Key(Qt::Key_Backspace); // reaches the host as Left, then moves left
    Key(Qt::Key_A, Qt::ControlModifier);
    Key(Qt::Key_F5);
    EXPECT_EQ(seen, (std::vector<int>{Qt::Key_Left, Qt::Key_Control, Qt::Key_A, Qt::Key_F5}));
    EXPECT_EQ(Cell().col, editor->Geometry().HexCell(2, 1).col); // Right, then the standard Left
}

TEST_F(HexKeys, HostHandledKeyTypesNothing) {
    Load(QByteArray("\x11", 1));
    editor->OnKeyDown = [](int& key, Qt::KeyboardModifiers) {
        if (key == Qt::Key_A) key = 0;
    };
    CaretToHex(0);
    QTest::keyClicks(editor.get(), "a");
    EXPECT_EQ(uint8_t(Bytes()[0]), 0x11);
}
