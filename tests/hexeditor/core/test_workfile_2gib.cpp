// The largest document: 2 GiB - 1 bytes, as a sparse file, loaded, edited at
// its last byte and saved, without the disk filling with zeros.
#include "hexeditor/core/displaywindow.h"
#include "tests/hexeditor/core/recordingview.h"

#include <fcntl.h>
#include <gtest/gtest.h>

namespace {

constexpr int32_t kLast = 2147483646; // 2 GiB - 2, the last position

int64_t DiskBytes(const QString& path) {
    return int64_t(hextest::StatOf(path).st_blocks) * 512;
}

TEST(LargestDocument, LoadsEditsItsLastByteAndSaves) {
    const QString source = testenv::ScratchPath("max.bin");
    const QString target = testenv::ScratchPath("max-saved.bin");
    {
        const int fd = ::open(QFile::encodeName(source).constData(), O_RDWR | O_CREAT, 0600);
        ASSERT_GE(fd, 0);
        ASSERT_EQ(::ftruncate(fd, int64_t(kLast) + 1), 0);
        const char mid = 'M', last = 'L';
        ASSERT_EQ(::pwrite(fd, &mid, 1, int64_t(1) << 30), 1);
        ASSERT_EQ(::pwrite(fd, &last, 1, kLast), 1);
        ::close(fd);
    }
    {
        RecordingView view;
        THexModel m(&view);
        m.LoadFromFile(source);
        ASSERT_EQ(m.DataSize(), kLast + 1);
        EXPECT_LT(DiskBytes(m.WorkFileName()), 64 << 20);
        EXPECT_EQ(m.RowCount(), 134217728);
        EXPECT_EQ(m.ReadByte(kLast), 'L');
        EXPECT_EQ(m.ReadByte(1 << 30), 'M');

        m.SetSelStart(kLast);
        EXPECT_EQ(m.Row(), 134217727);
        EXPECT_EQ(m.Col(), m.Geometry().HexCell(14, 0).col);
        m.ChangeByte(kLast, 'L', 'Z');
        EXPECT_TRUE(m.IsChanged(kLast));
        int32_t count = 10;
        EXPECT_EQ(m.BufferFromFile(kLast, count), QByteArray("Z"));
        EXPECT_EQ(count, 1);
        THexDisplayWindow window;
        window.Load(m, kLast - 14);
        EXPECT_EQ(window.Byte(m, kLast), 'Z');

        // One more byte would pass the 32-bit limit: refused, silently.
        const uint8_t b[] = {1};
        m.AppendBuffer(b, 1);
        m.InsertBuffer(b, 1, kLast);
        EXPECT_FALSE(m.InsertNibble(kLast, true));
        EXPECT_EQ(m.DataSize(), kLast + 1);
        EXPECT_EQ(m.UndoCount(), 1);

        ASSERT_TRUE(m.SaveToFile(target));
        EXPECT_EQ(view.busyDepth, 0);
    }
    const int fd = ::open(QFile::encodeName(target).constData(), O_RDONLY);
    ASSERT_GE(fd, 0);
    char got = 0;
    EXPECT_EQ(::pread(fd, &got, 1, kLast), 1);
    EXPECT_EQ(got, 'Z');
    EXPECT_EQ(::pread(fd, &got, 1, int64_t(1) << 30), 1);
    EXPECT_EQ(got, 'M');
    EXPECT_EQ(::pread(fd, &got, 1, 12345), 1);
    EXPECT_EQ(got, 0);
    ::close(fd);
    EXPECT_EQ(QFileInfo(target).size(), int64_t(kLast) + 1);
    EXPECT_LT(DiskBytes(target), 64 << 20);
    QFile::remove(source);
    QFile::remove(target);
}

} // namespace
