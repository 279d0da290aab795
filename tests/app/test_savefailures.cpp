// Saves that cannot finish, tried as a user meets them: a full disk, a file
// that may not grow, files reached through links. The user's file stays byte
// for byte as it was, the failure is reported, and the document stays
// modified, so closing still asks.
#include "tests/app/hexfixture.h"
#include "tests/common/processtools.h"
#include "tests/common/testenv.h"

#include <QDir>
#include <QFile>
#include <sys/stat.h>
#include <unistd.h>

namespace {

QByteArray N(const QString& p) {
    return QFile::encodeName(p);
}

// Text of exactly size bytes in lines ending CR LF.
QByteArray TextOfSize(qsizetype size) {
    QByteArray out;
    out.reserve(size);
    for (int line = 0; out.size() + 66 <= size; ++line)
        out += QByteArray::number(line).rightJustified(8, '0') + QByteArray(56, 'a' + line % 26) +
               "\r\n";
    out += QByteArray(size - out.size(), 'z');
    return out;
}

QStringList Leftovers(const QString& folder) {
    return QDir(folder).entryList({"*.tmp"}, QDir::Files | QDir::Hidden | QDir::System);
}

class SaveFailure : public HexProgramTest {
protected:
    // A folder of its own holding name with bytes.
    QString FileInFolder(const QString& name, const QByteArray& bytes) {
        const QString folder = testenv::ScratchPath("folder");
        QDir().mkpath(folder);
        const QString path = folder + "/" + name;
        testenv::WriteFile(path, bytes);
        return path;
    }
    // Opens path as the text document and changes it by one typed character.
    void OpenAndChangeText(const QString& path) {
        Start({path});
        Type("X");
        ASSERT_TRUE(main->TextModified());
    }
    // The text document failed to save and is as the user left it.
    void ExpectTextKeptAfterFailure(const QString& path, const QByteArray& old) {
        EXPECT_EQ(Messages(), QStringList({kUnknownError}));
        EXPECT_TRUE(testenv::ReadFile(path) == old);
        EXPECT_TRUE(Leftovers(QFileInfo(path).absolutePath()).isEmpty());
        EXPECT_TRUE(main->TextModified());
        EXPECT_EQ(TextPanel(0), "Zmieniony");
        EXPECT_EQ(main->DialZap1.FileName, path);
        EXPECT_EQ(main->windowTitle(), "Vorbix 2 - " + path);
        EXPECT_EQ(Editor().TextLength(), old.size() + 1);
        // Closing still asks about the unsaved text.
        dialogs.Cancel();
        EXPECT_FALSE(main->close());
        EXPECT_EQ(dialogs.Asked(seam::Kind::Question).size(), 1u);
    }
};

// ---- A file that may not grow: the process's file-size limit ---------------------------

struct TLimitCase {
    const char* name;
    qsizetype size;
    rlim_t limit;
};

class TextSaveOverLimit : public SaveFailure, public ::testing::WithParamInterface<TLimitCase> {};

TEST_P(TextSaveOverLimit, LeavesTheFileAndTheDocumentAsTheyWere) {
    const TLimitCase c = GetParam();
    const QByteArray old = TextOfSize(c.size);
    const QString path = FileInFolder("doc.txt", old);
    OpenAndChangeText(path);
    {
        testproc::ScopedFileSizeLimit limit(c.limit);
        ASSERT_TRUE(limit.Active());
        main->Zapisz2->trigger();
    }
    ExpectTextKeptAfterFailure(path, old);
}

INSTANTIATE_TEST_SUITE_P(Sizes, TextSaveOverLimit,
                         ::testing::Values(TLimitCase{"kib1", 1024, 512},
                                           TLimitCase{"kib20", 20 * 1024, 8192},
                                           TLimitCase{"mib10", 10 << 20, 1 << 20}),
                         [](const auto& info) { return std::string(info.param.name); });

TEST_F(SaveFailure, SaveAsOverTheLimitKeepsTheOldNameAndTheNewFileAway) {
    const QByteArray old = TextOfSize(20 * 1024);
    const QString path = FileInFolder("first.txt", old);
    OpenAndChangeText(path);
    const QString other = QFileInfo(path).absolutePath() + "/second.txt";
    dialogs.Accept(other);
    {
        testproc::ScopedFileSizeLimit limit(4096);
        main->Zapiszjako2->trigger();
    }
    EXPECT_FALSE(QFile::exists(other));
    ExpectTextKeptAfterFailure(path, old);
}

TEST_F(SaveFailure, HexSaveOverTheLimitKeepsTheFileAndTheDocument) {
    StartHex();
    const QByteArray old(1 << 20, 'S');
    const QString path = Open(old);
    Hex().ChangeByte(5, 'S', 0xEE);
    Settle();
    {
        testproc::ScopedFileSizeLimit limit(64 * 1024);
        Run(main->Speichern1);
    }
    EXPECT_EQ(Messages(), QStringList({"Vorbix|Nie mogłem zapisać pliku: " + path + "."}));
    EXPECT_TRUE(testenv::ReadFile(path) == old);
    EXPECT_TRUE(Hex().Modified());
    EXPECT_EQ(Hex().FileName(), path);
    EXPECT_EQ(HexPanel(2), "Zmieniony");
    EXPECT_TRUE(Leftovers(QFileInfo(path).absolutePath()).isEmpty());
}

TEST_F(SaveFailure, HexTextExportOverTheLimitKeepsTheOldExport) {
    StartHex();
    Open(QByteArray(40000, '\x5A'));
    const QString out = FileInFolder("export.txt", "an older export");
    dialogs.Accept(out);
    {
        testproc::ScopedFileSizeLimit limit(8192);
        Run(main->HexText1);
    }
    EXPECT_EQ(Messages(), QStringList({"Vorbix|Nie mogłem zapisać pliku: " + out + "."}));
    EXPECT_EQ(testenv::ReadFile(out), QByteArray("an older export"));
    EXPECT_TRUE(Leftovers(QFileInfo(out).absolutePath()).isEmpty());
}

// ---- A disk that is really full --------------------------------------------------------

TEST_F(SaveFailure, ATextOfTenThousandBytesOnADiskWithEightKibFree) {
    testproc::SmallDisk disk(256);
    if (!disk.Mounted()) GTEST_SKIP() << "this machine does not let the tests mount a tmpfs";
    const QByteArray old = TextOfSize(10004);
    const QString path = disk.Path("doc.txt");
    testenv::WriteFile(path, old);
    ASSERT_TRUE(disk.LeaveFree(8));
    OpenAndChangeText(path); // 10,005 bytes now
    main->Zapisz2->trigger();
    ExpectTextKeptAfterFailure(path, old);
}

TEST_F(SaveFailure, HexSaveAndExportOnAFullDisk) {
    testproc::SmallDisk disk(256);
    if (!disk.Mounted()) GTEST_SKIP() << "this machine does not let the tests mount a tmpfs";
    const QByteArray old(100 * 1024, 'o');
    const QString path = disk.Path("data.bin");
    testenv::WriteFile(path, old);
    const QString out = disk.Path("hex.txt");
    testenv::WriteFile(out, "old export");
    ASSERT_TRUE(disk.LeaveFree(8));
    StartHex();
    Hex().LoadFromFile(path);
    Hex().ChangeByte(0, 'o', 'n');
    Settle();
    Run(main->Speichern1);
    dialogs.Accept(out);
    Run(main->HexText1);
    EXPECT_EQ(Messages(), QStringList({"Vorbix|Nie mogłem zapisać pliku: " + path + ".",
                                       "Vorbix|Nie mogłem zapisać pliku: " + out + "."}));
    EXPECT_TRUE(testenv::ReadFile(path) == old);
    EXPECT_EQ(testenv::ReadFile(out), QByteArray("old export"));
    EXPECT_TRUE(Hex().Modified());
    EXPECT_TRUE(Leftovers(disk.Root()).isEmpty());
}

// ---- Links, mode and owner ----------------------------------------------------------------

TEST_F(SaveFailure, AHardLinkedTextFileIsSavedForBothNames) {
    const QString path = FileInFolder("linked.txt", "old");
    const QString twin = QFileInfo(path).absolutePath() + "/twin.txt";
    ASSERT_EQ(::link(N(path).constData(), N(twin).constData()), 0);
    OpenAndChangeText(path);
    main->Zapisz2->trigger();
    EXPECT_TRUE(Messages().isEmpty());
    EXPECT_EQ(testenv::ReadFile(twin), QByteArray("Xold"));
    EXPECT_EQ(testproc::StatOf(path).st_ino, testproc::StatOf(twin).st_ino);
    EXPECT_FALSE(main->TextModified());
}

TEST_F(SaveFailure, ALinkedTextFileStaysALinkWithItsModeAndOwner) {
    const QString real = FileInFolder("real.txt", "old");
    ASSERT_EQ(::chmod(N(real).constData(), 0604), 0);
    if (testproc::CanBecomeNobody()) {
        ASSERT_EQ(::chown(N(real).constData(), testproc::kNobody, testproc::kNobody), 0);
    }
    const struct stat before = testproc::StatOf(real);
    const QString link = testenv::ScratchPath("link.txt");
    ASSERT_EQ(::symlink(N(real).constData(), N(link).constData()), 0);
    OpenAndChangeText(link);
    main->Zapisz2->trigger();
    EXPECT_TRUE(S_ISLNK(testproc::StatOf(link).st_mode));
    EXPECT_EQ(testenv::ReadFile(real), QByteArray("Xold"));
    const struct stat after = testproc::StatOf(real);
    EXPECT_EQ(after.st_mode & 07777, 0604u);
    EXPECT_EQ(after.st_uid, before.st_uid);
    EXPECT_EQ(after.st_gid, before.st_gid);
}

TEST_F(SaveFailure, AFileThatIsNoRegularFileIsReported) {
    Start();
    Type("text");
    dialogs.Accept(kNoRegularFile);
    main->Zapiszjako2->trigger();
    EXPECT_EQ(Messages(), QStringList({kUnknownError}));
    EXPECT_TRUE(main->TextModified());
    EXPECT_TRUE(main->DialZap1.FileName.isEmpty());
}

// ---- The save dialog refuses a folder that does not exist ------------------------------------

TEST_F(SaveFailure, SaveAsIntoAMissingFolderKeepsTheDialogOpen) {
    Start();
    Type("text");
    const QString missing = testenv::ScratchPath("no-such-folder") + "/new.txt";
    const QString good = testenv::ScratchPath("good.txt");
    dialogs.Accept(missing).Accept(good);
    main->Zapiszjako2->trigger();
    EXPECT_EQ(dialogs.Asked(seam::Kind::SaveFile).size(), 2u);
    EXPECT_TRUE(Messages().isEmpty());
    EXPECT_EQ(testenv::ReadFile(good), QByteArray("text"));
    EXPECT_EQ(main->DialZap1.FileName, good);
    // Giving up after the refusal is a cancel: nothing saved, nothing reported.
    Type("!");
    dialogs.Accept(missing); // then no answer: the dialog is closed
    main->Zapiszjako2->trigger();
    EXPECT_TRUE(Messages().isEmpty());
    EXPECT_TRUE(main->TextModified());
    EXPECT_EQ(main->DialZap1.FileName, good);
}

TEST_F(SaveFailure, HexSaveDialogsRefuseAMissingFolderToo) {
    StartHex();
    Open("abc");
    const QString missing = testenv::ScratchPath("nowhere") + "/copy.bin";
    dialogs.Accept(missing).Reject();
    Run(main->AnyFile1);
    dialogs.Accept(missing).Reject();
    Run(main->HexText1);
    EXPECT_EQ(dialogs.Asked(seam::Kind::SaveFile).size(), 4u);
    EXPECT_TRUE(Messages().isEmpty());
    EXPECT_FALSE(QFileInfo::exists(QFileInfo(missing).absolutePath()));
}

} // namespace
