// Caret, selection and markers: geometry, cell acceptance, extension, Seek.
#include "hexeditor/core/displaywindow.h"
#include "tests/hexeditor/core/recordingview.h"

#include <gtest/gtest.h>

using hextest::Bytes;
using hextest::Load;

namespace {

constexpr THexGeometry kGeo(16);               // 16 bytes a line
constexpr int kSep = kGeo.SeparatorColumn();   // separator column
constexpr int kChar0 = kGeo.FirstCharColumn(); // first character column

class Caret : public ::testing::Test {
protected:
    RecordingView view;
    THexModel m{&view};
    void LoadCount(int n) { Load(m, QByteArray(n, 'a')); }
};

// ---- Geometry ----------------------------------------------------------------------

TEST_F(Caret, CellToPositionInBothFields) {
    EXPECT_EQ(m.CellToPosition(2, 0).position, 0);
    EXPECT_EQ(m.CellToPosition(3, 0).position, 0);
    EXPECT_EQ(m.CellToPosition(4, 1).position, 17);
    EXPECT_FALSE(m.CellToPosition(33, 0).charField);
    EXPECT_EQ(m.CellToPosition(33, 0).position, 15);
    EXPECT_TRUE(m.CellToPosition(kChar0 + 2, 3).charField);
    EXPECT_EQ(m.CellToPosition(kChar0 + 2, 3).position, 50);
    EXPECT_EQ(m.CellToPosition(0, 0).position, 0); // negative becomes 0
}

TEST_F(Caret, PositionToCellAndTwinColumn) {
    EXPECT_EQ(m.PositionToCell(-1, true), (THexCell{2, 0}));
    EXPECT_EQ(m.PositionToCell(17, false), (THexCell{4, 1}));
    EXPECT_EQ(m.PositionToCell(17, true), (THexCell{kChar0 + 1, 1}));
    EXPECT_EQ(m.TwinColumn(4), kChar0 + 1);
    EXPECT_EQ(m.TwinColumn(5), kChar0 + 1);
    EXPECT_EQ(m.TwinColumn(kChar0 + 1), 4);
}

TEST_F(Caret, GridShapeFollowsDataAndBytesPerLine) {
    EXPECT_EQ(m.ColCount(), 51);
    EXPECT_EQ(m.RowCount(), 1);
    LoadCount(17);
    EXPECT_EQ(m.RowCount(), 2);
    m.SetBytesPerLine(10);
    EXPECT_EQ(m.ColCount(), 33);
    EXPECT_EQ(m.SeparatorColumn(), 22);
    EXPECT_EQ(m.RowCount(), 2);
}

TEST_F(Caret, BytesPerLineOutsideOneTo256Raises) {
    for (int bad : {0, 257, -3}) {
        try {
            m.SetBytesPerLine(bad);
            FAIL() << bad;
        } catch (const EHexEditorError& e) {
            EXPECT_STREQ(e.what(), "Invalid BytesPerLine argument");
        }
    }
    EXPECT_EQ(m.BytesPerLine(), 16);
    m.SetBytesPerLine(256);
    EXPECT_EQ(m.BytesPerLine(), 256);
}

TEST_F(Caret, BytesPerLineKeepsCaretByteFieldAndSelection) {
    LoadCount(100);
    m.MoveCaret(kChar0 + 5, 2); // byte 37
    m.SetSelEnd(40);
    view.Reset();
    m.SetBytesPerLine(8);
    EXPECT_EQ(m.CaretPosition(), 37);
    EXPECT_TRUE(m.CaretInCharField());
    EXPECT_EQ(m.SelLow(), 37);
    EXPECT_EQ(m.SelHigh(), 40);
    EXPECT_EQ(view.suspends, 1);
    EXPECT_EQ(view.suspendDepth, 0);
}

// ---- Cell acceptance ------------------------------------------------------------------

TEST_F(Caret, EmptyDataAcceptsOnlyTheFirstHexCell) {
    m.CreateEmptyFile("x");
    EXPECT_TRUE(m.SelectCell(2, 0));
    EXPECT_FALSE(m.SelectCell(3, 0));
    EXPECT_FALSE(m.SelectCell(kChar0, 0));
    m.MoveCaret(kChar0, 0);
    EXPECT_EQ(m.Caret(), (THexCell{2, 0}));
}

TEST_F(Caret, FixedColumnsNeverHoldTheCaret) {
    LoadCount(10);
    m.MoveCaret(4, 0);
    m.MoveCaret(0, 0);
    m.MoveCaret(1, 0);
    EXPECT_EQ(m.Caret(), (THexCell{4, 0}));
}

TEST_F(Caret, TheSeparatorColumnIsRefused) {
    LoadCount(40);
    m.MoveCaret(4, 1);
    m.MoveCaret(kSep, 1);
    EXPECT_EQ(m.Caret(), (THexCell{4, 1}));
}

TEST_F(Caret, TheSeparatorWithTheLeftButtonLandsOnTheRowsLastByte) {
    LoadCount(40);
    m.SetLeftButtonHeld(true);
    m.MoveCaret(kSep, 1);
    EXPECT_EQ(m.Caret(), (THexCell{kSep - 1, 1}));
    EXPECT_EQ(m.CaretPosition(), 31);
}

TEST_F(Caret, ACellPastTheLastByteLandsOnTheLastByteInTheCaretsField) {
    LoadCount(20); // row 1 holds bytes 16..19
    m.MoveCaret(kChar0 + 10, 0);
    m.MoveCaret(kChar0 + 10, 1);
    EXPECT_EQ(m.CaretPosition(), 19);
    EXPECT_TRUE(m.CaretInCharField());
    m.MoveCaret(20, 0);
    m.MoveCaret(kChar0 + 12, 1); // asks for the char field, but the caret is in hex
    EXPECT_EQ(m.Caret(), (kGeo.PositionToCell(16 + 3, false)));
}

TEST_F(Caret, AMoveTellsTheViewAndRepaintsTheTwins) {
    LoadCount(20);
    view.Reset();
    m.MoveCaret(6, 0);
    ASSERT_EQ(view.caretMoves.size(), 1u);
    EXPECT_EQ(view.caretMoves[0], std::make_pair(6, int32_t(0)));
    EXPECT_TRUE(view.CellInvalidated(m.TwinColumn(6), 0));
    EXPECT_TRUE(view.CellInvalidated(m.TwinColumn(2), 0));
}

TEST_F(Caret, AMoveWithoutShiftOrButtonClearsTheSelection) {
    LoadCount(20);
    m.SetSelStart(2);
    m.SetSelEnd(5);
    m.MoveCaret(8, 0);
    EXPECT_EQ(m.SelCount(), 0);
}

TEST_F(Caret, AMoveWithShiftWhileSelectingExtends) {
    LoadCount(20);
    m.SetSelStart(2);
    m.SetShiftHeld(true);
    m.SetSelecting(true);
    m.MoveCaret(kGeo.HexCell(5, 0));
    EXPECT_EQ(m.SelLow(), 2);
    EXPECT_EQ(m.SelHigh(), 5);
    m.MoveCaret(kGeo.HexCell(7, 0));
    EXPECT_EQ(m.SelHigh(), 7);
    m.MoveCaret(2, 0);
    EXPECT_EQ(m.SelLow(), 0);
    EXPECT_EQ(m.SelHigh(), 2);
}

TEST_F(Caret, AcceptanceChecksRunAgainAfterANestedMove) {
    // The guard is one for all documents: after the nested move to the last
    // byte it must be idle again, or the next document would skip its checks.
    THexModel other;
    Load(other, QByteArray(5, 'b'));
    LoadCount(5);
    m.MoveCaret(kChar0 + 9, 0);
    other.MoveCaret(kChar0 + 9, 0);
    EXPECT_EQ(m.CaretPosition(), 4);
    EXPECT_EQ(other.CaretPosition(), 4);
}

// ---- Extension ---------------------------------------------------------------------------

TEST_F(Caret, ExtendInOverwriteModeSelectsBothEnds) {
    LoadCount(40);
    m.ExtendSelection(m.PositionToCell(10, false), m.PositionToCell(13, false));
    EXPECT_EQ(m.SelLow(), 10);
    EXPECT_EQ(m.SelHigh(), 13);
    EXPECT_EQ(m.SelCount(), 4);
}

TEST_F(Caret, ExtendInInsertModeStopsBeforeTheCaretByte) {
    LoadCount(40);
    m.SetAllowInsertMode(true);
    m.SetInsertToggle(true);
    m.ExtendSelection(m.PositionToCell(10, false), m.PositionToCell(11, false));
    EXPECT_EQ(m.SelLow(), 10);
    EXPECT_EQ(m.SelHigh(), 10);
    m.ClearSelection(false);
    m.ExtendSelection(m.PositionToCell(10, false), m.PositionToCell(7, false));
    EXPECT_EQ(m.SelLow(), 7);
    EXPECT_EQ(m.SelHigh(), 9);
}

TEST_F(Caret, InsertModeSelectionBackOnItsAnchorCountsAsNone) {
    LoadCount(40);
    m.SetAllowInsertMode(true);
    m.SetInsertToggle(true);
    m.MoveCaret(m.PositionToCell(10, false).col, 0);
    m.ExtendSelection(m.PositionToCell(10, false), m.PositionToCell(12, false));
    ASSERT_EQ(m.SelCount(), 2);
    m.ExtendSelection(m.PositionToCell(12, false), m.PositionToCell(10, false));
    EXPECT_EQ(m.SelHigh(), 9); // one below its lower end
    EXPECT_EQ(m.SelCount(), 0);
    EXPECT_FALSE(m.IsSelected(9));
    EXPECT_FALSE(m.IsSelected(10));
    EXPECT_EQ(m.SelStart(), m.CaretPosition());
    // Acting on it acts on the caret, not on a phantom range.
    const uint8_t b[] = {'X'};
    m.ReplaceSelection(b, 1);
    EXPECT_EQ(m.DataSize(), 41);
    EXPECT_EQ(m.ReadByte(10), 'X');
}

TEST_F(Caret, ExtensionRepaintsTheRowsItTouchesAndPosts) {
    LoadCount(100);
    hextest::DiscardPosted();
    view.Reset();
    m.ExtendSelection(m.PositionToCell(5, false), m.PositionToCell(40, false));
    ASSERT_FALSE(view.rows.empty());
    EXPECT_EQ(view.rows[0], std::make_pair(int32_t(0), int32_t(2)));
    EXPECT_EQ(hextest::DeliverPosted(m), 1);
}

// ---- SelStart / SelEnd ----------------------------------------------------------------------

TEST_F(Caret, SelStartFiveSelEndTwo) {
    LoadCount(10);
    m.SetSelStart(5);
    m.SetSelEnd(2);
    EXPECT_EQ(m.SelLow(), 2);
    EXPECT_EQ(m.SelHigh(), 5);
    EXPECT_EQ(m.SelStart(), 5);
    EXPECT_EQ(m.SelEnd(), 2);
    EXPECT_EQ(m.SelCount(), 4);
    EXPECT_EQ(m.CaretPosition(), 5);
}

TEST_F(Caret, SelEndReadsBackWhatWasWrittenAlsoInInsertMode) {
    LoadCount(10);
    m.SetAllowInsertMode(true);
    m.SetInsertToggle(true);
    m.SetSelStart(0);
    m.SetSelEnd(9);
    EXPECT_EQ(m.SelEnd(), 9);
    EXPECT_EQ(m.SelCount(), 10);
}

TEST_F(Caret, WithoutSelectionSelStartAndSelEndAreTheCaret) {
    LoadCount(10);
    m.MoveCaret(kChar0 + 3, 0);
    EXPECT_EQ(m.SelStart(), 3);
    EXPECT_EQ(m.SelEnd(), 3);
    EXPECT_EQ(m.SelCount(), 0);
}

TEST_F(Caret, SelStartKeepsTheCaretsField) {
    LoadCount(40);
    m.MoveCaret(kChar0, 0);
    m.SetSelStart(20);
    EXPECT_EQ(m.Caret(), (THexCell{kChar0 + 4, 1}));
}

TEST_F(Caret, SelStartAndSelEndOutsideTheDataRaise) {
    LoadCount(3);
    try {
        m.SetSelStart(3);
        FAIL();
    } catch (const EHexEditorError& e) {
        EXPECT_STREQ(e.what(), "Invalid SelStart");
    }
    try {
        m.SetSelEnd(-1);
        FAIL();
    } catch (const EHexEditorError& e) {
        EXPECT_STREQ(e.what(), "Invalid SelEnd");
    }
    m.CreateEmptyFile("x");
    EXPECT_THROW(m.SetSelStart(0), EHexEditorError);
    EXPECT_THROW(m.SetSelEnd(0), EHexEditorError);
}

// ---- Seek --------------------------------------------------------------------------------------

TEST_F(Caret, SeekClampsUnlessStrict) {
    LoadCount(10);
    m.SetSelStart(4);
    EXPECT_TRUE(m.Seek(-5, 0, false));
    EXPECT_EQ(m.CaretPosition(), 0);
    m.SetSelStart(4);
    EXPECT_FALSE(m.Seek(-5, 0, true));
    EXPECT_EQ(m.CaretPosition(), 4);
    EXPECT_TRUE(m.Seek(0, 2, true));
    EXPECT_EQ(m.CaretPosition(), 9);
    EXPECT_FALSE(m.Seek(1, 2, true));
    EXPECT_TRUE(m.Seek(100, 0, false));
    EXPECT_EQ(m.CaretPosition(), 9);
}

TEST_F(Caret, SeekRelativeAndUnknownOrigin) {
    LoadCount(10);
    m.SetSelStart(4);
    EXPECT_TRUE(m.Seek(3, 1, true));
    EXPECT_EQ(m.CaretPosition(), 7);
    EXPECT_TRUE(m.Seek(3, 9, true));
    EXPECT_EQ(m.CaretPosition(), 7);
}

TEST_F(Caret, SeekOnEmptyDataAnswersFalse) {
    m.CreateEmptyFile("x");
    EXPECT_FALSE(m.Seek(0, 0, false));
}

// ---- Markers
// -------------------------------------------------------------------------------------

TEST_F(Caret, MarkerOnRowGivesTheLowestIndex) {
    m.SetMarker(3, 7);
    m.SetMarker(1, 7);
    EXPECT_EQ(m.MarkerOnRow(7), 1);
    EXPECT_EQ(m.MarkerOnRow(8), -1);
    EXPECT_EQ(m.MarkerOnRow(-1), -1);
}

TEST_F(Caret, AnUnsetMarkerIsTheCaretRow) {
    LoadCount(100);
    m.MoveCaret(2, 3);
    EXPECT_EQ(m.GetMarker(4), 3);
    m.SetMarker(4, 5);
    EXPECT_EQ(m.GetMarker(4), 5);
}

TEST_F(Caret, SetMarkerAboveNineRaisesAndChangesNothing) {
    try {
        m.SetMarker(10, 1);
        FAIL();
    } catch (const EHexEditorError& e) {
        EXPECT_STREQ(e.what(), "SetMarker : Invalid marker index");
    }
    EXPECT_EQ(m.MarkerOnRow(1), -1);
}

TEST_F(Caret, SetMarkerRepaintsOnlyOnChange) {
    view.Reset();
    m.SetMarker(2, 4);
    EXPECT_EQ(view.all, 1);
    m.SetMarker(2, 4);
    EXPECT_EQ(view.all, 1);
}

TEST_F(Caret, MarkersSurviveLoadingAnotherDocument) {
    m.SetMarker(0, 2);
    LoadCount(10);
    EXPECT_EQ(m.MarkerOnRow(2), 0);
}

// ---- Notification
// ---------------------------------------------------------------------------------

TEST_F(Caret, ClearSelectionPostsEvenWithNothingSelected) {
    LoadCount(4);
    hextest::DiscardPosted();
    m.ClearSelection(true);
    EXPECT_EQ(hextest::DeliverPosted(m), 1);
}

TEST_F(Caret, TwoChangesBeforeTheLoopRunsGiveTwoCalls) {
    LoadCount(4);
    hextest::DiscardPosted();
    int calls = 0;
    m.OnStateChanged = [&] { ++calls; };
    m.ClearSelection(false);
    m.ClearSelection(false);
    EXPECT_EQ(calls, 0); // never from inside the operation
    QCoreApplication::sendPostedEvents();
    EXPECT_EQ(calls, 2);
}

TEST_F(Caret, PostsToADestroyedDocumentAreDropped) {
    int calls = 0;
    {
        THexModel gone;
        gone.OnStateChanged = [&] { ++calls; };
        gone.PostStateChanged();
    }
    QCoreApplication::sendPostedEvents();
    EXPECT_EQ(calls, 0);
}

// ---- Derived values -----------------------------------------------------------------------------

TEST_F(Caret, CurrentPositionAndInCharField) {
    m.CreateEmptyFile("x");
    EXPECT_EQ(m.CurrentPosition(), 0);
    EXPECT_FALSE(m.InCharField());
    LoadCount(3);
    m.MoveCaret(kChar0 + 2, 0);
    EXPECT_TRUE(m.InCharField());
    EXPECT_EQ(m.CurrentPosition(), 2);
}

// ---- Display window
// ------------------------------------------------------------------------------

TEST_F(Caret, DisplayWindowCentresAroundTheRowAndReloadsOnlyWhenNeeded) {
    QByteArray data(200000, '\0');
    for (int i = 0; i < data.size(); ++i)
        data[i] = char(i % 251);
    Load(m, data);
    THexDisplayWindow window;
    window.Load(m, 100000);
    EXPECT_EQ(window.Start(m), 100000 - 32768);
    window.Load(m, 100000 + 16);
    EXPECT_EQ(window.Start(m), 100000 - 32768);
    EXPECT_EQ(window.Byte(m, 120000), uint8_t(120000 % 251));
    window.Load(m, 0);
    EXPECT_EQ(window.Start(m), 0);
    window.Load(m, 199990);
    EXPECT_EQ(window.Byte(m, 199999), uint8_t(199999 % 251));
    window.Drop();
    EXPECT_EQ(window.Start(m), -1);
}

TEST_F(Caret, SizeChangesDropTheDisplayWindow) {
    LoadCount(100);
    THexDisplayWindow window;
    window.Load(m, 0);
    const uint8_t b[] = {1};
    m.AppendBuffer(b, 1);
    EXPECT_EQ(window.Start(m), -1);
}

} // namespace
