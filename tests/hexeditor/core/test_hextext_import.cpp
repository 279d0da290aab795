// Replacing the whole data from a hex text file, streamed: the same bytes,
// caret, selection and undo record as SetAsHex of the file's whole text.
#include "hexeditor/core/hexmodel.h"
#include "hexeditor/core/hextextfile.h"
#include "tests/common/testenv.h"

#include <QDir>
#include <gtest/gtest.h>
#include <stdexcept>
#include <vector>

namespace {
// The document of a freshly opened file holding bytes (not modified, no undo).
void Fill(THexModel& m, const QByteArray& bytes) {
    static int n = 0;
    const QString path = testenv::ScratchPath(QStringLiteral("data%1.bin").arg(++n));
    testenv::WriteFile(path, bytes);
    m.LoadFromFile(path);
    ASSERT_EQ(m.DataSize(), bytes.size());
}

QByteArray Data(const THexModel& m) {
    QByteArray out(m.DataSize(), '\0');
    m.ReadBlock(out.data(), 0, m.DataSize());
    return out;
}

QString HexFile(const QByteArray& text) {
    static int n = 0;
    const QString path = testenv::ScratchPath(QStringLiteral("in%1.hex").arg(++n));
    testenv::WriteFile(path, text);
    return path;
}

// Imports text into one model and SetAsHex's it into a twin of the same data.
void ExpectSameAsSetAsHex(const QByteArray& old, const QByteArray& text, bool swap = false) {
    THexModel imported, reference;
    Fill(imported, old);
    Fill(reference, old);
    imported.SetSwapNibbles(swap);
    reference.SetSwapNibbles(swap);
    ASSERT_TRUE(ImportHexTextFile(imported, HexFile(text)));
    reference.SetAsHex(text);
    EXPECT_EQ(Data(imported), Data(reference));
    EXPECT_EQ(imported.UndoJournalBytes(), reference.UndoJournalBytes());
    EXPECT_EQ(imported.UndoCount(), reference.UndoCount());
    EXPECT_EQ(imported.SelStart(), reference.SelStart());
    EXPECT_EQ(imported.SelEnd(), reference.SelEnd());
    EXPECT_EQ(imported.SelCount(), reference.SelCount());
    EXPECT_EQ(imported.CurrentPosition(), reference.CurrentPosition());
    EXPECT_EQ(imported.Modified(), reference.Modified());
}
} // namespace

TEST(HexTextImport, DigitPairsReplaceTheWholeDataOtherCharactersSkipped) {
    THexModel m;
    Fill(m, "\x10\x20\x30\x40\x50");
    const QString name = m.FileName();
    ASSERT_TRUE(ImportHexTextFile(m, HexFile("01 ab,FF\n")));
    EXPECT_EQ(Data(m), QByteArray("\x01\xAB\xFF"));
    EXPECT_TRUE(m.Modified());
    EXPECT_EQ(m.FileName(), name);
}

TEST(HexTextImport, OneUndoStepRestoresTheOldBytesExactly) {
    THexModel m;
    Fill(m, "\x10\x20\x30\x40\x50");
    ASSERT_TRUE(ImportHexTextFile(m, HexFile("01ABFF7")));
    EXPECT_EQ(m.UndoCount(), 1);
    EXPECT_EQ(m.UndoDescription(), QStringLiteral("Replace selection"));
    m.Undo();
    EXPECT_EQ(Data(m), QByteArray("\x10\x20\x30\x40\x50"));
    EXPECT_FALSE(m.Modified());
    EXPECT_FALSE(m.CanUndo());
}

TEST(HexTextImport, MatchesSetAsHexOnDataLongerAndShorterThanTheResult) {
    ExpectSameAsSetAsHex("\x10\x20\x30\x40\x50", "01 ab,FF\n");
    ExpectSameAsSetAsHex("\x10", "0102030405060708");
    ExpectSameAsSetAsHex("\x10\x20", "a1b2", true);
}

TEST(HexTextImport, EmptyDocumentGetsTheBytesInsertedAndSelected) {
    ExpectSameAsSetAsHex(QByteArray(), "01ABFF");
    THexModel m;
    Fill(m, QByteArray());
    ASSERT_TRUE(ImportHexTextFile(m, HexFile("01ABFF")));
    EXPECT_EQ(Data(m), QByteArray("\x01\xAB\xFF"));
    EXPECT_EQ(m.UndoDescription(), QStringLiteral("Insert buffer"));
    EXPECT_EQ(m.SelCount(), 3);
    m.Undo();
    EXPECT_EQ(m.DataSize(), 0);
}

TEST(HexTextImport, FileWithoutDigitPairsEmptiesTheDocumentAsOneStep) {
    ExpectSameAsSetAsHex("\x10\x20\x30", "x y z 7");
    THexModel m;
    Fill(m, "\x10\x20\x30");
    ASSERT_TRUE(ImportHexTextFile(m, HexFile("xyz, ghij!\n")));
    EXPECT_EQ(m.DataSize(), 0);
    m.Undo();
    EXPECT_EQ(Data(m), QByteArray("\x10\x20\x30"));
}

TEST(HexTextImport, SwappedNibblesTakeTheLowDigitFirst) {
    THexModel m;
    Fill(m, "\x00");
    m.SetSwapNibbles(true);
    ASSERT_TRUE(ImportHexTextFile(m, HexFile("10BAFF")));
    EXPECT_EQ(Data(m), QByteArray("\x01\xAB\xFF"));
}

TEST(HexTextImport, TextLongerThanOneBlockDecodesAcrossBlockEnds) {
    // An odd separator count shifts the pairs against every block boundary.
    QByteArray text;
    QByteArray expected;
    for (int i = 0; text.size() < (3 << 20); ++i) {
        const uint8_t b = uint8_t(i * 37 + (i >> 9));
        expected.append(char(b));
        text.append(QByteArray::number(b >> 4, 16)).append(i % 3 == 0 ? " " : "");
        text.append(QByteArray::number(b & 15, 16));
    }
    THexModel m;
    Fill(m, "\x01\x02");
    ASSERT_TRUE(ImportHexTextFile(m, HexFile(text)));
    EXPECT_EQ(Data(m), expected);
    EXPECT_EQ(m.UndoCount(), 1);
    m.Undo();
    EXPECT_EQ(Data(m), QByteArray("\x01\x02"));
}

TEST(HexTextImport, MissingFileOrFolderLeavesTheDocumentUnchanged) {
    THexModel m;
    Fill(m, "\x10\x20");
    EXPECT_FALSE(ImportHexTextFile(m, testenv::ScratchPath("missing.hex")));
    const QString folder = testenv::ScratchPath("folder.hex");
    ASSERT_TRUE(QDir().mkpath(folder));
    EXPECT_FALSE(ImportHexTextFile(m, folder));
    EXPECT_EQ(Data(m), QByteArray("\x10\x20"));
    EXPECT_FALSE(m.Modified());
    EXPECT_EQ(m.UndoCount(), 0);
}

TEST(HexTextImport, SourceFailingPartWayLeavesTheDataAsBefore) {
    for (const QByteArray& old : {QByteArray("\x10\x20\x30"), QByteArray()}) {
        THexModel m;
        Fill(m, old);
        int calls = 0;
        const bool ok = m.ReplaceAllFromSource((1 << 20) + 10, [&](uint8_t* buffer, int32_t n) {
            std::fill(buffer, buffer + n, uint8_t(0xEE));
            return ++calls == 1; // the second block fails
        });
        EXPECT_FALSE(ok);
        EXPECT_EQ(Data(m), old);
        EXPECT_EQ(m.UndoCount(), 0);
        EXPECT_FALSE(m.Modified());
    }
}

TEST(HexTextImport, SourceThrowingPartWayLeavesTheDataAsBefore) {
    THexModel m;
    Fill(m, "\x10\x20\x30");
    int calls = 0;
    const bool ok = m.ReplaceAllFromSource((2 << 20) + 1, [&](uint8_t* buffer, int32_t n) {
        std::fill(buffer, buffer + n, uint8_t(0xEE));
        if (++calls == 2) throw std::runtime_error("read failed");
        return true;
    });
    EXPECT_FALSE(ok);
    EXPECT_EQ(Data(m), QByteArray("\x10\x20\x30"));
    EXPECT_EQ(m.UndoCount(), 0);
}
