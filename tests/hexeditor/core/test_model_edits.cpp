// Edits of the hex document: bytes, size, changed marks, selection and the
// NoSizeChange rule.
#include "hexeditor/core/displaywindow.h"
#include "tests/hexeditor/core/recordingview.h"

#include <gtest/gtest.h>

using hextest::Bytes;
using hextest::Data;
using hextest::Load;

namespace {

class ModelEdits : public ::testing::Test {
protected:
    RecordingView view;
    THexModel m{&view};
};

TEST_F(ModelEdits, ChangeByteWritesMarksAndRepaintsTheBytesCells) {
    Load(m, Bytes({1, 2, 3, 4}));
    view.Reset();
    m.ChangeByte(1, 2, 0xAA);
    EXPECT_EQ(Data(m), Bytes({1, 0xAA, 3, 4}));
    EXPECT_TRUE(m.IsChanged(1));
    EXPECT_FALSE(m.IsChanged(0));
    EXPECT_TRUE(m.Modified());
    EXPECT_TRUE(view.CellInvalidated(4, 0));
    EXPECT_TRUE(view.CellInvalidated(5, 0));
    EXPECT_TRUE(view.CellInvalidated(m.Geometry().PositionToCell(1, true).col, 0));
}

TEST_F(ModelEdits, ChangeByteWithEqualValuesDoesNothing) {
    Load(m, Bytes({1, 2}));
    m.ChangeByte(0, 7, 7);
    EXPECT_FALSE(m.Modified());
    EXPECT_EQ(m.UndoCount(), 0);
}

TEST_F(ModelEdits, ChangeByteUpdatesTheDisplayWindow) {
    Load(m, QByteArray(100000, 'a'));
    THexDisplayWindow window;
    window.Load(m, 70000);
    ASSERT_NE(window.Start(m), -1);
    m.ChangeByte(70001, 'a', 'z');
    EXPECT_EQ(window.Byte(m, 70001), 'z');
}

TEST_F(ModelEdits, ChangeByteSetsNoMarkInInsertMode) {
    Load(m, Bytes({1, 2}));
    m.SetAllowInsertMode(true);
    m.SetInsertToggle(true);
    m.ChangeByte(0, 1, 9);
    m.SetInsertToggle(false);
    EXPECT_FALSE(m.IsChanged(0));
}

TEST_F(ModelEdits, InsertModeHidesMarksAndSetChangedForgetsThemAll) {
    Load(m, Bytes({1, 2, 3}));
    m.ChangeByte(0, 1, 9);
    m.SetAllowInsertMode(true);
    m.SetInsertToggle(true);
    EXPECT_FALSE(m.IsChanged(0));
    m.SetChanged(2, true);
    m.SetInsertToggle(false);
    EXPECT_FALSE(m.IsChanged(0));
    EXPECT_TRUE(m.IsChanged(2));
}

TEST_F(ModelEdits, InsertBufferAtTheCaretSelectsTheNewBytes) {
    Load(m, Bytes({1, 2, 3}));
    m.MoveCaret(4, 0); // byte 1
    const uint8_t b[] = {7, 8};
    m.InsertBuffer(b, 2, 1);
    EXPECT_EQ(Data(m), Bytes({1, 7, 8, 2, 3}));
    EXPECT_EQ(m.SelLow(), 1);
    EXPECT_EQ(m.SelHigh(), 2);
    EXPECT_EQ(m.SelAnchor(), 1);
    EXPECT_EQ(m.RowCount(), 1);
}

TEST_F(ModelEdits, InsertBufferElsewhereSelectsNothingAndForgetsMarksFromThere) {
    Load(m, Bytes({1, 2, 3, 4}));
    m.ChangeByte(0, 1, 5);
    m.ChangeByte(3, 4, 5);
    const uint8_t b[] = {9};
    m.InsertBuffer(b, 1, 2);
    EXPECT_EQ(Data(m), Bytes({5, 2, 9, 3, 5}));
    EXPECT_EQ(m.SelCount(), 0);
    EXPECT_TRUE(m.IsChanged(0));
    EXPECT_FALSE(m.IsChanged(4));
}

TEST_F(ModelEdits, InsertBufferOutsideTheDataIsRefusedSilently) {
    Load(m, Bytes({1}));
    const uint8_t b[] = {9};
    m.InsertBuffer(b, 1, 5);
    m.InsertBuffer(b, 0, 0);
    EXPECT_EQ(Data(m), Bytes({1}));
    EXPECT_EQ(m.UndoCount(), 0);
}

TEST_F(ModelEdits, AppendBufferMovesTheCaretToTheFirstNewByteInItsFieldAndSelects) {
    Load(m, Bytes({1, 2, 3}));
    m.MoveCaret(m.Geometry().PositionToCell(0, true)); // character field, byte 0
    const uint8_t b[] = {4, 5};
    m.AppendBuffer(b, 2);
    EXPECT_EQ(Data(m), Bytes({1, 2, 3, 4, 5}));
    EXPECT_EQ(m.CaretPosition(), 3);
    EXPECT_TRUE(m.CaretInCharField());
    EXPECT_EQ(m.SelLow(), 3);
    EXPECT_EQ(m.SelHigh(), 4);
}

TEST_F(ModelEdits, EmptyDataTakesInsertAndAppendButNotChangeOrDelete) {
    m.CreateEmptyFile("Bez nazwy");
    m.ChangeByte(0, 0, 1);
    m.DeleteSelection();
    EXPECT_EQ(m.DataSize(), 0);
    EXPECT_EQ(m.UndoCount(), 0);
    const uint8_t b[] = {1, 2};
    m.InsertBuffer(b, 2, 0);
    EXPECT_EQ(Data(m), Bytes({1, 2}));
    m.CreateEmptyFile("Bez nazwy");
    m.AppendBuffer(b, 2);
    EXPECT_EQ(Data(m), Bytes({1, 2}));
}

TEST_F(ModelEdits, DeleteSelectionRemovesTheSelectedBytes) {
    Load(m, Bytes({0, 1, 2, 3, 4, 5}));
    m.SetSelStart(1);
    m.SetSelEnd(3);
    m.DeleteSelection();
    EXPECT_EQ(Data(m), Bytes({0, 4, 5}));
    EXPECT_EQ(m.CaretPosition(), 1);
    EXPECT_EQ(m.SelCount(), 0);
}

TEST_F(ModelEdits, DeleteSelectionWithoutSelectionRemovesTheCaretByte) {
    Load(m, Bytes({0, 1, 2}));
    m.SetSelStart(1);
    m.DeleteSelection();
    EXPECT_EQ(Data(m), Bytes({0, 2}));
}

TEST_F(ModelEdits, DeletingTheLastByteMovesTheCaretToTheNewLastByte) {
    Load(m, Bytes({0, 1, 2}));
    m.MoveCaret(m.Geometry().PositionToCell(2, true)); // character cell of byte 2
    m.DeleteSelection();
    EXPECT_EQ(m.CaretPosition(), 1);
    EXPECT_TRUE(m.CaretInCharField());
}

TEST_F(ModelEdits, DeletingAllBytesLeavesTheCaretOnTheFirstHexCell) {
    Load(m, Bytes({0, 1, 2}));
    m.MoveCaret(m.Geometry().PositionToCell(2, true));
    m.SetSelEnd(0);
    m.DeleteSelection();
    EXPECT_EQ(m.DataSize(), 0);
    EXPECT_EQ(m.Caret(), (THexCell{2, 0}));
    EXPECT_EQ(m.RowCount(), 1);
}

TEST_F(ModelEdits, DeleteSelectionForgetsMarksFromTheStartEvenWhenRefused) {
    Load(m, Bytes({0, 1, 2, 3}));
    m.ChangeByte(3, 3, 9);
    m.SetNoSizeChange(true);
    m.SetSelStart(2);
    m.DeleteSelection();
    EXPECT_EQ(m.DataSize(), 4);
    EXPECT_FALSE(m.IsChanged(3));
}

TEST_F(ModelEdits, DeleteRangeMovesTheTailAndPlacesTheCaret) {
    Load(m, QByteArray("abcdefghijklmnopqrstuvwxyz"));
    m.DeleteRange(2, 20,
                  m.Geometry().PositionToCell(16 + 5, false)); // byte 21 would be past the new end
    EXPECT_EQ(Data(m), QByteArray("abuvwxyz"));
    EXPECT_EQ(m.CaretPosition(), 7);
}

TEST_F(ModelEdits, ReplaceSelectionWritesTheNewBytesAndSelectsThem) {
    Load(m, Bytes({0, 1, 2, 3, 4, 5}));
    m.SetSelStart(1);
    m.SetSelEnd(4);
    const uint8_t b[] = {9, 9};
    m.ReplaceSelection(b, 2);
    EXPECT_EQ(Data(m), Bytes({0, 9, 9, 5}));
    EXPECT_EQ(m.SelLow(), 1);
    EXPECT_EQ(m.SelHigh(), 2);
    EXPECT_EQ(m.SelAnchor(), 1);
}

TEST_F(ModelEdits, ReplaceSelectionLongerThanTheSelectionGrowsTheData) {
    Load(m, Bytes({0, 1, 2}));
    m.SetSelStart(1);
    m.SetSelEnd(1);
    const uint8_t b[] = {7, 8, 9};
    m.ReplaceSelection(b, 3);
    EXPECT_EQ(Data(m), Bytes({0, 7, 8, 9, 2}));
}

TEST_F(ModelEdits, ReplaceSelectionWithTheCaretAtTheUpperEndDoesNotSelect) {
    Load(m, Bytes({0, 1, 2, 3}));
    m.SetSelStart(3);
    m.SetSelEnd(1); // caret stays on byte 3
    const uint8_t b[] = {7};
    m.ReplaceSelection(b, 1);
    EXPECT_EQ(Data(m), Bytes({0, 7}));
    EXPECT_EQ(m.SelCount(), 0);
    EXPECT_EQ(m.CaretPosition(), 0); // deleting up to the end leaves the byte before
}

TEST_F(ModelEdits, ReplaceSelectionWithNothingSelectedInsertsAtTheCaret) {
    Load(m, Bytes({0, 1}));
    m.SetSelStart(1);
    const uint8_t b[] = {5};
    m.ReplaceSelection(b, 1);
    EXPECT_EQ(Data(m), Bytes({0, 5, 1}));
    EXPECT_EQ(m.UndoDescription(), "Insert buffer");
}

TEST_F(ModelEdits, ReplaceSelectionWithAnEmptyBufferDeletesTheSelection) {
    Load(m, Bytes({0, 1, 2}));
    m.SetSelStart(0);
    m.SetSelEnd(2);
    m.ReplaceSelection(nullptr, 0);
    EXPECT_EQ(m.DataSize(), 0);
}

// ---- NoSizeChange ------------------------------------------------------------------------

class NoSizeChangeRule : public ModelEdits {
protected:
    void SetUp() override {
        Load(m, Bytes({0, 1, 2, 3, 4, 5, 6, 7}));
        m.SetNoSizeChange(true);
    }
};

TEST_F(NoSizeChangeRule, RefusesDeleteInsertAppendAndNibbleInsertion) {
    const uint8_t b[] = {9};
    m.SetSelStart(2);
    m.DeleteSelection();
    m.DeleteAtCaret(true);
    m.DeleteAtCaret(false);
    m.InsertBuffer(b, 1, 0);
    m.AppendBuffer(b, 1);
    EXPECT_FALSE(m.InsertNibble(0, true));
    m.ReplaceSelection(b, 1); // nothing selected: an insertion
    EXPECT_EQ(Data(m), Bytes({0, 1, 2, 3, 4, 5, 6, 7}));
    EXPECT_EQ(m.UndoCount(), 0);
    EXPECT_FALSE(m.Modified());
}

TEST_F(NoSizeChangeRule, AllowsTypingOver) {
    m.ChangeByte(0, 0, 0x55);
    EXPECT_EQ(m.ReadByte(0), 0x55);
}

TEST_F(NoSizeChangeRule, PastingTenBytesOverFourWritesOnlyTheFirstFour) {
    m.SetSelStart(2);
    m.SetSelEnd(5);
    const uint8_t b[] = {0xA0, 0xA1, 0xA2, 0xA3, 0xA4, 0xA5, 0xA6, 0xA7, 0xA8, 0xA9};
    m.ReplaceSelection(b, 10);
    EXPECT_EQ(Data(m), Bytes({0, 1, 0xA0, 0xA1, 0xA2, 0xA3, 6, 7}));
}

TEST_F(NoSizeChangeRule, PastingTwoBytesOverFourReplacesOnlyTheFirstTwo) {
    m.SetSelStart(2);
    m.SetSelEnd(5);
    const uint8_t b[] = {0xB0, 0xB1};
    m.ReplaceSelection(b, 2);
    EXPECT_EQ(Data(m), Bytes({0, 1, 0xB0, 0xB1, 4, 5, 6, 7}));
    EXPECT_EQ(m.CaretPosition(), 2);
}

TEST_F(NoSizeChangeRule, TurningItOnTakesInsertPermissionAwayForGood) {
    m.SetNoSizeChange(false);
    m.SetAllowInsertMode(true);
    EXPECT_TRUE(m.AllowInsertMode());
    m.SetNoSizeChange(true);
    EXPECT_FALSE(m.AllowInsertMode());
    m.SetAllowInsertMode(true);
    EXPECT_FALSE(m.AllowInsertMode());
    m.SetNoSizeChange(false);
    EXPECT_FALSE(m.AllowInsertMode());
}

TEST_F(ModelEdits, InsertModeNeedsToggleAndPermissionAndSizeChanges) {
    m.SetInsertToggle(true);
    EXPECT_FALSE(m.InsertMode());
    m.SetAllowInsertMode(true);
    EXPECT_TRUE(m.InsertMode());
    m.SetInsertToggle(false);
    EXPECT_FALSE(m.InsertMode());
}

// ---- Nibbles ------------------------------------------------------------------------------

TEST_F(ModelEdits, InsertNibbleHighPutsTheZeroBeforeTheHighNibble) {
    Load(m, Bytes({0x12, 0x34}));
    EXPECT_TRUE(m.InsertNibble(0, true));
    EXPECT_EQ(Data(m), Bytes({0x01, 0x23, 0x40}));
}

TEST_F(ModelEdits, InsertNibbleLowPutsTheZeroBetweenTheNibbles) {
    Load(m, Bytes({0x12, 0x34}));
    EXPECT_TRUE(m.InsertNibble(0, false));
    EXPECT_EQ(Data(m), Bytes({0x10, 0x23, 0x40}));
}

TEST_F(ModelEdits, InsertNibbleInTheMiddleLeavesTheBytesBefore) {
    Load(m, Bytes({0xAB, 0x12, 0x34}));
    EXPECT_TRUE(m.InsertNibble(1, true));
    EXPECT_EQ(Data(m), Bytes({0xAB, 0x01, 0x23, 0x40}));
}

TEST_F(ModelEdits, InsertNibbleOnEmptyDataAppendsAZeroByte) {
    m.CreateEmptyFile("x");
    EXPECT_TRUE(m.InsertNibble(0, true));
    EXPECT_EQ(Data(m), Bytes({0}));
    EXPECT_EQ(m.UndoDescription(), "Append buffer");
}

TEST_F(ModelEdits, InsertNibbleOutsideTheDataAnswersFalse) {
    Load(m, Bytes({1}));
    EXPECT_FALSE(m.InsertNibble(1, true));
    EXPECT_FALSE(m.InsertNibble(-1, true));
    EXPECT_EQ(m.UndoCount(), 0);
}

TEST_F(ModelEdits, InsertNibbleShowsTheBusyCursorAndPairsIt) {
    Load(m, Bytes({1, 2}));
    view.Reset();
    m.InsertNibble(0, true);
    EXPECT_GE(view.busyBegins, 1);
    EXPECT_EQ(view.busyBegins, view.busyEnds);
}

// ---- DeleteAtCaret ------------------------------------------------------------------------

TEST_F(ModelEdits, DeleteAtCaretBackwardRemovesTheByteBeforeAndSeeksThere) {
    Load(m, Bytes({0, 1, 2, 3}));
    m.SetSelStart(2);
    m.DeleteAtCaret(true);
    EXPECT_EQ(Data(m), Bytes({0, 2, 3}));
    EXPECT_EQ(m.CaretPosition(), 1);
}

TEST_F(ModelEdits, DeleteAtCaretBackwardAtByteZeroDoesNothing) {
    Load(m, Bytes({0, 1}));
    m.DeleteAtCaret(true);
    EXPECT_EQ(m.DataSize(), 2);
    EXPECT_EQ(m.UndoCount(), 0);
}

TEST_F(ModelEdits, DeleteAtCaretForwardKeepsTheCaretCell) {
    Load(m, Bytes({0, 1, 2}));
    m.MoveCaret(5, 0); // second nibble of byte 1
    m.DeleteAtCaret(false);
    EXPECT_EQ(Data(m), Bytes({0, 2}));
    EXPECT_EQ(m.Caret(), (THexCell{5, 0}));
    m.DeleteAtCaret(false);
    EXPECT_EQ(Data(m), Bytes({0}));
    EXPECT_EQ(m.CaretPosition(), 0);
}

// ---- BufferFromFile and raw access -------------------------------------------------------

TEST_F(ModelEdits, BufferFromFileIsCutAtTheEnd) {
    Load(m, QByteArray("0123456789"));
    int32_t count = 10;
    const QByteArray got = m.BufferFromFile(m.DataSize() - 2, count);
    EXPECT_EQ(count, 2);
    EXPECT_EQ(got, QByteArray("89"));
}

TEST_F(ModelEdits, BufferFromFileAtTheEndRaises) {
    Load(m, QByteArray("0123456789"));
    int32_t count = 1;
    try {
        m.BufferFromFile(m.DataSize(), count);
        FAIL() << "no exception";
    } catch (const EHexEditorError& e) {
        EXPECT_STREQ(e.what(), "Invalid BufferFromFile argument");
    }
    EXPECT_THROW(m.BufferFromFile(-1, count), EHexEditorError);
}

TEST_F(ModelEdits, ReadBlockPastTheEndFillsZeros) {
    Load(m, Bytes({7, 8}));
    uint8_t out[4] = {1, 1, 1, 1};
    m.ReadBlock(out, 1, 4);
    EXPECT_EQ(out[0], 8);
    EXPECT_EQ(out[1], 0);
    EXPECT_EQ(m.ReadByte(5), 0);
}

TEST_F(ModelEdits, WriteBlockNeitherJournalsNorMarks) {
    Load(m, Bytes({7, 8}));
    m.WriteByte(0, 1);
    EXPECT_EQ(m.ReadByte(0), 1);
    EXPECT_EQ(m.UndoCount(), 0);
    EXPECT_FALSE(m.IsChanged(0));
    EXPECT_FALSE(m.Modified());
}

// ---- CanChange ------------------------------------------------------------------------------

TEST_F(ModelEdits, CanChangePostsAlsoWhenItRefuses) {
    m.CreateEmptyFile("x");
    hextest::DiscardPosted();
    EXPECT_FALSE(m.CanChange(ukByteChanged, 0, 1, 0));
    EXPECT_EQ(hextest::DeliverPosted(m), 1);
    EXPECT_TRUE(m.CanChange(ukInsertBuffer, 0, 1, 0));
    EXPECT_EQ(hextest::DeliverPosted(m), 1);
    EXPECT_TRUE(m.Modified());
    EXPECT_TRUE(m.CanUndo());
}

TEST_F(ModelEdits, CanChangeRefusesUnknownKinds) {
    Load(m, Bytes({1}));
    EXPECT_FALSE(m.CanChange(8, 0, 1, 0));
    EXPECT_EQ(m.UndoCount(), 0);
}

TEST_F(ModelEdits, NoSizeChangeRefusesAReplacementOfAnotherLength) {
    Load(m, Bytes({1, 2, 3}));
    m.SetNoSizeChange(true);
    EXPECT_FALSE(m.CanChange(ukReplaceSelection, 0, 2, 3));
    EXPECT_TRUE(m.CanChange(ukReplaceSelection, 0, 3, 3));
    EXPECT_TRUE(m.CanChange(ukConvert, 0, 3, 0));
}

TEST_F(ModelEdits, LargeEditsShowTheBusyCursorAndPairIt) {
    Load(m, QByteArray(20 << 20, 'q'));
    view.Reset();
    const uint8_t b[] = {1};
    m.InsertBuffer(b, 1, 0);
    EXPECT_GE(view.busyBegins, 1);
    EXPECT_EQ(view.busyBegins, view.busyEnds);
    m.Undo();
    EXPECT_EQ(view.busyDepth, 0);
    EXPECT_EQ(m.DataSize(), 20 << 20);
}

} // namespace
