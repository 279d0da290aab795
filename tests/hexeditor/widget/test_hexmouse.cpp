// Mouse selection, double-click, the auto-scroll step and the wheel on the real widget.
#include "tests/hexeditor/widget/hexwidgettest.h"

#include <QWheelEvent>

using HexMouse = HexWidgetTest;

TEST_F(HexMouse, DragFromByteTwoToNineInTheCharacterFieldSelectsThem) {
    Load(32);
    QWidget* vp = editor->viewport();
    QTest::mousePress(vp, Qt::LeftButton, {}, CharCentre(2));
    EXPECT_EQ(editor->CaretPosition(), 2);
    EXPECT_TRUE(editor->InCharField());
    EXPECT_TRUE(editor->Selecting());
    for (int p = 3; p <= 9; ++p)
        QTest::mouseMove(vp, CharCentre(p));
    QTest::mouseRelease(vp, Qt::LeftButton, {}, CharCentre(9));
    EXPECT_EQ(editor->SelLow(), 2);
    EXPECT_EQ(editor->SelHigh(), 9);
    EXPECT_EQ(editor->CaretPosition(), 9);
    EXPECT_TRUE(editor->Selecting()); // until the next ClearSelection
}

TEST_F(HexMouse, DraggingBackSelectsFromTheAnchorDown) {
    Load(32);
    QWidget* vp = editor->viewport();
    QTest::mousePress(vp, Qt::LeftButton, {}, CharCentre(9));
    QTest::mouseMove(vp, CharCentre(4));
    QTest::mouseRelease(vp, Qt::LeftButton, {}, CharCentre(4));
    EXPECT_EQ(editor->SelLow(), 4);
    EXPECT_EQ(editor->SelHigh(), 9);
}

TEST_F(HexMouse, APressClearsAnEarlierSelection) {
    Load(32);
    editor->SetSelStart(3);
    editor->SetSelEnd(8);
    QTest::mouseClick(editor->viewport(), Qt::LeftButton, Qt::ShiftModifier, CharCentre(20));
    EXPECT_EQ(editor->SelCount(), 0);
    EXPECT_EQ(editor->CaretPosition(), 20);
}

TEST_F(HexMouse, DoubleClickSelectsNothingAndRaisesTheEvent) {
    Load(32);
    int doubleClicks = 0;
    editor->OnDblClick = [&] { ++doubleClicks; };
    QTest::mouseClick(editor->viewport(), Qt::LeftButton, {}, CharCentre(5));
    QTest::mouseDClick(editor->viewport(), Qt::LeftButton, {}, CharCentre(5));
    EXPECT_EQ(editor->SelCount(), 0);
    EXPECT_FALSE(editor->Selecting());
    EXPECT_EQ(doubleClicks, 1);
    EXPECT_EQ(editor->CaretPosition(), 5); // from the first press of the pair
}

TEST_F(HexMouse, PressOnTheSeparatorLandsOnTheRowsLastByte) {
    Load(64);
    const int sep = editor->SeparatorColumn();
    QTest::mouseClick(editor->viewport(), Qt::LeftButton, {}, CellCentre(sep, 1));
    EXPECT_EQ(editor->Caret(), (THexCell{sep - 1, 1}));
}

TEST_F(HexMouse, PressOnTheOffsetColumnKeepsTheCaretButStartsSelecting) {
    Load(64);
    CaretToChar(20);
    editor->SetSelEnd(25);
    QTest::mousePress(editor->viewport(), Qt::LeftButton, {}, CellCentre(0, 3));
    EXPECT_EQ(editor->CaretPosition(), 20);
    EXPECT_EQ(editor->SelCount(), 0);
    EXPECT_TRUE(editor->Selecting());
    QTest::mouseRelease(editor->viewport(), Qt::LeftButton, {}, CellCentre(0, 3));
}

TEST_F(HexMouse, RightPressTouchesNeitherCaretNorSelection) {
    Load(64);
    CaretToChar(20);
    editor->SetSelEnd(25);
    QTest::mouseClick(editor->viewport(), Qt::RightButton, {}, CharCentre(40));
    EXPECT_EQ(editor->CaretPosition(), 20);
    EXPECT_EQ(editor->SelCount(), 6);
}

TEST_F(HexMouse, PressPastTheLastByteLandsOnTheLastByte) {
    Load(20);
    QTest::mouseClick(editor->viewport(), Qt::LeftButton, {}, CellCentre(20, 1));
    EXPECT_EQ(editor->CaretPosition(), 19);
}

TEST_F(HexMouse, PointerBelowTheViewScrollsOneRowATickAndExtends) {
    Load(16 * 1000);
    QWidget* vp = editor->viewport();
    QTest::mousePress(vp, Qt::LeftButton, {}, CharCentre(16 * 2));
    const QPoint below(CharCentre(0).x(), vp->height() + 30);
    QTest::mouseMove(vp, below);
    const int n = editor->VisibleRowCount();
    // The timer's steps, taken at once.
    QTest::qWait(3 * 60 + 100);
    const int32_t top = editor->TopRow();
    EXPECT_GE(top, 3);
    EXPECT_EQ(editor->Row(), top + n - 1);
    EXPECT_EQ(editor->SelLow(), 32);
    EXPECT_EQ(editor->SelHigh(), editor->CaretPosition());
    QTest::mouseRelease(vp, Qt::LeftButton, {}, below);
    const int32_t stopped = editor->TopRow();
    QTest::qWait(200);
    EXPECT_EQ(editor->TopRow(), stopped); // the release ended the scrolling
}

TEST_F(HexMouse, WheelScrollsThreeRowsANotchAndLeavesTheCaret) {
    Load(16 * 1000);
    CaretToHex(16);
    const QPoint at = CellCentre(4, 2);
    QWheelEvent down(at, editor->viewport()->mapToGlobal(at), QPoint(), QPoint(0, -120),
                     Qt::NoButton, Qt::NoModifier, Qt::NoScrollPhase, false);
    QApplication::sendEvent(editor->viewport(), &down);
    EXPECT_EQ(editor->TopRow(), 3);
    EXPECT_EQ(editor->Row(), 1);
    QWheelEvent up(at, editor->viewport()->mapToGlobal(at), QPoint(), QPoint(0, 240), Qt::NoButton,
                   Qt::NoModifier, Qt::NoScrollPhase, false);
    QApplication::sendEvent(editor->viewport(), &up);
    EXPECT_EQ(editor->TopRow(), 0);
}
