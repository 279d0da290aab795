// The hex tab's "&Plik" commands, its status bar and caption, and Ctrl+A.
#include "tests/app/hexfixture.h"

#include <QDir>
#include <QFile>
#include <grp.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

namespace {
class HexFile : public HexProgramTest {};
const QString kSaveFailed = QStringLiteral("Vorbix|Nie mogłem zapisać pliku: ");
} // namespace

// ---- Status bar and caption ----------------------------------------------------------

TEST_F(HexFile, EmptyDocumentShowsPositionZeroNoSelectionZeroBytesAndUntitledCaption) {
    StartHex();
    EXPECT_EQ(HexPanel(0), "Poz: 0");
    EXPECT_EQ(HexPanel(1), "");
    EXPECT_EQ(HexPanel(2), "Nie zmieniony");
    EXPECT_EQ(HexPanel(3), Hex().InsertMode() ? "WST" : "NAD");
    EXPECT_EQ(HexPanel(4), "0 B");
    EXPECT_EQ(main->windowTitle(), "Vorbix 2 - Bez nazwy");
    EXPECT_EQ(main->Gradient->FormCaption(), "Vorbix 2 - Bez nazwy");
}

TEST_F(HexFile, SelectionShowsItsLowerAndUpperEndWhicheverEndItStartedFrom) {
    StartHex();
    Open(QByteArray(12, 'x'));
    Hex().SetSelStart(5);
    Hex().SetSelEnd(9);
    Settle();
    EXPECT_EQ(HexPanel(1), "5 - 9");
    Hex().SetSelStart(9);
    Hex().SetSelEnd(5);
    Settle();
    EXPECT_EQ(HexPanel(1), "5 - 9");
    EXPECT_EQ(HexPanel(4), "12 B");
    Hex().ClearSelection(true);
    Hex().PostStateChanged();
    Settle();
    EXPECT_EQ(HexPanel(1), "");
}

TEST_F(HexFile, ChangeShowsModifiedPositionAndSize) {
    StartHex();
    Open("abcd");
    const uint8_t b = 0x11;
    Hex().AppendBuffer(&b, 1);
    Settle();
    EXPECT_EQ(HexPanel(0), "Poz: 4");
    EXPECT_EQ(HexPanel(2), "Zmieniony");
    EXPECT_EQ(HexPanel(4), "5 B");
}

TEST_F(HexFile, CaptionFollowsTheHexDocumentAlsoWhileTheTextTabIsInFront) {
    Start();
    const QString path = Open("abc");
    EXPECT_NE(main->windowTitle(), "Vorbix 2 - " + path); // the text tab owns the title
    EXPECT_EQ(main->Tyt2, "Vorbix 2 - " + path);
    main->PageControl1->setCurrentIndex(1);
    Settle();
    EXPECT_EQ(main->windowTitle(), "Vorbix 2 - " + path);
}

// ---- New, Open, Save ---------------------------------------------------------------------

TEST_F(HexFile, NewOnModifiedDocumentAsksAndCancelKeepsEverything) {
    StartHex();
    const QString path = Open("abc");
    Hex().ChangeByte(0, 'a', 'z');
    Settle();
    dialogs.Cancel();
    Run(main->Neu1);
    EXPECT_EQ(dialogs.Asked(seam::Kind::Question).size(), 1u);
    EXPECT_EQ(Data(), QByteArray("zbc"));
    EXPECT_EQ(Hex().FileName(), path);
    EXPECT_TRUE(Hex().Modified());
}

TEST_F(HexFile, NewAfterNoStartsAnUntitledEmptyDocument) {
    StartHex();
    Open("abc");
    Hex().ChangeByte(0, 'a', 'z');
    dialogs.No();
    Run(main->Neu1);
    EXPECT_EQ(Hex().DataSize(), 0);
    EXPECT_EQ(Hex().FileName(), "Bez nazwy");
    EXPECT_TRUE(Hex().FileReadOnly());
    EXPECT_FALSE(Hex().CanUndo());
    EXPECT_EQ(main->windowTitle(), "Vorbix 2 - Bez nazwy");
    EXPECT_EQ(HexPanel(2), "Nie zmieniony");
}

TEST_F(HexFile, OpenLoadsTheChosenFileAndNamesTheWindow) {
    StartHex();
    const QString path = testenv::ScratchPath("open.bin");
    testenv::WriteFile(path, "\x01\x02\x03");
    dialogs.Accept(path);
    Run(main->ffnen1);
    ASSERT_EQ(dialogs.Asked(seam::Kind::OpenFile).size(), 1u);
    EXPECT_EQ(dialogs.Asked(seam::Kind::OpenFile)[0].filter, "Wszytkie pliki|*.*");
    EXPECT_EQ(Data(), QByteArray("\x01\x02\x03"));
    EXPECT_FALSE(Hex().FileReadOnly());
    EXPECT_EQ(main->windowTitle(), "Vorbix 2 - " + path);
    EXPECT_EQ(HexPanel(4), "3 B");
}

TEST_F(HexFile, OpenOfAnUnreadableFileKeepsTheDocumentSilentlyAndNextSaveAsksForAName) {
    StartHex();
    const QString path = Open("abc");
    const QString folder = testenv::ScratchPath("a-folder");
    ASSERT_TRUE(QDir().mkpath(folder));
    for (const QString& bad : {testenv::ScratchPath("missing.bin"), folder}) {
        dialogs.Accept(bad);
        Run(main->ffnen1);
        EXPECT_TRUE(dialogs.Asked(seam::Kind::Message).empty());
        EXPECT_EQ(Data(), QByteArray("abc"));
        EXPECT_EQ(Hex().FileName(), path);
        EXPECT_TRUE(Hex().FileReadOnly());
    }
    dialogs.Reject();
    Run(main->Speichern1);
    EXPECT_EQ(dialogs.Asked(seam::Kind::SaveFile).size(), 1u);
    EXPECT_EQ(testenv::ReadFile(path), QByteArray("abc"));
}

TEST_F(HexFile, SaveOfAFileThatCannotBeWrittenAsksForANameInstead) {
    if (::geteuid() != 0) GTEST_SKIP() << "needs root to become another user";
    StartHex();
    // A folder another user can reach: the scratch folder is private.
    char folder[] = "/tmp/vorbix-hexro-XXXXXX";
    ASSERT_NE(::mkdtemp(folder), nullptr);
    ::chmod(folder, 0777);
    const QString root = QString::fromLocal8Bit(folder);
    const QString path = root + "/readonly.bin";
    testenv::WriteFile(path, "abc");
    ::chmod(QFile::encodeName(path).constData(), 0444);

    const pid_t pid = ::fork();
    if (pid == 0) {
        int code = 10;
        if (::setgroups(0, nullptr) == 0 && ::setgid(65534) == 0 && ::setuid(65534) == 0) {
            qputenv("TMPDIR", QFile::encodeName(root));
            dialogs.Accept(path).Reject();
            Run(main->ffnen1);
            Hex().ChangeByte(0, 'a', 'z');
            Run(main->Speichern1);
            code = Data() != QByteArray("zbc")                        ? 11
                   : !Hex().FileReadOnly()                            ? 12
                   : dialogs.Asked(seam::Kind::SaveFile).size() != 1u ? 13
                   : !Messages().isEmpty()                            ? 14
                                                                      : 0;
        }
        ::_exit(code);
    }
    int status = 0;
    ASSERT_EQ(::waitpid(pid, &status, 0), pid);
    EXPECT_TRUE(WIFEXITED(status));
    EXPECT_EQ(WEXITSTATUS(status), 0);
    EXPECT_EQ(testenv::ReadFile(path), QByteArray("abc"));
    QDir(root).removeRecursively();
}

TEST_F(HexFile, CancelledOpenChangesNothing) {
    StartHex();
    const QString path = Open("abc");
    dialogs.Reject();
    Run(main->ffnen1);
    EXPECT_EQ(Hex().FileName(), path);
    EXPECT_FALSE(Hex().FileReadOnly());
}

TEST_F(HexFile, SaveWritesANamedWritableDocumentInPlace) {
    StartHex();
    const QString path = Open("abc");
    Hex().ChangeByte(1, 'b', 'Q');
    Run(main->Speichern1);
    EXPECT_TRUE(dialogs.Asked().empty());
    EXPECT_EQ(testenv::ReadFile(path), QByteArray("aQc"));
    EXPECT_EQ(HexPanel(2), "Nie zmieniony");
}

TEST_F(HexFile, SaveOfAnUntitledDocumentAsksAndTakesTheNewName) {
    StartHex();
    const uint8_t bytes[2] = {0xDE, 0xAD};
    Hex().AppendBuffer(bytes, 2);
    const QString path = testenv::ScratchPath("fresh.bin");
    dialogs.Accept(path);
    EXPECT_TRUE(main->SaveHexFile());
    ASSERT_EQ(dialogs.Asked(seam::Kind::SaveFile).size(), 1u);
    EXPECT_EQ(dialogs.Asked(seam::Kind::SaveFile)[0].filter, "Wszystkie pliki|*.*");
    EXPECT_EQ(testenv::ReadFile(path), QByteArray("\xDE\xAD"));
    EXPECT_EQ(Hex().FileName(), path);
    EXPECT_FALSE(Hex().FileReadOnly());
    EXPECT_FALSE(Hex().Modified());
}

TEST_F(HexFile, FailedSaveNamesTheFileAndKeepsTheDocument) {
    StartHex();
    const uint8_t b = 0x42;
    Hex().AppendBuffer(&b, 1);
    const QString bad = kNoRegularFile;
    dialogs.Accept(bad);
    EXPECT_FALSE(main->SaveHexFile());
    EXPECT_EQ(Messages(), QStringList({kSaveFailed + bad + "."}));
    EXPECT_EQ(Hex().FileName(), "Bez nazwy");
    EXPECT_TRUE(Hex().Modified());
}

TEST_F(HexFile, FailedSaveStopsTheNewThatAskedForIt) {
    StartHex();
    const uint8_t b = 0x42;
    Hex().AppendBuffer(&b, 1);
    const QString bad = kNoRegularFile;
    dialogs.Yes().Accept(bad);
    Run(main->Neu1);
    EXPECT_EQ(Messages(), QStringList({kSaveFailed + bad + "."}));
    EXPECT_EQ(Hex().DataSize(), 1);
}

TEST_F(HexFile, SaveAsPlainFileWritesAndRenamesOrReportsFailure) {
    StartHex();
    Open("xyz");
    const QString path = testenv::ScratchPath("copy.bin");
    dialogs.Accept(path);
    Run(main->AnyFile1);
    EXPECT_EQ(testenv::ReadFile(path), QByteArray("xyz"));
    EXPECT_EQ(Hex().FileName(), path);
    const QString bad = kNoRegularFile;
    dialogs.Accept(bad);
    Run(main->AnyFile1);
    EXPECT_EQ(Messages(), QStringList({kSaveFailed + bad + "."}));
    EXPECT_EQ(Hex().FileName(), path);
}

// ---- Hex text export and import ---------------------------------------------------------

TEST_F(HexFile, HexTextExportWritesTwoDigitsPerByteAndKeepsTheDocument) {
    StartHex();
    const QString path = Open("\x01\xAB\xFF");
    Hex().ChangeByte(0, 0x01, 0x01); // no change: the document stays unmodified
    const QString out = testenv::ScratchPath("out.txt");
    dialogs.Accept(out);
    Run(main->HexText1);
    EXPECT_EQ(testenv::ReadFile(out), QByteArray("01ABFF"));
    EXPECT_EQ(Hex().FileName(), path);
    EXPECT_FALSE(Hex().Modified());
    Hex().SetSwapNibbles(true);
    dialogs.Accept(out);
    Run(main->HexText1);
    EXPECT_EQ(testenv::ReadFile(out), QByteArray("10BAFF"));
}

TEST_F(HexFile, HexTextExportFailureShowsTheSaveMessage) {
    StartHex();
    Open("\x01");
    const QString bad = kNoRegularFile;
    dialogs.Accept(bad);
    Run(main->HexText1);
    EXPECT_EQ(Messages(), QStringList({kSaveFailed + bad + "."}));
}

TEST_F(HexFile, ImportReplacesTheWholeDataAsOneUndoableStep) {
    StartHex();
    const QString path = Open("\x10\x20\x30\x40");
    const QString in = testenv::ScratchPath("in.txt");
    testenv::WriteFile(in, "01 ab,FF\n");
    dialogs.Accept(in);
    Run(main->ImportfromHexText1);
    EXPECT_EQ(Data(), QByteArray("\x01\xAB\xFF"));
    EXPECT_EQ(Hex().FileName(), path);
    EXPECT_EQ(HexPanel(2), "Zmieniony");
    Run(main->Rckgngig1);
    EXPECT_EQ(Data(), QByteArray("\x10\x20\x30\x40"));
    EXPECT_FALSE(Hex().CanUndo());
}

TEST_F(HexFile, ImportOfAnUnreadableFileSaysSoAndLeavesTheDocument) {
    StartHex();
    Open("\x10\x20");
    const QString folder = testenv::ScratchPath("dir.txt");
    ASSERT_TRUE(QDir().mkpath(folder));
    dialogs.Accept(folder).Accept(testenv::ScratchPath("gone.txt"));
    Run(main->ImportfromHexText1);
    Run(main->ImportfromHexText1);
    const QString failed = "Vorbix|Operacja wczytania pliku nie powiodła się.";
    EXPECT_EQ(Messages(), QStringList({failed, failed}));
    EXPECT_EQ(Data(), QByteArray("\x10\x20"));
    EXPECT_FALSE(Hex().Modified());
}

// ---- Ctrl+A and the "&Plik" caption --------------------------------------------------------

TEST_F(HexFile, CtrlAAppendsOneFFByteAndSelectsIt) {
    StartHex();
    Open("ab");
    QTest::keyClick(&Hex(), Qt::Key_A, Qt::ControlModifier);
    Settle();
    EXPECT_EQ(Data(), QByteArray("ab\xFF"));
    EXPECT_EQ(Hex().SelCount(), 1);
    EXPECT_EQ(qMin(Hex().SelStart(), Hex().SelEnd()), 2);
    Run(main->Rckgngig1);
    EXPECT_EQ(Data(), QByteArray("ab"));
}

TEST_F(HexFile, CtrlShiftAAndAltADoNotAppend) {
    StartHex();
    Open("ab");
    QTest::keyClick(&Hex(), Qt::Key_A, Qt::ControlModifier | Qt::ShiftModifier);
    QTest::keyClick(&Hex(), Qt::Key_A, Qt::AltModifier);
    Settle();
    EXPECT_EQ(Hex().DataSize(), 2);
    EXPECT_EQ(Data().left(2), QByteArray("ab"));
}

TEST_F(HexFile, KeyDownTakesOnlyExactlyCtrlA) {
    StartHex();
    int key = Qt::Key_A;
    main->HexEditor1KeyDown(key, Qt::ControlModifier | Qt::ShiftModifier);
    EXPECT_EQ(key, Qt::Key_A);
    key = Qt::Key_B;
    main->HexEditor1KeyDown(key, Qt::ControlModifier);
    EXPECT_EQ(key, Qt::Key_B);
    key = Qt::Key_A;
    main->HexEditor1KeyDown(key, Qt::ControlModifier);
    EXPECT_EQ(key, 0);
    EXPECT_EQ(Hex().DataSize(), 1);
}

TEST_F(HexFile, PlikMenuNamesTheConversionAfterTheSelection) {
    StartHex();
    Open("abcdef");
    OpenMenu(main->Datei1);
    EXPECT_EQ(main->Convertfile1->text(), "Konwertuj plik");
    Hex().SetSelStart(1);
    Hex().SetSelEnd(3);
    OpenMenu(main->Datei1);
    EXPECT_EQ(main->Convertfile1->text(), "Konwertuj zaznaczenie");
    Hex().ClearSelection(true);
    OpenMenu(main->Datei1);
    EXPECT_EQ(main->Convertfile1->text(), "Konwertuj plik");
}

TEST_F(HexFile, ToolButtonsRunTheFileCommands) {
    StartHex();
    const QString path = Open("abc");
    Hex().ChangeByte(0, 'a', 'b');
    Run(main->SpeedItem3);
    EXPECT_EQ(testenv::ReadFile(path), QByteArray("bbc"));
    Run(main->SpeedItem1);
    EXPECT_EQ(Hex().FileName(), "Bez nazwy");
    dialogs.Reject();
    Run(main->SpeedItem2);
    EXPECT_EQ(dialogs.Asked(seam::Kind::OpenFile).size(), 1u);
}
