// The undo journal: record layout, the 100-record limit, and each kind's revert.
#include "hexeditor/core/workfile.h"
#include "tests/hexeditor/core/recordingview.h"

#include <gtest/gtest.h>

using hextest::Bytes;
using hextest::Data;
using hextest::Load;

namespace {

void PutLE(QByteArray& out, int32_t v) {
    for (int i = 0; i < 4; ++i)
        out.append(char((uint32_t(v) >> (8 * i)) & 0xFF));
}

struct Expected {
    int kind, mark, modified;
    int32_t caret;
    int nibble, inChar;
    int32_t selLow, selHigh, selAnchor, position, count, oldCount;
    QByteArray tail; // from offset 33 on
};

QByteArray Record(const Expected& e) {
    QByteArray r;
    r.append(char(e.kind));
    r.append(char(e.mark));
    r.append(char(e.modified));
    PutLE(r, e.caret);
    r.append(char(e.nibble));
    r.append(char(e.inChar));
    for (int32_t v : {e.selLow, e.selHigh, e.selAnchor, e.position, e.count, e.oldCount})
        PutLE(r, v);
    r += e.tail;
    PutLE(r, int32_t(r.size() + 4));
    return r;
}

class UndoJournal : public ::testing::Test {
protected:
    RecordingView view;
    THexModel m{&view};
};

// ---- Record layout -------------------------------------------------------------------

TEST_F(UndoJournal, ByteChangedRecordHoldsTheOldByteAndCaretNibble) {
    Load(m, Bytes({1, 2, 3, 4}));
    m.MoveCaret(5, 0); // second nibble of byte 1
    m.ChangeByte(1, 2, 0xAA);
    const QByteArray expected = Record({0, 0, 0, 1, 1, 0, -1, -1, -1, 1, 1, 0, Bytes({2})});
    ASSERT_EQ(expected.size(), 38);
    EXPECT_EQ(m.UndoJournalBytes().toHex(), expected.toHex());
}

TEST_F(UndoJournal, ByteChangedRecordKeepsTheOldMarkAndModified) {
    Load(m, Bytes({1, 2}));
    m.ChangeByte(0, 1, 5);
    m.ChangeByte(0, 5, 6);
    const QByteArray second = m.UndoJournalBytes().mid(38);
    EXPECT_EQ(second.toHex(), Record({0, 1, 1, 0, 0, 0, -1, -1, -1, 0, 1, 0, Bytes({5})}).toHex());
}

TEST_F(UndoJournal, BytesRemovedRecordHoldsTheRemovedBytesAndSelection) {
    Load(m, Bytes({0, 1, 2, 3, 4}));
    m.SetSelStart(1);
    m.SetSelEnd(2);
    m.DeleteSelection();
    const QByteArray expected = Record({1, 0, 0, 1, 0, 0, 1, 2, 1, 1, 2, 0, Bytes({1, 2})});
    ASSERT_EQ(expected.size(), 2 + 37);
    EXPECT_EQ(m.UndoJournalBytes().toHex(), expected.toHex());
}

TEST_F(UndoJournal, InsertBufferRecordIsThirtyEightBytesFromTheCharField) {
    Load(m, Bytes({0, 1}));
    m.MoveCaret(m.Geometry().PositionToCell(1, true));
    const uint8_t b[] = {7, 7, 7};
    m.InsertBuffer(b, 3, 0);
    EXPECT_EQ(m.UndoJournalBytes().toHex(),
              Record({2, 0, 0, 1, 0, 1, -1, -1, -1, 0, 3, 0, Bytes({0})}).toHex());
}

TEST_F(UndoJournal, ReplaceSelectionRecordHoldsTheOldBytes) {
    Load(m, Bytes({0, 1, 2, 3}));
    m.SetSelStart(2);
    m.SetSelEnd(1);
    const uint8_t b[] = {9, 9, 9};
    m.ReplaceSelection(b, 3);
    EXPECT_EQ(m.UndoJournalBytes().toHex(),
              Record({3, 0, 0, 2, 0, 0, 1, 2, 2, 1, 3, 2, Bytes({1, 2})}).toHex());
}

TEST_F(UndoJournal, TrailersWalkTheJournalBackwards) {
    Load(m, Bytes({0, 1, 2, 3}));
    m.ChangeByte(0, 0, 1);
    m.SetSelStart(1);
    m.SetSelEnd(2);
    m.DeleteSelection();
    const QByteArray j = m.UndoJournalBytes();
    ASSERT_EQ(j.size(), 38 + 39);
    auto trailerAt = [&](int end) {
        int32_t v = 0;
        for (int i = 0; i < 4; ++i)
            v |= int32_t(uint8_t(j[end - 4 + i])) << (8 * i);
        return v;
    };
    EXPECT_EQ(trailerAt(j.size()), 39);
    EXPECT_EQ(trailerAt(j.size() - 39), 38);
    EXPECT_EQ(j[j.size() - 39], char(1));
}

// ---- Limit ---------------------------------------------------------------------------

TEST_F(UndoJournal, TheHundredAndFirstEditDropsTheFirstRecord) {
    Load(m, QByteArray(101, '\0'));
    for (int i = 0; i < 101; ++i)
        m.ChangeByte(i, 0, 0xFF);
    EXPECT_EQ(m.UndoCount(), 100);
    const QByteArray j = m.UndoJournalBytes();
    ASSERT_EQ(j.size(), 100 * 38);
    EXPECT_EQ(uint8_t(j[21]), 1); // the oldest kept record is the second edit
    for (int i = 0; i < 100; ++i)
        m.Undo();
    EXPECT_FALSE(m.CanUndo());
    EXPECT_EQ(m.ReadByte(0), 0xFF);
    EXPECT_EQ(m.ReadByte(1), 0);
    EXPECT_TRUE(m.Modified());
    EXPECT_TRUE(m.IsChanged(0));
    EXPECT_FALSE(m.IsChanged(1));
}

TEST_F(UndoJournal, DroppingASpilledRecordFreesItsScratchBytes) {
    Load(m, QByteArray(300 * 1024, 'x'));
    m.SetSelStart(0);
    m.SetSelEnd(200 * 1024 - 1);
    m.DeleteSelection();
    EXPECT_EQ(m.UndoSpilledBytes(), 200 * 1024);
    for (int i = 0; i < 100; ++i)
        m.ChangeByte(i, 'x', 'y');
    EXPECT_EQ(m.UndoCount(), 100);
    EXPECT_EQ(m.UndoSpilledBytes(), 0);
}

// ---- Labels and notification --------------------------------------------------------------

TEST_F(UndoJournal, DescriptionNamesTheNewestRemainingKind) {
    Load(m, Bytes({0x12, 0x34}));
    EXPECT_EQ(m.UndoDescription(), "No Undo");
    m.InsertNibble(0, true);
    m.ChangeByte(1, m.ReadByte(1), 0);
    EXPECT_EQ(m.UndoDescription(), "Byte changed");
    m.Undo();
    EXPECT_EQ(m.UndoDescription(), "Insert nibble");
    m.Undo();
    EXPECT_EQ(m.UndoDescription(), "No Undo");
    EXPECT_FALSE(m.CanUndo());
}

TEST_F(UndoJournal, UndoWithNothingToUndoNotifiesAtOnce) {
    int calls = 0;
    m.OnStateChanged = [&] { ++calls; };
    m.Undo();
    EXPECT_EQ(calls, 1);
    EXPECT_EQ(m.UndoDescription(), "No Undo");
}

TEST_F(UndoJournal, UndoWithRecordsLeftPostsInsteadOfCalling) {
    Load(m, Bytes({1, 2}));
    m.ChangeByte(0, 1, 3);
    m.ChangeByte(1, 2, 3);
    hextest::DiscardPosted();
    int calls = 0;
    m.OnStateChanged = [&] { ++calls; };
    m.Undo();
    EXPECT_EQ(calls, 0);
    QCoreApplication::sendPostedEvents();
    EXPECT_GE(calls, 1);
}

TEST_F(UndoJournal, LoadingEmptiesTheJournal) {
    Load(m, Bytes({1, 2}));
    m.ChangeByte(0, 1, 3);
    Load(m, Bytes({4}));
    EXPECT_FALSE(m.CanUndo());
    EXPECT_EQ(m.UndoCount(), 0);
    EXPECT_TRUE(m.UndoJournalBytes().isEmpty());
}

// ---- Reverting each kind -------------------------------------------------------------------

TEST_F(UndoJournal, UndoByteChangedRestoresByteMarkCaretNibbleSelectionAndModified) {
    Load(m, Bytes({1, 2, 3}));
    m.MoveCaret(5, 0);
    m.ChangeByte(1, 2, 0xEE);
    m.MoveCaret(2, 0);
    m.Undo();
    EXPECT_EQ(Data(m), Bytes({1, 2, 3}));
    EXPECT_FALSE(m.IsChanged(1));
    EXPECT_EQ(m.Caret(), (THexCell{5, 0}));
    EXPECT_EQ(m.SelCount(), 0);
    EXPECT_FALSE(m.Modified());
}

TEST_F(UndoJournal, UndoByteChangedKeepsAnEarlierMark) {
    Load(m, Bytes({1, 2, 3}));
    m.ChangeByte(1, 2, 5);
    m.ChangeByte(1, 5, 6);
    m.Undo();
    EXPECT_EQ(m.ReadByte(1), 5);
    EXPECT_TRUE(m.IsChanged(1));
    EXPECT_TRUE(m.Modified());
}

TEST_F(UndoJournal, UndoBytesRemovedPutsThemBackWithTheSelection) {
    Load(m, Bytes({0, 1, 2, 3, 4}));
    m.MoveCaret(m.Geometry().PositionToCell(3, true));
    m.SetSelEnd(1);
    m.DeleteSelection();
    ASSERT_EQ(Data(m), Bytes({0, 4}));
    m.Undo();
    EXPECT_EQ(Data(m), Bytes({0, 1, 2, 3, 4}));
    EXPECT_EQ(m.CaretPosition(), 3);
    EXPECT_TRUE(m.CaretInCharField());
    EXPECT_EQ(m.SelLow(), 1);
    EXPECT_EQ(m.SelHigh(), 3);
    EXPECT_EQ(m.SelAnchor(), 3);
    EXPECT_FALSE(m.Modified());
}

TEST_F(UndoJournal, UndoBytesRemovedFromScratchFileRestoresEveryByte) {
    QByteArray data(1 << 20, '\0');
    for (int i = 0; i < data.size(); ++i)
        data[i] = char((i * 7 + i / 251) & 0xFF);
    Load(m, data);
    m.SetSelStart(1000);
    m.SetSelEnd(900 * 1024);
    m.DeleteSelection();
    EXPECT_GT(m.UndoSpilledBytes(), 0);
    EXPECT_EQ(m.UndoJournalBytes().size(), 900 * 1024 - 1000 + 1 + 37);
    EXPECT_EQ(m.UndoJournalBytes().mid(33, 16), data.mid(1000, 16));
    m.Undo();
    EXPECT_EQ(Data(m), data);
    EXPECT_EQ(m.UndoSpilledBytes(), 0);
}

TEST_F(UndoJournal, UndoInsertBufferRemovesTheBytes) {
    Load(m, Bytes({0, 1, 2}));
    m.ChangeByte(2, 2, 9);
    m.MoveCaret(4, 0);
    const uint8_t b[] = {7, 7};
    m.InsertBuffer(b, 2, 1);
    m.Undo();
    EXPECT_EQ(Data(m), Bytes({0, 1, 9}));
    EXPECT_EQ(m.Caret(), (THexCell{4, 0}));
    EXPECT_EQ(m.SelCount(), 0);
    EXPECT_TRUE(m.Modified());
    EXPECT_FALSE(m.IsChanged(2)); // marks from the insertion point are gone
}

TEST_F(UndoJournal, UndoReplaceSelectionRestoresOldBytesSizeAndSelection) {
    Load(m, Bytes({0, 1, 2, 3, 4, 5}));
    for (int i = 0; i < 6; ++i)
        m.ChangeByte(i, uint8_t(i), uint8_t(i + 10));
    m.SetSelStart(3);
    m.SetSelEnd(4);
    const uint8_t b[] = {1, 1, 1};
    m.ReplaceSelection(b, 3);
    ASSERT_EQ(m.DataSize(), 7);
    m.Undo();
    EXPECT_EQ(Data(m), Bytes({10, 11, 12, 13, 14, 15}));
    EXPECT_EQ(m.SelLow(), 3);
    EXPECT_EQ(m.SelHigh(), 4);
    EXPECT_EQ(m.SelAnchor(), 3);
    EXPECT_TRUE(m.IsChanged(1));
    EXPECT_FALSE(m.IsChanged(2)); // from one byte before the paste on
    EXPECT_TRUE(m.Modified());
}

TEST_F(UndoJournal, UndoReplaceSelectionWithShorterTextRestoresTheTail) {
    Load(m, QByteArray("abcdefgh"));
    m.SetSelStart(1);
    m.SetSelEnd(5);
    const uint8_t b[] = {'Z'};
    m.ReplaceSelection(b, 1);
    ASSERT_EQ(Data(m), QByteArray("aZgh"));
    m.Undo();
    EXPECT_EQ(Data(m), QByteArray("abcdefgh"));
    EXPECT_FALSE(m.Modified());
}

TEST_F(UndoJournal, UndoAppendShrinksToTheOldSizeAndPutsTheCaretBack) {
    Load(m, Bytes({0, 1, 2}));
    m.MoveCaret(3, 0);
    const uint8_t b[] = {5, 6};
    m.AppendBuffer(b, 2);
    m.Undo();
    EXPECT_EQ(Data(m), Bytes({0, 1, 2}));
    EXPECT_EQ(m.Caret(), (THexCell{3, 0}));
    EXPECT_EQ(m.SelCount(), 0);
    EXPECT_FALSE(m.Modified());
}

TEST_F(UndoJournal, UndoAppendOnEmptyDataEmptiesIt) {
    m.CreateEmptyFile("x");
    const uint8_t b[] = {5};
    m.AppendBuffer(b, 1);
    m.Undo();
    EXPECT_EQ(m.DataSize(), 0);
    EXPECT_EQ(m.Caret(), (THexCell{2, 0}));
}

TEST_F(UndoJournal, UndoInsertNibbleRestoresBytesAndSize) {
    Load(m, Bytes({0x12, 0x34, 0x56}));
    m.MoveCaret(5, 0);
    ASSERT_TRUE(m.InsertNibble(1, false));
    ASSERT_EQ(Data(m), Bytes({0x12, 0x30, 0x45, 0x60}));
    m.Undo();
    EXPECT_EQ(Data(m), Bytes({0x12, 0x34, 0x56}));
    EXPECT_EQ(m.Caret(), (THexCell{5, 0}));
    EXPECT_FALSE(m.Modified());
}

TEST_F(UndoJournal, UndoInsertNibbleAcrossBlockEdges) {
    QByteArray data(10000, '\0');
    for (int i = 0; i < data.size(); ++i)
        data[i] = char(i * 13);
    Load(m, data);
    const int64_t oldBlock = TWorkFile::BlockSize();
    TWorkFile::SetBlockSize(97);
    ASSERT_TRUE(m.InsertNibble(5, true));
    EXPECT_EQ(uint8_t(m.ReadByte(5)), uint8_t(data[5]) >> 4);
    EXPECT_EQ(uint8_t(m.ReadByte(m.DataSize() - 1)), uint8_t(uint8_t(data[9999]) << 4));
    m.Undo();
    TWorkFile::SetBlockSize(oldBlock);
    EXPECT_EQ(Data(m), data);
}

TEST_F(UndoJournal, UndoDeleteNibbleReinsertsTheNibble) {
    Load(m, Bytes({0x12, 0x34}));
    ASSERT_TRUE(m.CanChange(ukDeleteNibble, 0, 0, 0));
    const uint8_t shifted[] = {0x23, 0x40}; // the high nibble of byte 0 removed
    m.WriteBlock(shifted, 0, 2);
    m.Undo();
    EXPECT_EQ(Data(m), Bytes({0x12, 0x34}));
    EXPECT_FALSE(m.Modified());
}

TEST_F(UndoJournal, UndoConvertWritesTheSavedBytesBack) {
    Load(m, QByteArray("HELLO"));
    m.ChangeByte(4, 'O', 'o');
    m.SetSelStart(1);
    m.SetSelEnd(3);
    ASSERT_TRUE(m.CanChange(ukConvert, 1, 3, 0));
    m.WriteBlock("xyz", 1, 3);
    m.ClearSelection(true);
    m.Undo();
    EXPECT_EQ(Data(m), QByteArray("HELLo"));
    EXPECT_EQ(m.SelLow(), 1);
    EXPECT_EQ(m.SelHigh(), 3);
    EXPECT_TRUE(m.Modified());
    EXPECT_FALSE(m.IsChanged(4)); // the marks from the conversion's start are forgotten
}

TEST_F(UndoJournal, UndoingEveryEditLeavesTheDocumentUnmodified) {
    Load(m, Bytes({1, 2, 3}));
    const uint8_t b[] = {4};
    m.ChangeByte(0, 1, 7);
    m.AppendBuffer(b, 1);
    m.InsertNibble(1, true);
    m.SetSelStart(0);
    m.DeleteSelection();
    while (m.CanUndo())
        m.Undo();
    EXPECT_EQ(Data(m), Bytes({1, 2, 3}));
    EXPECT_FALSE(m.Modified());
}

} // namespace
