// The working file's block moves, nibble shifts and the sparse changed marks,
// checked against a plain in-memory model of the same bytes.
#include "hexeditor/core/changedmarks.h"
#include "hexeditor/core/workfile.h"

#include <QByteArray>
#include <QFile>
#include <gtest/gtest.h>
#include <random>

namespace {

class WorkFileMoves : public ::testing::Test {
protected:
    TWorkFile work;
    QByteArray ref;
    int64_t oldBlock = TWorkFile::BlockSize();

    void SetUp() override {
        work.Ensure();
        ref.resize(5000);
        for (int i = 0; i < ref.size(); ++i)
            ref[i] = char((i * 31 + i / 7) & 0xFF);
        work.Write(0, ref.constData(), ref.size());
        TWorkFile::SetBlockSize(7); // every move crosses many block edges
    }
    void TearDown() override { TWorkFile::SetBlockSize(oldBlock); }

    QByteArray Contents() const {
        QByteArray out(int(work.Size()), '\0');
        work.Read(0, out.data(), out.size());
        return out;
    }
};

TEST_F(WorkFileMoves, OpenGapMovesTheTailUp) {
    work.OpenGap(3, 10);
    work.Write(3, "0123456789", 10);
    ref.insert(3, "0123456789");
    EXPECT_EQ(Contents(), ref);
}

TEST_F(WorkFileMoves, OpenGapAtTheEndOnlyGrows) {
    work.OpenGap(ref.size(), 2);
    EXPECT_EQ(work.Size(), ref.size() + 2);
    EXPECT_EQ(Contents().left(ref.size()), ref);
}

TEST_F(WorkFileMoves, CloseGapMovesTheTailDown) {
    work.CloseGap(11, 4000);
    ref.remove(11, 4000 - 11);
    EXPECT_EQ(Contents(), ref);
    work.CloseGap(0, 1);
    ref.remove(0, 1);
    EXPECT_EQ(Contents(), ref);
}

TEST_F(WorkFileMoves, CloseGapOfTheWholeTailTruncates) {
    work.CloseGap(100, ref.size());
    EXPECT_EQ(Contents(), ref.left(100));
}

TEST_F(WorkFileMoves, RandomEditsMatchThePlainModel) {
    std::mt19937 rng(7);
    for (int i = 0; i < 200; ++i) {
        const int size = ref.size();
        const int pos = int(rng() % uint32_t(size + 1));
        if (rng() % 2 || size < 10) {
            const int n = 1 + int(rng() % 40);
            QByteArray b(n, char('A' + i % 26));
            work.OpenGap(pos, n);
            work.Write(pos, b.constData(), n);
            ref.insert(pos, b);
        } else {
            const int end = std::min(size, pos + 1 + int(rng() % 60));
            work.CloseGap(pos, end);
            ref.remove(pos, end - pos);
        }
    }
    EXPECT_EQ(Contents(), ref);
}

TEST_F(WorkFileMoves, LargeGapsUseKernelCopiesWithTheSameResult) {
    TWorkFile::SetBlockSize(oldBlock);
    QByteArray big(3 << 20, '\0');
    for (int i = 0; i < big.size(); ++i)
        big[i] = char((i ^ (i >> 9)) & 0xFF);
    work.Resize(0);
    work.Write(0, big.constData(), big.size());
    const int gap = 1 << 20;
    work.OpenGap(1000, gap);
    QByteArray expected = big;
    expected.insert(1000, QByteArray(gap, '\0'));
    QByteArray got(int(work.Size()), '\0');
    work.Read(0, got.data(), got.size());
    EXPECT_EQ(got.left(1000), expected.left(1000));
    EXPECT_EQ(got.mid(1000 + gap), expected.mid(1000 + gap));
    work.CloseGap(1000, 1000 + gap);
    got.resize(int(work.Size()));
    work.Read(0, got.data(), got.size());
    EXPECT_EQ(got, big);
}

TEST_F(WorkFileMoves, ShiftRightNibbleAddsAByteWithTheLastLowNibble) {
    work.ShiftRightNibble(100);
    const QByteArray got = Contents();
    ASSERT_EQ(got.size(), ref.size() + 1);
    EXPECT_EQ(got.left(100), ref.left(100));
    uint8_t carry = 0;
    for (int i = 100; i < ref.size(); ++i) {
        const uint8_t b = uint8_t(ref[i]);
        ASSERT_EQ(uint8_t(got[i]), uint8_t((carry << 4) | (b >> 4))) << i;
        carry = b & 0x0F;
    }
    EXPECT_EQ(uint8_t(got[ref.size()]), uint8_t(carry << 4));
}

TEST_F(WorkFileMoves, ShiftLeftUndoesShiftRight) {
    work.ShiftRightNibble(42);
    work.ShiftLeftNibble(42);
    work.Resize(ref.size());
    EXPECT_EQ(Contents(), ref);
}

TEST_F(WorkFileMoves, TheWorkingFileIsRemovedWithItsOwner) {
    const QString path = work.Path();
    work.Remove();
    EXPECT_FALSE(QFile::exists(path));
}

// ---- Changed marks ---------------------------------------------------------------------

TEST(ChangedMarks, SetGetAndTruncateInsideAPage) {
    TChangedMarks marks;
    for (int p : {0, 63, 64, 65, 100, 32767, 32768, 70000})
        marks.Set(p, true);
    EXPECT_TRUE(marks.Get(65));
    EXPECT_FALSE(marks.Get(66));
    marks.Truncate(65);
    EXPECT_TRUE(marks.Get(64));
    EXPECT_FALSE(marks.Get(65));
    EXPECT_FALSE(marks.Get(100));
    EXPECT_FALSE(marks.Get(70000));
    EXPECT_EQ(marks.Length(), 65);
    // Growing the length again does not bring old marks back.
    marks.Truncate(100000);
    EXPECT_FALSE(marks.Get(100));
}

TEST(ChangedMarks, TruncateAtAPageEdgeKeepsTheLowerPage) {
    TChangedMarks marks;
    marks.Set(32767, true);
    marks.Set(32768, true);
    marks.Truncate(32768);
    EXPECT_TRUE(marks.Get(32767));
    EXPECT_FALSE(marks.Get(32768));
}

TEST(ChangedMarks, AMarkNearTwoGiBIsCheap) {
    TChangedMarks marks;
    marks.Set(2147483646, true);
    EXPECT_TRUE(marks.Get(2147483646));
    EXPECT_FALSE(marks.Get(2147483645));
    marks.Set(2147483646, false);
    EXPECT_FALSE(marks.Get(2147483646));
    marks.Truncate(0);
    EXPECT_FALSE(marks.Any());
}

} // namespace
