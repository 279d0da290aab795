// Saving: the target is replaced whole or not at all, links and permissions
// are kept, backups follow the rule, and the document state follows success.
#include "tests/hexeditor/core/recordingview.h"

#include <QDir>
#include <fcntl.h>
#include <gtest/gtest.h>

using hextest::Bytes;
using hextest::Data;
using hextest::Load;

namespace {

class Save : public ::testing::Test {
protected:
    RecordingView view;
    THexModel m{&view};

    // A document loaded from path and changed at its first byte.
    QString LoadChanged(const QByteArray& bytes, const QString& name = "doc.txt") {
        const QString path = Load(m, bytes, name);
        m.ChangeByte(0, uint8_t(bytes[0]), '#');
        return path;
    }
};

QByteArray N(const QString& p) {
    return QFile::encodeName(p);
}

QStringList Leftovers(const QString& folder) {
    return QDir(folder).entryList({"*.tmp"}, QDir::Files | QDir::Hidden | QDir::System);
}

TEST_F(Save, SavingWritesTheBytesAndResetsTheDocumentState) {
    const QString path = LoadChanged("hello");
    m.SetFileReadOnly(true);
    view.Reset();
    const QString other = testenv::ScratchPath("out.bin");
    ASSERT_TRUE(m.SaveToFile(other));
    EXPECT_EQ(testenv::ReadFile(other), QByteArray("#ello"));
    EXPECT_EQ(testenv::ReadFile(path), QByteArray("hello"));
    EXPECT_EQ(m.FileName(), other);
    EXPECT_FALSE(m.Modified());
    EXPECT_FALSE(m.FileReadOnly());
    EXPECT_FALSE(m.CanUndo());
    EXPECT_EQ(m.UndoDescription(), "No Undo");
    EXPECT_FALSE(m.IsChanged(0));
    EXPECT_GE(view.busyBegins, 1);
    EXPECT_EQ(view.busyBegins, view.busyEnds);
    EXPECT_GE(view.all, 1);
    // The document stays open and editable.
    m.ChangeByte(1, 'e', 'E');
    EXPECT_EQ(Data(m), QByteArray("#Ello"));
}

TEST_F(Save, ALargeDocumentWithInsertionsIsSavedByteForByte) {
    // Large enough to go straight to the disk, with a length on no block boundary.
    QByteArray bytes(3 * (1 << 20) + 5, '\0');
    for (int i = 0; i < bytes.size(); ++i)
        bytes[i] = char(i * 31 % 251);
    Load(m, bytes, "large.bin");
    const uint8_t ab[] = {0xAB, 0xCD};
    m.InsertBuffer(ab, 2, 1000);
    m.ChangeByte(int32_t(bytes.size()) + 1, m.ReadByte(int32_t(bytes.size()) + 1), 0x77);
    bytes.insert(1000, "\xAB\xCD", 2);
    bytes[bytes.size() - 1] = char(0x77);
    const QString out = testenv::ScratchPath("large-out.bin");
    ASSERT_TRUE(m.SaveToFile(out));
    EXPECT_TRUE(testenv::ReadFile(out) == bytes);
    EXPECT_TRUE(Data(m) == bytes);
}

TEST_F(Save, ADocumentThatNeverReceivedDataSavesAnEmptyFile) {
    THexModel fresh;
    fresh.CreateEmptyFile("Bez nazwy");
    const QString target = testenv::ScratchPath("empty.bin");
    testenv::WriteFile(target, "old content");
    EXPECT_TRUE(fresh.SaveToFile(target));
    EXPECT_EQ(QFileInfo(target).size(), 0);
    EXPECT_EQ(fresh.FileName(), target);
    EXPECT_FALSE(fresh.FileReadOnly());
}

TEST_F(Save, ANewFileGetsTheUsualPermissions) {
    LoadChanged("abc");
    const QString target = testenv::ScratchPath("new.bin");
    const mode_t old = ::umask(022);
    const bool ok = m.SaveToFile(target);
    ::umask(old);
    ASSERT_TRUE(ok);
    EXPECT_EQ(hextest::StatOf(target).st_mode & 0777, 0644u);
}

TEST_F(Save, PermissionBitsAndOwnerOfTheTargetAreKept) {
    LoadChanged("abc");
    const QString target = testenv::ScratchPath("kept.bin");
    testenv::WriteFile(target, "old");
    ASSERT_EQ(::chmod(N(target).constData(), 0640), 0);
    ASSERT_EQ(::chown(N(target).constData(), hextest::kNobody, hextest::kNobody), 0);
    ASSERT_TRUE(m.SaveToFile(target));
    const struct stat st = hextest::StatOf(target);
    EXPECT_EQ(st.st_mode & 07777, 0640u);
    EXPECT_EQ(st.st_uid, hextest::kNobody);
    EXPECT_EQ(st.st_gid, hextest::kNobody);
    EXPECT_EQ(testenv::ReadFile(target), QByteArray("#bc"));
}

TEST_F(Save, TheTargetIsReplacedByRenameSoOldOpenCopiesStayWhole) {
    LoadChanged("abc");
    const QString target = testenv::ScratchPath("renamed.bin");
    testenv::WriteFile(target, "old");
    const ino_t before = hextest::StatOf(target).st_ino;
    ASSERT_TRUE(m.SaveToFile(target));
    EXPECT_NE(hextest::StatOf(target).st_ino, before);
    EXPECT_TRUE(Leftovers(testenv::ScratchDir()).isEmpty());
}

TEST_F(Save, ASymlinkStaysALinkAndItsTargetGetsTheData) {
    LoadChanged("abc");
    const QString real = testenv::ScratchPath("real.bin");
    testenv::WriteFile(real, "old");
    const QString link = testenv::ScratchPath("link.bin");
    ASSERT_EQ(::symlink(N(real).constData(), N(link).constData()), 0);
    ASSERT_TRUE(m.SaveToFile(link));
    EXPECT_TRUE(S_ISLNK(hextest::StatOf(link).st_mode));
    EXPECT_EQ(testenv::ReadFile(real), QByteArray("#bc"));
}

TEST_F(Save, ARelativeChainOfLinksIsFollowedToTheEnd) {
    LoadChanged("abc");
    const QString folder = testenv::ScratchPath("chain");
    QDir().mkpath(folder + "/sub");
    testenv::WriteFile(folder + "/sub/real.bin", "old");
    ASSERT_EQ(::symlink("real.bin", N(folder + "/sub/l1").constData()), 0);
    ASSERT_EQ(::symlink("sub/l1", N(folder + "/l2").constData()), 0);
    ASSERT_TRUE(m.SaveToFile(folder + "/l2"));
    EXPECT_TRUE(S_ISLNK(hextest::StatOf(folder + "/l2").st_mode));
    EXPECT_TRUE(S_ISLNK(hextest::StatOf(folder + "/sub/l1").st_mode));
    EXPECT_EQ(testenv::ReadFile(folder + "/sub/real.bin"), QByteArray("#bc"));
}

TEST_F(Save, AHardLinkedTargetIsWrittenInPlaceForAllItsNames) {
    LoadChanged("abcdef");
    const QString target = testenv::ScratchPath("hard1.bin");
    testenv::WriteFile(target, "a much longer old content");
    const QString twin = testenv::ScratchPath("hard2.bin");
    ASSERT_EQ(::link(N(target).constData(), N(twin).constData()), 0);
    const ino_t before = hextest::StatOf(target).st_ino;
    ASSERT_TRUE(m.SaveToFile(target));
    EXPECT_EQ(hextest::StatOf(target).st_ino, before);
    EXPECT_EQ(testenv::ReadFile(twin), QByteArray("#bcdef"));
}

TEST_F(Save, AnUnwritableFolderIsWrittenInPlace) {
    hextest::SharedFolder folder(0755); // root's folder: nobody may not create files in it
    const QString target = folder.Path("owned.bin");
    testenv::WriteFile(target, "old content");
    ASSERT_EQ(::chown(N(target).constData(), hextest::kNobody, hextest::kNobody), 0);
    hextest::SharedFolder temp(01777);
    const QString source = temp.Path("src.bin");
    testenv::WriteFile(source, "new!");
    const ino_t before = hextest::StatOf(target).st_ino;
    const int code = hextest::RunInChild([&] {
        qputenv("TMPDIR", N(temp.Root()));
        if (!hextest::BecomeNobody()) return 10;
        THexModel doc;
        doc.LoadFromFile(source);
        if (doc.DataSize() != 4) return 11;
        return doc.SaveToFile(target) ? 0 : 12;
    });
    EXPECT_EQ(code, 0);
    EXPECT_EQ(testenv::ReadFile(target), QByteArray("new!"));
    EXPECT_EQ(hextest::StatOf(target).st_ino, before);
}

// The disk "fills up" part-way: files may not grow past 64 KiB.
int SaveWithFullDisk(const QString& source, const QString& target, bool expectModified) {
    THexModel doc;
    doc.LoadFromFile(source);
    if (doc.DataSize() != 1 << 20) return 10;
    doc.ChangeByte(5, doc.ReadByte(5), 0xEE);
    if (!hextest::LimitFileSize(64 * 1024)) return 11;
    if (doc.SaveToFile(target)) return 12;
    if (doc.Modified() != expectModified || doc.FileName() != source || !doc.CanUndo()) return 13;
    return 0;
}

TEST_F(Save, ASaveThatFailsPartWayLeavesTheTargetIntact) {
    const QString source = testenv::ScratchPath("big-src.bin");
    testenv::WriteFile(source, QByteArray(1 << 20, 'S'));
    const QString folder = testenv::ScratchPath("fullfolder");
    QDir().mkpath(folder);
    const QString target = folder + "/target.bin";
    testenv::WriteFile(target, "the user's precious file");
    const int code = hextest::RunInChild([&] { return SaveWithFullDisk(source, target, true); });
    EXPECT_EQ(code, 0);
    EXPECT_EQ(testenv::ReadFile(target), QByteArray("the user's precious file"));
    EXPECT_TRUE(Leftovers(folder).isEmpty());
}

TEST_F(Save, AnInPlaceSaveWithoutRoomLeavesTheTargetIntact) {
    const QString source = testenv::ScratchPath("big-src2.bin");
    testenv::WriteFile(source, QByteArray(1 << 20, 'S'));
    const QString target = testenv::ScratchPath("linked.bin");
    testenv::WriteFile(target, "linked and precious");
    const QString twin = testenv::ScratchPath("linked2.bin");
    ASSERT_EQ(::link(N(target).constData(), N(twin).constData()), 0);
    const int code = hextest::RunInChild([&] { return SaveWithFullDisk(source, target, true); });
    EXPECT_EQ(code, 0);
    EXPECT_EQ(testenv::ReadFile(twin), QByteArray("linked and precious"));
}

TEST_F(Save, SavingOntoAFolderFails) {
    LoadChanged("abc");
    EXPECT_FALSE(m.SaveToFile(testenv::ScratchDir()));
    EXPECT_TRUE(m.Modified());
    EXPECT_TRUE(m.CanUndo());
}

TEST_F(Save, SavingIntoAMissingFolderFails) {
    LoadChanged("abc");
    EXPECT_FALSE(m.SaveToFile(testenv::ScratchPath("nowhere") + "/x.bin"));
}

// ---- Backup --------------------------------------------------------------------------------

TEST_F(Save, SavingInPlaceModifiedMakesABackupWithTheExtensionReplaced) {
    const QString path = LoadChanged("version 1", "report.txt");
    ASSERT_TRUE(m.SaveToFile(path));
    const QString backup = path.left(path.size() - 4) + ".bak";
    EXPECT_EQ(testenv::ReadFile(backup), QByteArray("version 1"));
    EXPECT_FALSE(QFile::exists(path + ".bak"));
    EXPECT_EQ(testenv::ReadFile(path), QByteArray("#ersion 1"));
    // A second save overwrites the older backup.
    m.ChangeByte(1, 'e', 'E');
    ASSERT_TRUE(m.SaveToFile(path));
    EXPECT_EQ(testenv::ReadFile(backup), QByteArray("#ersion 1"));
}

TEST_F(Save, NoBackupWithoutChangesUnderAnotherNameOrWhenSwitchedOff) {
    const QString path = Load(m, QByteArray("same"), "plain.txt");
    const QString backup = path.left(path.size() - 4) + ".bak";
    ASSERT_TRUE(m.SaveToFile(path));
    EXPECT_FALSE(QFile::exists(backup));
    m.ChangeByte(0, 's', 'S');
    ASSERT_TRUE(m.SaveToFile(testenv::ScratchPath("other.txt")));
    EXPECT_FALSE(QFile::exists(backup));
    m.LoadFromFile(path);
    m.SetCreateBackup(false);
    m.ChangeByte(0, 's', 'S');
    ASSERT_TRUE(m.SaveToFile(path));
    EXPECT_FALSE(QFile::exists(backup));
}

TEST_F(Save, SavingOntoTheSourceUnderAnotherSpellingWorksAndKeepsTheBackup) {
    const QString path = LoadChanged("original", "spelled.txt");
    const QFileInfo info(path);
    const QString other = info.absolutePath() + "/./../" +
                          QFileInfo(info.absolutePath()).fileName() + "/" + info.fileName();
    ASSERT_NE(other, path);
    ASSERT_TRUE(m.SaveToFile(other));
    EXPECT_EQ(testenv::ReadFile(path), QByteArray("#riginal"));
    EXPECT_EQ(testenv::ReadFile(info.absolutePath() + "/" + info.completeBaseName() + ".bak"),
              QByteArray("original"));
}

TEST_F(Save, AFailingBackupStopsTheSaveAndChangesNothing) {
    const QString path = LoadChanged("keep me", "blocked.txt");
    const QString backup = path.left(path.size() - 4) + ".bak";
    QDir().mkpath(backup); // a folder where the backup should go
    EXPECT_FALSE(m.SaveToFile(path));
    EXPECT_EQ(testenv::ReadFile(path), QByteArray("keep me"));
    EXPECT_TRUE(m.Modified());
    EXPECT_TRUE(m.CanUndo());
    EXPECT_EQ(view.busyDepth, 0);
}

TEST_F(Save, ACustomBackupExtensionIsUsed) {
    const QString path = LoadChanged("v1", "custom.dat");
    m.SetBackupExtension(".old");
    ASSERT_TRUE(m.SaveToFile(path));
    EXPECT_EQ(testenv::ReadFile(path.left(path.size() - 4) + ".old"), QByteArray("v1"));
}

} // namespace
