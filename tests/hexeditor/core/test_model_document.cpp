// The document's lifecycle: construction, the working file, new and load.
#include "hexeditor/core/displaywindow.h"
#include "tests/hexeditor/core/recordingview.h"

#include <QDir>
#include <QRegularExpression>
#include <fcntl.h>
#include <gtest/gtest.h>
#include <time.h>

using hextest::Bytes;
using hextest::Data;
using hextest::Load;

namespace {

class Document : public ::testing::Test {
protected:
    RecordingView view;
    THexModel m{&view};
};

// Points the temporary folder somewhere else for one test.
class TempFolderOverride {
public:
    explicit TempFolderOverride(const QString& folder) : old_(qgetenv("TMPDIR")) {
        had_ = qEnvironmentVariableIsSet("TMPDIR");
        qputenv("TMPDIR", QFile::encodeName(folder));
    }
    ~TempFolderOverride() {
        if (had_)
            qputenv("TMPDIR", old_);
        else
            qunsetenv("TMPDIR");
    }

private:
    QByteArray old_;
    bool had_ = false;
};

QStringList WorkFilesIn(const QString& folder) {
    return QDir(folder).entryList({"*.ZQHT"}, QDir::Files | QDir::System | QDir::Hidden);
}

TEST_F(Document, ANewDocumentHasTheDefaults) {
    THexModel fresh;
    EXPECT_EQ(fresh.FileName(), "---");
    EXPECT_TRUE(fresh.FileReadOnly());
    EXPECT_FALSE(fresh.Modified());
    EXPECT_EQ(fresh.DataSize(), 0);
    EXPECT_EQ(fresh.UndoDescription(), "No Undo");
    EXPECT_FALSE(fresh.CanUndo());
    EXPECT_EQ(fresh.BytesPerLine(), 16);
    EXPECT_EQ(fresh.Translation(), 0);
    EXPECT_TRUE(fresh.MaskWhiteSpaces());
    EXPECT_EQ(fresh.MaskChar(), '.');
    EXPECT_FALSE(fresh.SwapNibbles());
    EXPECT_TRUE(fresh.CreateBackup());
    EXPECT_EQ(fresh.BackupExtension(), ".bak");
    EXPECT_FALSE(fresh.NoSizeChange());
    EXPECT_FALSE(fresh.AllowInsertMode());
    EXPECT_EQ(fresh.Caret(), (THexCell{2, 0}));
    EXPECT_EQ(fresh.SelAnchor(), -1);
    EXPECT_EQ(fresh.SelLow(), -1);
    EXPECT_EQ(fresh.SelHigh(), -1);
    EXPECT_EQ(THexDisplayWindow().Start(fresh), -1);
    for (int i = 0; i < 10; ++i)
        EXPECT_EQ(fresh.GetMarker(i), 0);
}

// ---- Working file ----------------------------------------------------------------------

TEST_F(Document, TheWorkingFileIsNamedByTheTickInTheTempFolderAndPrivate) {
    const QString name = m.WorkFileName();
    const QString folder = QDir::tempPath();
    EXPECT_TRUE(
        QRegularExpression("^" + QRegularExpression::escape(folder) + "/[0-9A-F]{8}\\.ZQHT$")
            .match(name)
            .hasMatch())
        << name.toStdString();
    const struct stat st = hextest::StatOf(name);
    EXPECT_TRUE(S_ISREG(st.st_mode));
    EXPECT_EQ(st.st_mode & 0777, 0600u);
    EXPECT_EQ(st.st_uid, ::geteuid());
}

TEST_F(Document, TheWorkingFileGoesWithTheDocument) {
    QString name;
    {
        THexModel doc;
        name = doc.WorkFileName();
        Load(doc, Bytes({1, 2, 3}));
        EXPECT_TRUE(QFile::exists(name));
    }
    EXPECT_FALSE(QFile::exists(name));
}

TEST_F(Document, TwoDocumentsNeverShareAWorkingFile) {
    THexModel a, b, c;
    EXPECT_NE(a.WorkFileName(), b.WorkFileName());
    EXPECT_NE(b.WorkFileName(), c.WorkFileName());
    Load(a, Bytes({1}));
    Load(b, Bytes({2, 2}));
    EXPECT_EQ(Data(a), Bytes({1}));
    EXPECT_EQ(Data(b), Bytes({2, 2}));
}

TEST_F(Document, APlantedSymlinkIsNeverFollowed) {
    const QString folder = testenv::ScratchPath("tmp");
    QDir().mkpath(folder);
    const QString victim = testenv::ScratchPath("victim");
    testenv::WriteFile(victim, "precious");
    // Plant links under every name the next few seconds of ticks would give.
    timespec ts{};
    clock_gettime(CLOCK_MONOTONIC, &ts);
    const uint32_t tick = uint32_t(uint64_t(ts.tv_sec) * 1000u + uint64_t(ts.tv_nsec) / 1000000u);
    for (uint32_t t = tick - 5; t != tick + 3000; ++t) {
        const QString name =
            folder + QStringLiteral("/%1.ZQHT").arg(t, 8, 16, QLatin1Char('0')).toUpper();
        ASSERT_EQ(
            ::symlink(QFile::encodeName(victim).constData(), QFile::encodeName(name).constData()),
            0);
    }
    TempFolderOverride over(folder);
    THexModel doc;
    ASSERT_FALSE(doc.WorkFileName().isEmpty());
    EXPECT_TRUE(S_ISREG(hextest::StatOf(doc.WorkFileName()).st_mode));
    Load(doc, QByteArray("overwritten?"));
    doc.ChangeByte(0, 'o', 'O');
    EXPECT_EQ(testenv::ReadFile(victim), QByteArray("precious"));
    QDir(folder).removeRecursively();
}

// ---- New document ------------------------------------------------------------------------

TEST_F(Document, CreateEmptyFileStartsAnEmptyReadOnlyDocument) {
    Load(m, Bytes({1, 2, 3}));
    m.ChangeByte(0, 1, 2);
    m.SetSelStart(1);
    m.SetSelEnd(2);
    int calls = 0;
    m.OnStateChanged = [&] { ++calls; };
    m.CreateEmptyFile("Bez nazwy");
    EXPECT_GE(calls, 1); // emptying the journal tells at once
    EXPECT_EQ(m.FileName(), "Bez nazwy");
    EXPECT_EQ(m.DataSize(), 0);
    EXPECT_FALSE(m.Modified());
    EXPECT_TRUE(m.FileReadOnly());
    EXPECT_FALSE(m.CanUndo());
    EXPECT_EQ(m.SelAnchor(), -1);
    EXPECT_EQ(m.Caret(), (THexCell{2, 0}));
    EXPECT_FALSE(m.IsChanged(0));
    EXPECT_EQ(m.RowCount(), 1);
}

// ---- Load --------------------------------------------------------------------------------

TEST_F(Document, LoadTakesTheFileAndResetsTheState) {
    m.CreateEmptyFile("x");
    const uint8_t b[] = {1, 2};
    m.AppendBuffer(b, 2);
    m.MoveCaret(3, 0);
    const QString work = m.WorkFileName();
    view.Reset();
    const QString path = Load(m, QByteArray("abcdefghijklmnopq"));
    EXPECT_EQ(Data(m), QByteArray("abcdefghijklmnopq"));
    EXPECT_EQ(m.FileName(), path);
    EXPECT_FALSE(m.Modified());
    EXPECT_FALSE(m.FileReadOnly());
    EXPECT_FALSE(m.CanUndo());
    EXPECT_EQ(m.Caret(), (THexCell{2, 0}));
    EXPECT_EQ(m.SelCount(), 0);
    EXPECT_EQ(m.RowCount(), 2);
    EXPECT_EQ(m.WorkFileName(), work);
    EXPECT_GE(view.busyBegins, 1);
    EXPECT_EQ(view.busyBegins, view.busyEnds);
    EXPECT_GE(view.gridChanges, 1);
}

TEST_F(Document, TheWorkingCopyIsIndependentOfTheSource) {
    const QString path = Load(m, QByteArray("abc"));
    m.ChangeByte(0, 'a', 'z');
    EXPECT_EQ(testenv::ReadFile(path), QByteArray("abc"));
    testenv::WriteFile(path, "xyz");
    EXPECT_EQ(Data(m), QByteArray("zbc"));
}

TEST_F(Document, LoadOfAMissingFileKeepsTheDocumentButMarksItReadOnly) {
    const QString path = Load(m, QByteArray("abc"));
    m.ChangeByte(0, 'a', 'z');
    m.LoadFromFile(testenv::ScratchPath("missing"));
    EXPECT_EQ(Data(m), QByteArray("zbc"));
    EXPECT_EQ(m.FileName(), path);
    EXPECT_TRUE(m.Modified());
    EXPECT_TRUE(m.CanUndo());
    EXPECT_TRUE(m.FileReadOnly());
}

TEST_F(Document, LoadOfAFolderKeepsTheDocument) {
    Load(m, QByteArray("abc"));
    m.LoadFromFile(testenv::ScratchDir());
    EXPECT_EQ(Data(m), QByteArray("abc"));
}

TEST_F(Document, LoadOfAFileAbove2GiBKeepsTheDocument) {
    Load(m, QByteArray("abc"));
    const QString big = testenv::ScratchPath("toolarge");
    {
        QFile f(big);
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        ASSERT_TRUE(f.resize(int64_t(1) << 31));
    }
    m.LoadFromFile(big);
    QFile::remove(big);
    EXPECT_EQ(Data(m), QByteArray("abc"));
}

TEST_F(Document, ALoadWhoseCopyFailsKeepsTheOldDocumentWhole) {
    const QString folder = testenv::ScratchPath("tmp-copyfail");
    QDir().mkpath(folder);
    const QString big = testenv::ScratchPath("big.bin");
    testenv::WriteFile(big, QByteArray(256 * 1024, 'B'));
    const int code = hextest::RunInChild([&] {
        TempFolderOverride over(folder);
        THexModel doc;
        const QString original = Load(doc, QByteArray("old document"));
        doc.ChangeByte(0, 'o', 'O');
        if (!hextest::LimitFileSize(64 * 1024)) return 10;
        doc.LoadFromFile(big); // the working copy cannot grow past 64 KiB
        if (Data(doc) != QByteArray("Old document")) return 11;
        if (doc.FileName() != original) return 12;
        if (!doc.Modified() || doc.UndoCount() != 1) return 13;
        if (!doc.FileReadOnly()) return 14;
        if (WorkFilesIn(folder).size() != 1) // the failed copy is gone
            return 15;
        doc.Undo();
        return Data(doc) == QByteArray("old document") ? 0 : 16;
    });
    EXPECT_EQ(code, 0);
    QDir(folder).removeRecursively();
}

TEST_F(Document, AReadOnlySourceLoadsAsReadOnlyAndStillEdits) {
    hextest::SharedFolder shared(0755);
    const QString path = shared.Path("ro.bin");
    testenv::WriteFile(path, "read only"); // root's file, 0644: nobody may only read it
    ::chmod(QFile::encodeName(path).constData(), 0644);
    hextest::SharedFolder temp(01777);
    const int code = hextest::RunInChild([&] {
        TempFolderOverride over(temp.Root());
        if (!hextest::BecomeNobody()) return 10;
        THexModel doc;
        doc.LoadFromFile(path);
        if (doc.DataSize() != 9 || doc.FileName() != path) return 11;
        if (!doc.FileReadOnly()) return 12;
        doc.ChangeByte(0, 'r', 'R');
        if (doc.ReadByte(0) != 'R' || !doc.Modified()) return 13;
        if (doc.SaveToFile(path)) // the user may not write it
            return 14;
        if (!doc.Modified() || doc.FileName() != path) return 15;
        return 0;
    });
    EXPECT_EQ(code, 0);
    EXPECT_EQ(testenv::ReadFile(path), QByteArray("read only"));
}

TEST_F(Document, AWritableSourceLoadsAsWritable) {
    Load(m, QByteArray("rw"));
    EXPECT_FALSE(m.FileReadOnly());
}

// ---- Properties ------------------------------------------------------------------------------

TEST_F(Document, ForcingReadOnlyPostsOnlyWhenItTurnsOn) {
    Load(m, QByteArray("rw"));
    hextest::DiscardPosted();
    m.SetFileReadOnly(true);
    EXPECT_EQ(hextest::DeliverPosted(m), 1);
    m.SetFileReadOnly(true);
    EXPECT_EQ(hextest::DeliverPosted(m), 0);
    m.SetFileReadOnly(false);
    EXPECT_EQ(hextest::DeliverPosted(m), 0);
    EXPECT_FALSE(m.FileReadOnly());
}

TEST_F(Document, InsertPermissionSettersPostOnChange) {
    hextest::DiscardPosted();
    m.SetAllowInsertMode(true);
    EXPECT_EQ(hextest::DeliverPosted(m), 1);
    m.SetNoSizeChange(true);
    EXPECT_EQ(hextest::DeliverPosted(m), 1);
    m.SetNoSizeChange(true);
    EXPECT_EQ(hextest::DeliverPosted(m), 0);
}

TEST_F(Document, CharacterColumnSettersRepaintOnlyOnChange) {
    view.Reset();
    m.SetTranslation(4);
    m.SetTranslation(4);
    m.SetMaskWhiteSpaces(false);
    m.SetMaskWhiteSpaces(false);
    m.SetMaskChar('*');
    m.SetMaskChar('*');
    m.SetSwapNibbles(true);
    m.SetSwapNibbles(true);
    EXPECT_EQ(view.all, 4);
    EXPECT_EQ(m.Translation(), 4);
    EXPECT_FALSE(m.MaskWhiteSpaces());
    EXPECT_EQ(m.MaskChar(), '*');
    EXPECT_TRUE(m.SwapNibbles());
}

TEST_F(Document, WithoutAViewEverythingStillWorks) {
    THexModel bare;
    Load(bare, Bytes({1, 2, 3}));
    bare.MoveCaret(4, 0);
    bare.ChangeByte(1, 2, 5);
    bare.SetBytesPerLine(2);
    bare.BeginBusy();
    bare.EndBusy();
    bare.Repaint();
    EXPECT_EQ(Data(bare), Bytes({1, 5, 3}));
    EXPECT_EQ(bare.RowCount(), 2);
}

} // namespace
