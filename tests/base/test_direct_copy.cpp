// Copying to a new file with direct I/O: the bytes arrive whole, holes stay
// holes, the unaligned tail is written, and a failing write is a failure, not
// a reason to try again some other way.
#include "base/directcopy.h"
#include "base/fileio.h"
#include "tests/common/processtools.h"
#include "tests/common/testenv.h"

#include <QFile>
#include <fcntl.h>
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

using fileio::TDirectCopy;
using fileio::TFd;

namespace {

constexpr int64_t MiB = 1 << 20;

QByteArray N(const QString& p) {
    return QFile::encodeName(p);
}

// A file of size bytes, zero (a hole) except for the given islands of text.
QString SparseFile(const QString& name, int64_t size,
                   const std::vector<std::pair<int64_t, QByteArray>>& islands) {
    const QString path = testenv::ScratchPath(name);
    QFile f(path);
    EXPECT_TRUE(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
    EXPECT_TRUE(f.resize(size));
    for (const auto& [at, bytes] : islands) {
        EXPECT_TRUE(f.seek(at));
        EXPECT_EQ(f.write(bytes), bytes.size());
    }
    return path;
}

QByteArray Pattern(int64_t n, char seed) {
    QByteArray b(int(n), '\0');
    for (int i = 0; i < b.size(); ++i)
        b[i] = char(seed + i * 13 % 97);
    return b;
}

struct TCopied {
    TDirectCopy result;
    QByteArray bytes;
    int64_t allocated;
};

TCopied CopyWithDirectIo(const QString& from, int64_t size) {
    TFd src(::open(N(from).constData(), O_RDONLY));
    const QString to = from + ".copy";
    TFd dst(::open(N(to).constData(), O_WRONLY | O_CREAT | O_TRUNC, 0600));
    TCopied c{fileio::CopyDirect(src.Get(), dst.Get(), size), {}, 0};
    EXPECT_EQ(::ftruncate(dst.Get(), size), 0);
    dst.Close();
    struct stat st {};
    ::stat(N(to).constData(), &st);
    c.allocated = int64_t(st.st_blocks) * 512;
    c.bytes = testenv::ReadFile(to);
    QFile::remove(to);
    return c;
}

} // namespace

TEST(DirectCopy, CopiesEveryByteIncludingAnUnalignedTail) {
    const int64_t size = 3 * MiB + 4095;
    const QByteArray bytes = Pattern(size, 'a');
    const QString path = testenv::ScratchPath("direct-dense.bin");
    testenv::WriteFile(path, bytes);
    const TCopied c = CopyWithDirectIo(path, size);
    EXPECT_EQ(c.result, TDirectCopy::Done);
    EXPECT_TRUE(c.bytes == bytes);
}

TEST(DirectCopy, HolesStayHolesAndUnalignedIslandsInsideThemArrive) {
    const int64_t size = 12 * MiB + 123;
    const QByteArray head = Pattern(2 * MiB, 'h');
    const QByteArray island = "an island between two holes";
    const QByteArray tail = Pattern(MiB + 123, 't');
    const int64_t islandAt = 6 * MiB + 1001; // not on any block boundary
    const QString path = SparseFile("direct-sparse.bin", size,
                                    {{0, head}, {islandAt, island}, {size - tail.size(), tail}});
    const TCopied c = CopyWithDirectIo(path, size);
    ASSERT_EQ(c.result, TDirectCopy::Done);
    ASSERT_EQ(c.bytes.size(), size);
    EXPECT_TRUE(c.bytes == testenv::ReadFile(path));
    EXPECT_EQ(c.bytes.mid(islandAt, island.size()), island);
    EXPECT_LT(c.allocated, 5 * MiB) << "the holes were written out";
}

TEST(DirectCopy, AnEmptySourceCopiesNothing) {
    const QString path = testenv::ScratchPath("direct-empty.bin");
    testenv::WriteFile(path, {});
    EXPECT_EQ(CopyWithDirectIo(path, 0).result, TDirectCopy::Done);
}

TEST(DirectCopy, AWriteBeyondTheFileSizeLimitFails) {
    const int64_t size = 4 * MiB;
    const QString path = testenv::ScratchPath("direct-limit.bin");
    testenv::WriteFile(path, Pattern(size, 'x'));
    const int code = testproc::RunInChild([&] {
        if (!testproc::LimitFileSize(MiB)) return 10;
        TFd src(::open(N(path).constData(), O_RDONLY));
        TFd dst(::open(N(path + ".limited").constData(), O_WRONLY | O_CREAT | O_TRUNC, 0600));
        const TDirectCopy r = fileio::CopyDirect(src.Get(), dst.Get(), size);
        return r == TDirectCopy::Failed ? 0 : r == TDirectCopy::Done ? 11 : 12;
    });
    EXPECT_EQ(code, 0);
    QFile::remove(path + ".limited");
}

TEST(DirectCopy, TheDestinationKeepsItsOpenFlags) {
    const QString path = testenv::ScratchPath("direct-flags.bin");
    testenv::WriteFile(path, Pattern(MiB + 7, 'f'));
    TFd src(::open(N(path).constData(), O_RDONLY));
    TFd dst(::open(N(path + ".copy").constData(), O_WRONLY | O_CREAT | O_TRUNC, 0600));
    const int before = ::fcntl(dst.Get(), F_GETFL);
    EXPECT_EQ(fileio::CopyDirect(src.Get(), dst.Get(), MiB + 7), TDirectCopy::Done);
    EXPECT_EQ(::fcntl(dst.Get(), F_GETFL), before);
    QFile::remove(path + ".copy");
}
