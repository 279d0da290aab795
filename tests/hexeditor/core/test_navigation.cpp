// Caret moves of the keys, on the model alone.
#include "hexeditor/core/hexnavigation.h"
#include "tests/hexeditor/core/recordingview.h"

#include <gtest/gtest.h>

using hextest::Load;

namespace {

class Navigation : public ::testing::Test {
protected:
    RecordingView view;
    THexModel m{&view};
    const THexGeometry& G() const { return m.Geometry(); }
    void LoadCount(int n) { Load(m, QByteArray(n, 'a')); }
};

TEST_F(Navigation, LeftAndRightStepThroughNibblesAcrossRows) {
    LoadCount(40);
    m.MoveCaret(G().HexCell(16, 0));
    hexnav::Left(m);
    EXPECT_EQ(m.Caret(), G().HexCell(15, 1)); // the previous row's last nibble
    hexnav::Left(m);
    EXPECT_EQ(m.Caret(), G().HexCell(15, 0));
    hexnav::Right(m);
    EXPECT_EQ(m.Caret(), G().HexCell(15, 1));
    hexnav::Right(m);
    EXPECT_EQ(m.Caret(), G().HexCell(16, 0));
    EXPECT_EQ(view.caretMoves.back(), std::make_pair(G().HexCell(16, 0).col, int32_t(1)));
}

TEST_F(Navigation, NothingBeforeTheFirstOrPastTheLastNibble) {
    LoadCount(3);
    hexnav::Left(m);
    EXPECT_EQ(m.Caret(), G().HexCell(0, 0));
    m.MoveCaret(G().HexCell(2, 1));
    hexnav::Right(m);
    EXPECT_EQ(m.Caret(), G().HexCell(2, 1));
}

TEST_F(Navigation, TheCharacterFieldStepsByBytesAndStopsAtBothEnds) {
    LoadCount(20);
    m.MoveCaret(G().PositionToCell(16, true));
    hexnav::Left(m);
    EXPECT_EQ(m.Caret(), G().PositionToCell(15, true));
    m.MoveCaret(G().PositionToCell(0, true));
    hexnav::Left(m);
    EXPECT_EQ(m.Caret(), G().PositionToCell(0, true));
    m.MoveCaret(G().PositionToCell(19, true));
    hexnav::Right(m);
    EXPECT_EQ(m.Caret(), G().PositionToCell(19, true));
}

TEST_F(Navigation, HomeAndEndStayInTheCaretsField) {
    LoadCount(40);
    m.MoveCaret(G().PositionToCell(21, true));
    hexnav::Home(m, false);
    EXPECT_EQ(m.Caret(), G().PositionToCell(16, true));
    hexnav::End(m, false);
    EXPECT_EQ(m.Caret(), G().PositionToCell(31, true));
    hexnav::End(m, true);
    EXPECT_EQ(m.Caret(), G().PositionToCell(39, true));
    hexnav::Home(m, true);
    EXPECT_EQ(m.Caret(), G().PositionToCell(0, true));
    m.MoveCaret(G().HexCell(37, 1));
    hexnav::End(m, false); // the short last row ends at the last byte
    EXPECT_EQ(m.Caret(), G().HexCell(39, 0));
    hexnav::Home(m, false);
    EXPECT_EQ(m.Caret(), G().HexCell(32, 0));
}

TEST_F(Navigation, UpAndDownKeepTheColumnWithinTheRows) {
    LoadCount(40);
    m.MoveCaret(G().HexCell(13, 1));
    hexnav::Up(m);
    EXPECT_EQ(m.Caret(), G().HexCell(13, 1));
    hexnav::Down(m);
    EXPECT_EQ(m.Caret(), G().HexCell(29, 1));
    hexnav::Down(m); // byte 45 is past the data: the last byte, in the caret's field
    EXPECT_EQ(m.Caret(), G().HexCell(39, 0));
    hexnav::Down(m);
    EXPECT_EQ(m.Caret(), G().HexCell(39, 0));
}

TEST_F(Navigation, SwitchFieldGoesToTheTwinCellAndBack) {
    LoadCount(20);
    m.MoveCaret(G().HexCell(18, 1));
    hexnav::SwitchField(m);
    EXPECT_EQ(m.Caret(), G().PositionToCell(18, true));
    hexnav::SwitchField(m);
    EXPECT_EQ(m.Caret(), G().HexCell(18, 0));
}

TEST_F(Navigation, EmptyDataKeepsTheCaretHome) {
    m.CreateEmptyFile(QStringLiteral("Bez nazwy"));
    for (auto move :
         {+[](THexModel& x) { hexnav::Right(x); }, +[](THexModel& x) { hexnav::Down(x); },
          +[](THexModel& x) { hexnav::End(x, true); },
          +[](THexModel& x) { hexnav::SwitchField(x); }}) {
        move(m);
        EXPECT_EQ(m.Caret(), THexCell{});
    }
}

TEST_F(Navigation, MovesExtendTheSelectionWhileSelectingWithShift) {
    LoadCount(40);
    m.MoveCaret(G().HexCell(3, 0));
    m.SetShiftHeld(true);
    m.SetSelecting(true);
    hexnav::Down(m);
    EXPECT_EQ(m.SelLow(), 3);
    EXPECT_EQ(m.SelHigh(), 19);
    m.SetShiftHeld(false);
    hexnav::Left(m); // neither Shift nor the button: the selection goes
    EXPECT_EQ(m.SelCount(), 0);
}

} // namespace
