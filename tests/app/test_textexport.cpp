// The text tab's RTF export, insert from a file and append to a file, driven
// through their menu items with scripted dialogs.
#include "appcore/rtfreader.h"
#include "tests/app/immutablefile.h"
#include "tests/app/programfixture.h"
#include "tests/common/testenv.h"

#include <QClipboard>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QGuiApplication>
#include <QProcess>

namespace {
const QString kExportFailed =
    QStringLiteral("Eksport do RTF|Operacja eksportu do formatu RTF nie powiodła się.");
const QString kAppendFailed =
    QStringLiteral("Wstaw tekst do pliku|Operacja wstawiania tekstu do pliku nie powiodła się.");

QByteArray Sample(const QString& name) {
    QFile f(QStringLiteral(VORBIX_TEST_DATA "/rtf/") + name);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

// Every byte from 0x20 to 0xFF as the editor holds them.
QString AllPrintableBytes() {
    QByteArray bytes;
    for (int b = 0x20; b <= 0xFF; ++b)
        bytes.append(char(b));
    return cp1250::Decode(bytes);
}

} // namespace

class TextExport : public ProgramTest {
protected:
    // A named, modified document: what must stay as it is.
    void StartModified(const QString& text) {
        documentPath = testenv::ScratchPath("document.txt");
        testenv::WriteFile(documentPath, "");
        Start({documentPath});
        Editor().SetSelText(text + "!");
        Editor().SelectAll();
        Editor().SetSelText(text); // modified even when the text is empty
        ASSERT_TRUE(main->TextModified());
    }
    void ExpectDocumentStateUnchanged() {
        EXPECT_EQ(TextPanel(0), "Zmieniony");
        EXPECT_EQ(main->windowTitle(), "Vorbix 2 - " + documentPath);
        EXPECT_EQ(main->DialZap1.FileName, documentPath);
    }
    QString documentPath;
};

// ---- Export to RTF ----------------------------------------------------------------

TEST_F(TextExport, ExportAsksForAnRtfNameAndWritesTheTextInTheEditorsFont) {
    StartModified(QStringLiteral("Zażółć gęślą jaźń\r\n\t{x}\\y\r\n"));
    QFont font(QStringLiteral("Liberation Mono"));
    font.setPointSize(13);
    Editor().SetFont(font);
    const QString path = testenv::ScratchPath("out.rtf");
    dialogs.Accept(path);
    main->EksportdoRTF2->trigger();

    const auto asked = dialogs.Asked(seam::Kind::SaveFile);
    ASSERT_EQ(asked.size(), 1u);
    EXPECT_EQ(asked[0].caption, "Zapisz plik w formacie RTF");
    EXPECT_EQ(asked[0].filter, "Rich Text Format|*.rtf");
    EXPECT_EQ(asked[0].defaultSuffix, "rtf");
    const QByteArray rtf = testenv::ReadFile(path);
    EXPECT_TRUE(rtf.startsWith("{\\rtf1\\ansi\\ansicpg1250"));
    EXPECT_TRUE(rtf.contains("\\fcharset238 Liberation Mono;"));
    EXPECT_TRUE(rtf.contains("\\fs26"));
    EXPECT_EQ(rtf::ToText(rtf), Editor().Text());
    EXPECT_TRUE(Messages().isEmpty());
    ExpectDocumentStateUnchanged();
    EXPECT_TRUE(Editor().PlainText());
}

TEST_F(TextExport, ExportOffersTheDocumentsNameAndThenTheLastChosenOne) {
    StartModified(QStringLiteral("x"));
    dialogs.Reject();
    main->EksportdoRTF2->trigger();
    const QString chosen = testenv::ScratchPath("chosen.rtf");
    dialogs.Accept(chosen);
    main->EksportdoRTF2->trigger();
    dialogs.Reject();
    main->EksportdoRTF2->trigger();
    const auto asked = dialogs.Asked(seam::Kind::SaveFile);
    ASSERT_EQ(asked.size(), 3u);
    const QFileInfo doc(documentPath);
    EXPECT_EQ(asked[0].value, doc.path() + "/" + doc.completeBaseName() + ".rtf");
    EXPECT_EQ(asked[2].value, chosen);
}

TEST_F(TextExport, ExportOfEveryByteReadsBackByteForByte) {
    StartModified(AllPrintableBytes());
    const QString path = testenv::ScratchPath("bytes.rtf");
    dialogs.Accept(path);
    main->EksportdoRTF2->trigger();
    EXPECT_EQ(cp1250::Encode(rtf::ToText(testenv::ReadFile(path))).toHex(),
              cp1250::Encode(AllPrintableBytes()).toHex());
}

TEST_F(TextExport, ExportReplacesAnExistingFileWithoutAsking) {
    StartModified(QStringLiteral("new"));
    const QString path = testenv::ScratchPath("existing.rtf");
    testenv::WriteFile(path, "old contents");
    dialogs.Accept(path);
    main->EksportdoRTF2->trigger();
    EXPECT_EQ(rtf::ToText(testenv::ReadFile(path)), "new");
    EXPECT_EQ(dialogs.Asked().size(), 1u);
}

TEST_F(TextExport, CancelledExportWritesNothing) {
    StartModified(QStringLiteral("x"));
    main->EkspDial1.FileName = testenv::ScratchPath("offered.rtf");
    dialogs.Reject();
    main->EksportdoRTF2->trigger();
    EXPECT_FALSE(QFile::exists(main->EkspDial1.FileName));
    ExpectDocumentStateUnchanged();
}

TEST_F(TextExport, FailedExportSaysSoAndLeavesTheOldFile) {
    StartModified(QStringLiteral("x"));
    dialogs.Accept(testenv::ScratchPath("no-such-folder") + "/out.rtf");
    main->EksportdoRTF2->trigger();
    EXPECT_EQ(Messages(), QStringList({kExportFailed}));
    ExpectDocumentStateUnchanged();

    const QString kept = testenv::ScratchPath("kept.rtf");
    testenv::WriteFile(kept, "old");
    ImmutableFile lock(kept);
    if (!lock.On()) GTEST_SKIP() << "no way to make a file unwritable here";
    dialogs.Accept(kept);
    main->EksportdoRTF2->trigger();
    EXPECT_EQ(Messages(), QStringList({kExportFailed, kExportFailed}));
    EXPECT_EQ(testenv::ReadFile(kept), "old");
}

// ---- Insert text from a file ---------------------------------------------------------

TEST_F(TextExport, InsertReadsAnRtfFileAsItsTextAtTheCaret) {
    StartModified(QStringLiteral("[]"));
    main->SetTextUnmodified();
    Editor().SetSelStart(1);
    const QString path = testenv::ScratchPath("lo.rtf");
    testenv::WriteFile(path, Sample("lo_plain.rtf"));
    dialogs.Accept(path);
    main->Wstawtekstzpliku2->trigger();

    const auto asked = dialogs.Asked(seam::Kind::OpenFile);
    ASSERT_EQ(asked.size(), 1u);
    EXPECT_EQ(asked[0].caption, "Wybierz plik");
    EXPECT_EQ(asked[0].filter, "Dokumenty tekstowe|*.txt|Strony WWW|*.htm;*.html|Rich Text "
                               "Format|*.rtf|Wszystkie pliki|*.*");
    EXPECT_TRUE(asked[0].defaultSuffix.isEmpty());
    const QString inserted = QStringLiteral("Zażółć gęślą jaźń.\r\n"
                                            "Pchnąć w tę łódź jeża lub ośm skrzyń fig.\r\n"
                                            "\r\n"
                                            "ZAŻÓŁĆ GĘŚLĄ JAŹŃ\tkoniec");
    EXPECT_EQ(Editor().Text(), "[" + inserted + "]");
    EXPECT_EQ(Editor().SelStart(), 1 + inserted.size());
    EXPECT_EQ(Editor().SelLength(), 0);
    EXPECT_EQ(TextPanel(2), "  4: 25"); // the caret after the inserted text
    EXPECT_EQ(TextPanel(0), "Zmieniony");
    EXPECT_EQ(TextPanel(1), QString::number(Editor().TextLength()) + " B");
    EXPECT_EQ(main->windowTitle(), "Vorbix 2 - " + documentPath);
    EXPECT_EQ(main->DialZap1.FileName, documentPath);
}

TEST_F(TextExport, InsertReplacesTheSelectionInOneUndoStep) {
    StartModified(QStringLiteral("abcdef"));
    Editor().SetSelStart(2);
    Editor().SetSelLength(2);
    const QString path = testenv::ScratchPath("formatted.rtf");
    testenv::WriteFile(path, Sample("lo_formatted.rtf"));
    dialogs.Accept(path);
    main->Wstawtekstzpliku2->trigger();
    EXPECT_EQ(Editor().Text(), "ab"
                               "Źdźbło trawy i chrząszcz brzmi w trzcinie.\r\n"
                               "„Cudzysłów” — myślnik, ‘apostrof’ oraz znak € i ąę.\r\n"
                               "Łódź\tKraków\t\r\n"
                               "Ostatni akapit: śćń."
                               "ef");
    Editor().Undo();
    EXPECT_EQ(Editor().Text(), "abcdef");
}

TEST_F(TextExport, InsertedCharactersOutsideWindows1250BecomeTheClosestOne) {
    StartModified(QString());
    const QString path = testenv::ScratchPath("foreign.rtf");
    testenv::WriteFile(path, "{\\rtf1\\ansi \\u241?\\u1087?\\u-10179?\\u-8704?\\u8364?\\u8232?x}");
    dialogs.Accept(path);
    main->Wstawtekstzpliku2->trigger();
    EXPECT_EQ(Editor().Text(), "n??€\r\nx");
}

TEST_F(TextExport, InsertTakesHtmlAndTextAsTheirBytes) {
    StartModified(QString());
    const QByteArray html = "<html><body><p>Zaż\xf3\xb3\xe6 &amp; {\\rtf1}</p></body></html>\r\n";
    const QString path = testenv::ScratchPath("page.html");
    testenv::WriteFile(path, html);
    dialogs.Accept(path);
    main->Wstawtekstzpliku2->trigger();
    EXPECT_EQ(cp1250::Encode(Editor().Text()), html);
}

TEST_F(TextExport, InsertLeavesTheClipboardAlone) {
    StartModified(QString());
    QGuiApplication::clipboard()->setText(QStringLiteral("schowek użytkownika"));
    const QString path = testenv::ScratchPath("wordpad.rtf");
    testenv::WriteFile(path, Sample("wordpad.rtf"));
    dialogs.Accept(path);
    main->Wstawtekstzpliku2->trigger();
    EXPECT_EQ(Editor().Text(), "Zażółć gęślą jaźń\r\nPogrubione i zwykłe\ttab\r\nCafé");
    EXPECT_EQ(QGuiApplication::clipboard()->text(), "schowek użytkownika");
}

TEST_F(TextExport, InsertOfAnUnreadableFileChangesNothing) {
    StartModified(QStringLiteral("stays"));
    dialogs.Accept(testenv::ScratchPath("missing.rtf"));
    main->Wstawtekstzpliku2->trigger();
    EXPECT_EQ(Messages(), QStringList({kUnknownError}));
    EXPECT_EQ(Editor().Text(), "stays");
}

TEST_F(TextExport, CancelledInsertChangesNothing) {
    StartModified(QStringLiteral("stays"));
    main->SetTextUnmodified();
    dialogs.Reject();
    main->Wstawtekstzpliku2->trigger();
    EXPECT_EQ(Editor().Text(), "stays");
    EXPECT_EQ(TextPanel(0), "Nie zmieniony");
}

// ---- Append text to a file -------------------------------------------------------------

TEST_F(TextExport, AppendWritesEveryLineWithCrLf) {
    StartModified(QStringLiteral("pierwsza\r\n\r\nżółta"));
    const QString path = testenv::ScratchPath("log.html");
    testenv::WriteFile(path, "old\r\n");
    dialogs.Accept(path);
    main->Wstawtekstdopliku1->trigger();

    const auto asked = dialogs.Asked(seam::Kind::OpenFile);
    ASSERT_EQ(asked.size(), 1u);
    EXPECT_EQ(asked[0].caption, "Wybierz plik");
    EXPECT_EQ(asked[0].filter,
              "Strony WWW|*.htm;*.html|Dokumenty tekstowe|*.txt|Wszystkie pliki|*.*");
    EXPECT_EQ(testenv::ReadFile(path), Cp1250("old\r\npierwsza\r\n\r\nżółta\r\n"));
    EXPECT_TRUE(Messages().isEmpty());
    ExpectDocumentStateUnchanged();
}

TEST_F(TextExport, AppendWithWordWrapWritesTheWrappedLines) {
    QString text;
    for (int i = 0; i < 60; ++i)
        text += QStringLiteral("słowo%1 ").arg(i);
    StartModified(text + "\r\nkrótka");
    main->Edytor->Widget()->resize(300, 200);
    Editor().SetWordWrap(true);
    const int lines = Editor().LineCount();
    ASSERT_GT(lines, 3);
    QByteArray expected = "x";
    for (int i = 0; i < lines; ++i)
        expected += Cp1250(Editor().Line(i)) + "\r\n";
    const QString path = testenv::ScratchPath("wrapped.txt");
    testenv::WriteFile(path, "x");
    dialogs.Accept(path);
    main->Wstawtekstdopliku1->trigger();
    EXPECT_EQ(testenv::ReadFile(path), expected);
    EXPECT_EQ(testenv::ReadFile(path).count("\r\n"), lines);

    Editor().SetWordWrap(false);
    testenv::WriteFile(path, "x");
    dialogs.Accept(path);
    main->Wstawtekstdopliku1->trigger();
    EXPECT_EQ(testenv::ReadFile(path), "x" + Cp1250(text) + "\r\nkr\xf3tka\r\n");
}

TEST_F(TextExport, AppendCutsAnOldEndOfFileMarkInTheLast128Bytes) {
    StartModified(QStringLiteral("nowy"));
    const QString path = testenv::ScratchPath("dos.txt");
    dialogs.Accept(path);
    testenv::WriteFile(path, "stary\x1A\x1A"
                             "reszta");
    main->Wstawtekstdopliku1->trigger();
    EXPECT_EQ(testenv::ReadFile(path), "staryn"
                                       "owy\r\n");

    // A mark further back than 128 bytes from the end is data.
    const QByteArray early = "a\x1A" + QByteArray(128, 'b');
    testenv::WriteFile(path, early);
    dialogs.Accept(path);
    main->Wstawtekstdopliku1->trigger();
    EXPECT_EQ(testenv::ReadFile(path), early + "nowy\r\n");

    // Exactly 128 bytes from the end is still inside.
    const QByteArray edge = "a\x1A" + QByteArray(127, 'b');
    testenv::WriteFile(path, edge);
    dialogs.Accept(path);
    main->Wstawtekstdopliku1->trigger();
    EXPECT_EQ(testenv::ReadFile(path), "anowy\r\n");
}

TEST_F(TextExport, AppendToAnEmptyDocumentWritesItsOneEmptyLine) {
    Start();
    const QString path = testenv::ScratchPath("empty-doc.txt");
    testenv::WriteFile(path, "");
    dialogs.Accept(path);
    main->Wstawtekstdopliku1->trigger();
    EXPECT_EQ(testenv::ReadFile(path), "\r\n");
}

TEST_F(TextExport, AppendThatCannotWriteSaysSoAndChangesNothing) {
    StartModified(QStringLiteral("nowy"));
    dialogs.Accept(testenv::ScratchDir()); // a folder
    main->Wstawtekstdopliku1->trigger();
    dialogs.Accept(testenv::ScratchPath("gone.txt"));
    main->Wstawtekstdopliku1->trigger();
    EXPECT_EQ(Messages(), QStringList({kAppendFailed, kAppendFailed}));
    EXPECT_FALSE(QFile::exists(testenv::ScratchPath("gone.txt")));

    const QString folder = testenv::ScratchPath("locked");
    ASSERT_TRUE(QDir().mkpath(folder));
    const QString path = folder + "/locked.txt";
    testenv::WriteFile(path, "stary\x1A");
    ImmutableFile lock(path);
    if (!lock.On()) GTEST_SKIP() << "no way to make a file unwritable here";
    dialogs.Accept(path);
    main->Wstawtekstdopliku1->trigger();
    EXPECT_EQ(Messages().size(), 3);
    EXPECT_EQ(Messages().back(), kAppendFailed);
    EXPECT_EQ(testenv::ReadFile(path), "stary\x1A");
    EXPECT_EQ(QDir(folder).entryList(QDir::Files | QDir::Hidden), QStringList({"locked.txt"}));
    ExpectDocumentStateUnchanged();
}

TEST_F(TextExport, InsertAtTheEndMovesTheCaretPanel) {
    StartModified(QStringLiteral("ab\r\n"));
    Editor().SetSelStart(Editor().TextLength());
    ASSERT_EQ(TextPanel(2), "  2:  1");
    const QString path = testenv::ScratchPath("end.txt");
    testenv::WriteFile(path, "x\r\nyz\r\n");
    dialogs.Accept(path);
    main->Wstawtekstzpliku2->trigger();
    EXPECT_EQ(Editor().Text(), "ab\r\nx\r\nyz\r\n");
    EXPECT_EQ(TextPanel(2), "  4:  1");
}
