// The safe writer: a target is replaced whole or left exactly as it was, from
// a producer of blocks and from an open file alike; links, owner and mode are
// kept, and every way a write can fail is reported.
#include "base/fileio.h"
#include "base/safewriter.h"
#include "tests/common/processtools.h"
#include "tests/common/testenv.h"

#include <QDir>
#include <QFile>
#include <cerrno>
#include <fcntl.h>
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

using testproc::StatOf;

namespace {

QByteArray N(const QString& p) {
    return QFile::encodeName(p);
}

QStringList Leftovers(const QString& folder) {
    return QDir(folder).entryList({"*.tmp"}, QDir::Files | QDir::Hidden | QDir::System);
}

QByteArray Pattern(qsizetype n) {
    QByteArray b(n, '\0');
    for (qsizetype i = 0; i < n; ++i)
        b[i] = char('a' + i * 7 % 26);
    return b;
}

// A fresh folder in the scratch area with one file of the given content.
struct TFolder {
    QString root;
    QString file;
    explicit TFolder(const QString& name, const QByteArray& content = "old content") {
        root = testenv::ScratchPath(name);
        QDir().mkpath(root);
        file = root + "/target.txt";
        testenv::WriteFile(file, content);
    }
};

// Hands bytes to the sink in blocks of the given size; records what the sink said.
struct TChunkedProducer {
    QByteArray bytes;
    qsizetype block = 1000;
    bool sawRefusal = false;
    bool operator()(const safewrite::TSink& sink) {
        for (qsizetype at = 0; at < bytes.size(); at += block) {
            if (!sink(QByteArrayView(bytes).sliced(at, qMin(block, bytes.size() - at)))) {
                sawRefusal = true;
                return false;
            }
        }
        return true;
    }
};

// ---- Success -------------------------------------------------------------------------

TEST(SafeWriter, BytesReplaceTheTargetByRenameAndLeaveNothingBehind) {
    TFolder f("rename");
    const ino_t before = StatOf(f.file).st_ino;
    int error = -1;
    ASSERT_TRUE(safewrite::WriteBytes(f.file, "new", &error));
    EXPECT_EQ(testenv::ReadFile(f.file), QByteArray("new"));
    EXPECT_NE(StatOf(f.file).st_ino, before);
    EXPECT_EQ(error, -1); // untouched on success
    EXPECT_TRUE(Leftovers(f.root).isEmpty());
}

TEST(SafeWriter, BlocksOfManySizesArriveInOrder) {
    for (const qsizetype block : {1, 7, 4096, 1 << 20, (1 << 20) + 3, 3 << 20}) {
        TFolder f("blocks");
        TChunkedProducer p{Pattern((3 << 20) + 11), block};
        ASSERT_TRUE(safewrite::WriteBlocks(f.file, std::ref(p))) << block;
        EXPECT_TRUE(testenv::ReadFile(f.file) == p.bytes) << block;
    }
}

TEST(SafeWriter, AnEmptyContentEmptiesTheFile) {
    TFolder f("empty");
    ASSERT_TRUE(safewrite::WriteBlocks(f.file, [](const safewrite::TSink&) { return true; }));
    EXPECT_EQ(QFileInfo(f.file).size(), 0);
}

TEST(SafeWriter, ANewFileGetsTheUsualPermissions) {
    const QString target = testenv::ScratchPath("fresh.txt");
    const mode_t old = ::umask(022);
    const bool ok = safewrite::WriteBytes(target, "abc");
    ::umask(old);
    ASSERT_TRUE(ok);
    EXPECT_EQ(StatOf(target).st_mode & 0777, 0644u);
    EXPECT_EQ(testenv::ReadFile(target), QByteArray("abc"));
}

TEST(SafeWriter, ModeAndOwnerOfTheTargetAreKept) {
    TFolder f("kept");
    ASSERT_EQ(::chmod(N(f.file).constData(), 0640), 0);
    if (testproc::CanBecomeNobody()) {
        ASSERT_EQ(::chown(N(f.file).constData(), testproc::kNobody, testproc::kNobody), 0);
    }
    const struct stat before = StatOf(f.file);
    ASSERT_TRUE(safewrite::WriteBytes(f.file, "new"));
    const struct stat after = StatOf(f.file);
    EXPECT_EQ(after.st_mode & 07777, 0640u);
    EXPECT_EQ(after.st_uid, before.st_uid);
    EXPECT_EQ(after.st_gid, before.st_gid);
}

TEST(SafeWriter, ASymlinkStaysALinkAndARelativeChainIsFollowedToTheEnd) {
    TFolder f("links");
    QDir().mkpath(f.root + "/sub");
    testenv::WriteFile(f.root + "/sub/real.txt", "old");
    ASSERT_EQ(::symlink("real.txt", N(f.root + "/sub/l1").constData()), 0);
    ASSERT_EQ(::symlink("sub/l1", N(f.root + "/l2").constData()), 0);
    ASSERT_TRUE(safewrite::WriteBytes(f.root + "/l2", "through links"));
    EXPECT_TRUE(S_ISLNK(StatOf(f.root + "/l2").st_mode));
    EXPECT_TRUE(S_ISLNK(StatOf(f.root + "/sub/l1").st_mode));
    EXPECT_EQ(testenv::ReadFile(f.root + "/sub/real.txt"), QByteArray("through links"));
    EXPECT_TRUE(Leftovers(f.root).isEmpty());
    EXPECT_TRUE(Leftovers(f.root + "/sub").isEmpty());
}

TEST(SafeWriter, ALinkToAFileNotYetThereCreatesIt) {
    TFolder f("dangling");
    ASSERT_EQ(::symlink("later.txt", N(f.root + "/link").constData()), 0);
    ASSERT_TRUE(safewrite::WriteBytes(f.root + "/link", "made"));
    EXPECT_TRUE(S_ISLNK(StatOf(f.root + "/link").st_mode));
    EXPECT_EQ(testenv::ReadFile(f.root + "/later.txt"), QByteArray("made"));
}

TEST(SafeWriter, AHardLinkedTargetIsWrittenInPlaceForAllItsNames) {
    TFolder f("hard", "a much longer old content than the new one");
    const QString twin = f.root + "/twin.txt";
    ASSERT_EQ(::link(N(f.file).constData(), N(twin).constData()), 0);
    const ino_t before = StatOf(f.file).st_ino;
    ASSERT_TRUE(safewrite::WriteBytes(f.file, "short"));
    EXPECT_EQ(StatOf(f.file).st_ino, before);
    EXPECT_EQ(StatOf(twin).st_ino, before);
    EXPECT_EQ(StatOf(f.file).st_nlink, 2u);
    EXPECT_EQ(testenv::ReadFile(twin), QByteArray("short"));
    // Growing works the same way.
    const QByteArray big = Pattern(300000);
    ASSERT_TRUE(safewrite::WriteBytes(twin, big));
    EXPECT_TRUE(testenv::ReadFile(f.file) == big);
    EXPECT_TRUE(Leftovers(f.root).isEmpty());
}

TEST(SafeWriter, TheOpenFileEntryCopiesHolesAndATrailingHole) {
    const QString source = testenv::ScratchPath("sparse.bin");
    {
        QFile s(source);
        ASSERT_TRUE(s.open(QIODevice::WriteOnly));
        ASSERT_TRUE(s.resize(5 << 20));
        ASSERT_TRUE(s.seek(1 << 20));
        ASSERT_EQ(s.write("island"), 6);
    }
    fileio::TFd src(::open(N(source).constData(), O_RDONLY));
    TFolder f("fromfd");
    safewrite::TFileId id;
    ASSERT_TRUE(safewrite::WriteFileSafely(src.Get(), 5 << 20, f.file, &id));
    const QByteArray got = testenv::ReadFile(f.file);
    ASSERT_EQ(got.size(), 5 << 20);
    EXPECT_EQ(got.mid(1 << 20, 6), QByteArray("island"));
    EXPECT_EQ(got.count('\0'), (5 << 20) - 6);
    EXPECT_EQ(id.ino, StatOf(f.file).st_ino);
    EXPECT_LT(int64_t(StatOf(f.file).st_blocks) * 512, 1 << 20); // the holes stayed holes
}

// ---- Refused targets -----------------------------------------------------------------------

TEST(SafeWriter, AFolderAMissingFolderAndAnEmptyNameAreRefused) {
    int error = 0;
    EXPECT_FALSE(safewrite::WriteBytes(testenv::ScratchDir(), "x", &error));
    EXPECT_EQ(error, EISDIR);
    EXPECT_FALSE(safewrite::WriteBytes(testenv::ScratchPath("nowhere") + "/x.txt", "x", &error));
    EXPECT_EQ(error, ENOENT);
    EXPECT_FALSE(safewrite::WriteBytes(QString(), "x", &error));
}

TEST(SafeWriter, AReadOnlyTargetIsReportedAndKept) {
    if (!testproc::CanBecomeNobody()) GTEST_SKIP() << "needs root to drop to an unprivileged user";
    testproc::SharedFolder folder(01777);
    const QString target = folder.Path("readonly.txt");
    testenv::WriteFile(target, "keep me");
    ASSERT_EQ(::chown(N(target).constData(), testproc::kNobody, testproc::kNobody), 0);
    ASSERT_EQ(::chmod(N(target).constData(), 0444), 0);
    const int code = testproc::RunInChild([&] {
        if (!testproc::BecomeNobody()) return 10;
        int error = 0;
        if (safewrite::WriteBytes(target, "changed", &error)) return 11;
        return error == EACCES ? 0 : 12;
    });
    EXPECT_EQ(code, 0);
    EXPECT_EQ(testenv::ReadFile(target), QByteArray("keep me"));
    EXPECT_TRUE(Leftovers(folder.Root()).isEmpty());
}

// ---- Producers that give up or throw -----------------------------------------------------

TEST(SafeWriter, AProducerThatGivesUpLeavesTheTargetAsItWas) {
    TFolder f("giveup");
    int error = 0;
    EXPECT_FALSE(safewrite::WriteBlocks(
        f.file,
        [](const safewrite::TSink& sink) {
            sink("half of the new");
            return false;
        },
        &error));
    EXPECT_EQ(error, ECANCELED);
    EXPECT_EQ(testenv::ReadFile(f.file), QByteArray("old content"));
    EXPECT_TRUE(Leftovers(f.root).isEmpty());
}

TEST(SafeWriter, AProducerThatThrowsLeavesTheTargetAndNoTemporaryFile) {
    TFolder f("throws");
    EXPECT_THROW(safewrite::WriteBlocks(f.file,
                                        [](const safewrite::TSink& sink) -> bool {
                                            sink("partial");
                                            throw std::runtime_error("reader failed");
                                        }),
                 std::runtime_error);
    EXPECT_EQ(testenv::ReadFile(f.file), QByteArray("old content"));
    EXPECT_TRUE(Leftovers(f.root).isEmpty());
}

TEST(SafeWriter, AProducerThatGivesUpLeavesAHardLinkedTargetAsItWas) {
    TFolder f("giveup-hard");
    ASSERT_EQ(::link(N(f.file).constData(), N(f.root + "/twin").constData()), 0);
    EXPECT_FALSE(safewrite::WriteBlocks(f.file, [](const safewrite::TSink& sink) {
        sink("half");
        return false;
    }));
    EXPECT_EQ(testenv::ReadFile(f.root + "/twin"), QByteArray("old content"));
}

// ---- A full disk, simulated by a file-size limit in a child --------------------------------

// In a child whose files may not grow past limit bytes: writes content through
// the producer entry and expects a failure the producer was told about.
int WriteBlocksOverLimit(const QString& target, qsizetype contentSize, rlim_t limit) {
    if (!testproc::LimitFileSize(limit)) return 10;
    TChunkedProducer p{Pattern(contentSize), 4096};
    int error = 0;
    if (safewrite::WriteBlocks(target, std::ref(p), &error)) return 11;
    if (error != EFBIG) return 12;
    // Small contents fail only at the final flush; larger ones tell the producer to stop.
    if (contentSize > (1 << 20) && !p.sawRefusal) return 13;
    return 0;
}

struct TFullDiskCase {
    const char* name;
    qsizetype content;
    rlim_t limit;
};

class FullDiskBlocks : public ::testing::TestWithParam<TFullDiskCase> {};

TEST_P(FullDiskBlocks, LeaveTheTargetByteIdenticalAndNoTemporaryFile) {
    const TFullDiskCase c = GetParam();
    const QByteArray old = Pattern(700) + "the user's precious text";
    TFolder f(c.name, old);
    const int code =
        testproc::RunInChild([&] { return WriteBlocksOverLimit(f.file, c.content, c.limit); });
    EXPECT_EQ(code, 0);
    EXPECT_TRUE(testenv::ReadFile(f.file) == old);
    EXPECT_TRUE(Leftovers(f.root).isEmpty());
}

INSTANTIATE_TEST_SUITE_P(SafeWriter, FullDiskBlocks,
                         ::testing::Values(TFullDiskCase{"kib1", 1024, 512},
                                           TFullDiskCase{"kib20", 20 * 1024, 8192},
                                           TFullDiskCase{"text10005", 10005, 8192},
                                           TFullDiskCase{"mib10", 10 << 20, 1 << 20}),
                         [](const auto& test) { return std::string(test.param.name); });

TEST(SafeWriter, AHardLinkedTargetWithoutRoomIsLeftWhole) {
    TFolder f("hard-full", "linked and precious");
    ASSERT_EQ(::link(N(f.file).constData(), N(f.root + "/twin").constData()), 0);
    const int code = testproc::RunInChild([&] {
        if (!testproc::LimitFileSize(64 * 1024)) return 10;
        int error = 0;
        if (safewrite::WriteBytes(f.file, Pattern(1 << 20), &error)) return 11;
        return error == EFBIG ? 0 : 12;
    });
    EXPECT_EQ(code, 0);
    EXPECT_EQ(testenv::ReadFile(f.root + "/twin"), QByteArray("linked and precious"));
    EXPECT_EQ(StatOf(f.file).st_nlink, 2u);
}

TEST(SafeWriter, TheOpenFileEntryOverALimitLeavesTheTargetWhole) {
    const QString source = testenv::ScratchPath("big.bin");
    testenv::WriteFile(source, Pattern(3 << 20));
    TFolder f("fd-full");
    const int code = testproc::RunInChild([&] {
        if (!testproc::LimitFileSize(1 << 20)) return 10;
        fileio::TFd src(::open(N(source).constData(), O_RDONLY));
        int error = 0;
        if (safewrite::WriteFileSafely(src.Get(), 3 << 20, f.file, nullptr, &error)) return 11;
        return error == EFBIG ? 0 : 12;
    });
    EXPECT_EQ(code, 0);
    EXPECT_EQ(testenv::ReadFile(f.file), QByteArray("old content"));
    EXPECT_TRUE(Leftovers(f.root).isEmpty());
}

// ---- A folder the user may not write -------------------------------------------------------

// A file nobody owns, in a folder only root may write: no temporary file can be
// made beside it, so the content goes in place.
struct TLockedFolder {
    testproc::SharedFolder folder{0755};
    testproc::SharedFolder temp{01777};
    QString target = folder.Path("owned.txt");
    explicit TLockedFolder(const QByteArray& content) {
        testenv::WriteFile(target, content);
        ::chown(N(target).constData(), testproc::kNobody, testproc::kNobody);
    }
};

TEST(SafeWriter, AnUnwritableFolderIsWrittenInPlace) {
    if (!testproc::CanBecomeNobody()) GTEST_SKIP() << "needs root to drop to an unprivileged user";
    TLockedFolder locked("old content that is longer");
    const ino_t before = StatOf(locked.target).st_ino;
    const int code = testproc::RunInChild([&] {
        qputenv("TMPDIR", N(locked.temp.Root()));
        if (!testproc::BecomeNobody()) return 10;
        TChunkedProducer p{"new!", 1};
        return safewrite::WriteBlocks(locked.target, std::ref(p)) ? 0 : 11;
    });
    EXPECT_EQ(code, 0);
    EXPECT_EQ(testenv::ReadFile(locked.target), QByteArray("new!"));
    EXPECT_EQ(StatOf(locked.target).st_ino, before);
}

TEST(SafeWriter, AnUnwritableFolderOverTheSizeLimitLeavesTheFileWhole) {
    if (!testproc::CanBecomeNobody()) GTEST_SKIP() << "needs root to drop to an unprivileged user";
    const QByteArray old = Pattern(5000);
    TLockedFolder locked(old);
    for (const int size : {20 * 1024, 100 * 1024}) {
        const QString source = locked.temp.Path("source.bin");
        testenv::WriteFile(source, Pattern(size));
        const int code = testproc::RunInChild([&] {
            if (!testproc::BecomeNobody()) return 10;
            fileio::TFd src(::open(N(source).constData(), O_RDONLY));
            if (!src.Valid()) return 11;
            // The target could take the first 16 KiB and then no more.
            if (!testproc::LimitFileSize(16 * 1024)) return 12;
            int error = 0;
            if (safewrite::WriteFileSafely(src.Get(), size, locked.target, nullptr, &error))
                return 13;
            return error == EFBIG ? 0 : 14;
        });
        EXPECT_EQ(code, 0) << size;
        EXPECT_TRUE(testenv::ReadFile(locked.target) == old) << size;
        // The same through a producer (a text save): 20 KiB into a 16 KiB limit.
        const int blocks = testproc::RunInChild([&] {
            qputenv("TMPDIR", N(locked.temp.Root()));
            if (!testproc::BecomeNobody()) return 10;
            if (!testproc::LimitFileSize(16 * 1024)) return 12;
            TChunkedProducer p{Pattern(size), 4096};
            int error = 0;
            if (safewrite::WriteBlocks(locked.target, std::ref(p), &error)) return 13;
            return error == EFBIG ? 0 : 14;
        });
        EXPECT_EQ(blocks, 0) << size;
        EXPECT_TRUE(testenv::ReadFile(locked.target) == old) << size;
    }
}

TEST(SafeWriter, AnUnwritableFolderOnAFullDiskLeavesTheFileWhole) {
    if (!testproc::CanBecomeNobody()) GTEST_SKIP() << "needs root to drop to an unprivileged user";
    testproc::SmallDisk disk(256);
    if (!disk.Mounted()) GTEST_SKIP() << "this machine does not let the tests mount a tmpfs";
    const QString folder = disk.Path("locked");
    ASSERT_TRUE(QDir().mkpath(folder));
    ASSERT_EQ(::chmod(N(folder).constData(), 0755), 0);
    const QString target = folder + "/owned.txt";
    const QByteArray old = Pattern(5000);
    testenv::WriteFile(target, old);
    ASSERT_EQ(::chown(N(target).constData(), testproc::kNobody, testproc::kNobody), 0);
    ASSERT_TRUE(disk.LeaveFree(8));
    testproc::SharedFolder temp(01777);
    const int code = testproc::RunInChild([&] {
        qputenv("TMPDIR", N(temp.Root()));
        if (!testproc::BecomeNobody()) return 10;
        int error = 0;
        TChunkedProducer p{Pattern(40 * 1024), 4096};
        if (safewrite::WriteBlocks(target, std::ref(p), &error)) return 11;
        return error == ENOSPC ? 0 : 12;
    });
    EXPECT_EQ(code, 0);
    EXPECT_TRUE(testenv::ReadFile(target) == old);
}

TEST(SafeWriter, AStickyFolderThatRefusesTheRenameGetsTheContentInPlace) {
    if (!testproc::CanBecomeNobody()) GTEST_SKIP() << "needs root to drop to an unprivileged user";
    testproc::SharedFolder folder(01777);
    const QString target = folder.Path("shared.txt");
    testenv::WriteFile(target, "root's file, writable by all");
    ASSERT_EQ(::chmod(N(target).constData(), 0666), 0);
    const ino_t before = StatOf(target).st_ino;
    const int code = testproc::RunInChild([&] {
        if (!testproc::BecomeNobody()) return 10;
        return safewrite::WriteBytes(target, "nobody's words") ? 0 : 11;
    });
    EXPECT_EQ(code, 0);
    EXPECT_EQ(testenv::ReadFile(target), QByteArray("nobody's words"));
    EXPECT_EQ(StatOf(target).st_ino, before);
    EXPECT_EQ(StatOf(target).st_uid, 0u);
    EXPECT_TRUE(Leftovers(folder.Root()).isEmpty());
}

// ---- A real small disk ------------------------------------------------------------------------

TEST(SafeWriter, ASmallDiskThatFillsUpLeavesTheTargetWhole) {
    testproc::SmallDisk disk(256);
    if (!disk.Mounted()) GTEST_SKIP() << "this machine does not let the tests mount a tmpfs";
    const QByteArray old = "the user's precious text";
    const QString target = disk.Path("doc.txt");
    const QString twin = disk.Path("twin.txt");
    testenv::WriteFile(target, old);
    ASSERT_TRUE(disk.LeaveFree(8));
    int error = 0;
    // By rename: the temporary file runs out of room.
    for (const qsizetype size : {qsizetype(10005), qsizetype(20 * 1024), qsizetype(1 << 20)}) {
        EXPECT_FALSE(safewrite::WriteBytes(target, Pattern(size), &error)) << size;
        EXPECT_EQ(error, ENOSPC) << size;
        EXPECT_TRUE(testenv::ReadFile(target) == old) << size;
        EXPECT_TRUE(Leftovers(disk.Root()).isEmpty()) << size;
    }
    // In place: the room cannot be reserved.
    ASSERT_EQ(::link(N(target).constData(), N(twin).constData()), 0);
    EXPECT_FALSE(safewrite::WriteBytes(target, Pattern(20 * 1024), &error));
    EXPECT_EQ(error, ENOSPC);
    EXPECT_TRUE(testenv::ReadFile(twin) == old);
    // Something that fits still goes.
    EXPECT_TRUE(safewrite::WriteBytes(target, "fits"));
    EXPECT_EQ(testenv::ReadFile(twin), QByteArray("fits"));
}

// ---- Names ----------------------------------------------------------------------------------

TEST(BackupName, ReplacesTheExtensionOfTheFileNameOnly) {
    EXPECT_EQ(safewrite::BackupName("/a/b.txt", ".bak"), "/a/b.bak");
    EXPECT_EQ(safewrite::BackupName("/a/x.tar.gz", ".bak"), "/a/x.tar.bak");
    EXPECT_EQ(safewrite::BackupName("/a.d/b", ".bak"), "/a.d/b.bak");
    EXPECT_EQ(safewrite::BackupName("/home/u/.bashrc", ".bak"), "/home/u/.bashrc.bak");
    EXPECT_EQ(safewrite::BackupName("plain", ".bak"), "plain.bak");
}

} // namespace
