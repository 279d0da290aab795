// The text control: bytes in and out of files, the index rule (a line break
// counts two), lines, selection, change notifications.
#include "app/edytorwidget.h"
#include "app/textcontrol.h"
#include "base/cp1250.h"
#include "tests/common/testenv.h"

#include <QApplication>
#include <QClipboard>
#include <QFile>
#include <QTest>
#include <gtest/gtest.h>

namespace {
class TextControlTest : public ::testing::Test {
protected:
    QWidget host;
    TTextControl edit{&host};

    QByteArray RoundTrip(const QByteArray& bytes) {
        const QString in = testenv::ScratchPath("in.txt");
        const QString out = testenv::ScratchPath("out.txt");
        testenv::WriteFile(in, bytes);
        edit.LoadFromFile(in);
        edit.SaveToFile(out);
        return testenv::ReadFile(out);
    }
    void Load(const QByteArray& bytes) {
        const QString in = testenv::ScratchPath("load.txt");
        testenv::WriteFile(in, bytes);
        edit.LoadFromFile(in);
    }
    QByteArray Saved() {
        const QString out = testenv::ScratchPath("saved.txt");
        edit.SaveToFile(out);
        return testenv::ReadFile(out);
    }
};

QByteArray AllByteValues() {
    QByteArray bytes;
    for (int i = 0; i < 256; ++i)
        bytes.append(char(i));
    return bytes;
}
} // namespace

// ---- Bytes in, bytes out ---------------------------------------------------------------

TEST_F(TextControlTest, EveryByteValueSurvivesOpenAndSave) {
    const QByteArray all = AllByteValues();
    EXPECT_EQ(RoundTrip(all), all);
    EXPECT_EQ(RoundTrip(all + all), all + all);
}

TEST_F(TextControlTest, EveryByteValueIsOneCharacter) {
    Load(AllByteValues());
    // 0x0A and 0x0D are the two breaks; each still counts two characters.
    EXPECT_EQ(edit.TextLength(), 254 + 2 * 2);
    EXPECT_EQ(edit.LineCount(), 3);
}

TEST_F(TextControlTest, BytesAreReadAsWindows1250) {
    Load(QByteArray(
        "\xb9\xea\xe6\xb3\xf1\xf3\x9c\x9f\xbf \xa5\xca\xc6\xa3\xd1\xd3\x8c\x8f\xaf \x80 \xa0"));
    EXPECT_EQ(edit.Text(), QString("ąęćłńóśźż ĄĘĆŁŃÓŚŹŻ € \u00a0"));
}

TEST_F(TextControlTest, EachLineBreakStyleIsKept) {
    for (const QByteArray& file :
         {QByteArray("one\ntwo\nthree"), QByteArray("one\r\ntwo\r\nthree\r\n"),
          QByteArray("one\rtwo\rthree\r"), QByteArray("\n\n\n"), QByteArray("\r\n")})
        EXPECT_EQ(RoundTrip(file), file) << file.toStdString();
}

TEST_F(TextControlTest, MixedLineBreaksAreEachKept) {
    const QByteArray file("a\nb\r\nc\rd\n\re\r\n");
    EXPECT_EQ(RoundTrip(file), file);
}

TEST_F(TextControlTest, TheDocumentRemembersItsLineBreakStyle) {
    Load("a\nb\r\n");
    EXPECT_EQ(edit.LineBreak(), TLineBreak::Lf);
    Load("a\rb");
    EXPECT_EQ(edit.LineBreak(), TLineBreak::Cr);
    Load("no break at all");
    EXPECT_EQ(edit.LineBreak(), TLineBreak::CrLf);
}

TEST_F(TextControlTest, NewLinesTakeTheStyleOfTheLoadedFile) {
    Load("first\nlast");
    edit.SetSelStart(5);
    edit.SetSelText("\r\ninserted");
    EXPECT_EQ(Saved(), QByteArray("first\ninserted\nlast"));
}

TEST_F(TextControlTest, TypedEnterInAnLfFileWritesLf) {
    Load("ab\ncd");
    edit.SetSelStart(1);
    QTest::keyClick(edit.Widget(), Qt::Key_Return);
    QTest::keyClick(edit.Widget(), Qt::Key_Return, Qt::ShiftModifier); // a line too, no separator
    EXPECT_EQ(Saved(), QByteArray("a\n\nb\ncd"));
}

TEST_F(TextControlTest, ANewDocumentUsesCrLf) {
    Load("x\ny");
    edit.Clear();
    edit.SetSelText("one\ntwo");
    EXPECT_EQ(Saved(), QByteArray("one\r\ntwo"));
}

TEST_F(TextControlTest, CharactersWithoutAByteAreShownAndSavedAsQuestionMarks) {
    edit.SetSelText(QString::fromUtf8("a\u4e2db"));
    EXPECT_EQ(edit.Text(), "a?b");
    EXPECT_EQ(Saved(), QByteArray("a?b"));
}

TEST_F(TextControlTest, UnreadableFileThrowsAndLeavesTheText) {
    Load("kept");
    EXPECT_THROW(edit.LoadFromFile(testenv::ScratchPath("missing.txt")), ETextFileError);
    EXPECT_THROW(edit.LoadFromFile(testenv::ScratchDir()), ETextFileError);
    EXPECT_EQ(edit.Text(), "kept");
}

TEST_F(TextControlTest, FailedSaveThrowsAndLeavesNoFile) {
    edit.SetSelText("text");
    const QString target = testenv::ScratchPath("no-such-folder") + "/file.txt";
    EXPECT_THROW(edit.SaveToFile(target), ETextFileError);
    EXPECT_FALSE(QFile::exists(target));
}

TEST_F(TextControlTest, SaveReplacesAnExistingFileWhole) {
    const QString path = testenv::ScratchPath("replace.txt");
    testenv::WriteFile(path, "a much longer old content");
    edit.SetSelText("new");
    edit.SaveToFile(path);
    EXPECT_EQ(testenv::ReadFile(path), QByteArray("new"));
}

// ---- Index rule -----------------------------------------------------------------------------

TEST_F(TextControlTest, ALineBreakCountsTwoInTheLength) {
    Load("ab\ncd\n");
    EXPECT_EQ(edit.TextLength(), 8);
    EXPECT_EQ(edit.Text(), "ab\r\ncd\r\n");
    EXPECT_EQ(edit.Text().size(), edit.TextLength());
}

TEST_F(TextControlTest, SelectionIndexesCountBreaksAsTwo) {
    Load("ab\ncd");
    edit.SetSelStart(4); // "c"
    EXPECT_EQ(edit.SelStart(), 4);
    edit.SetSelLength(1);
    EXPECT_EQ(edit.SelText(), "c");
    edit.SetSelStart(1);
    edit.SetSelLength(4); // "b", the break, "c"
    EXPECT_EQ(edit.SelText(), "b\r\nc");
    EXPECT_EQ(edit.SelLength(), 4);
}

TEST_F(TextControlTest, AnIndexInsideABreakStandsAtTheLineEnd) {
    Load("ab\ncd");
    edit.SetSelStart(3);
    EXPECT_EQ(edit.SelStart(), 2);
}

TEST_F(TextControlTest, IndexesBeyondTheTextStopAtItsEnd) {
    Load("ab\ncd");
    edit.SetSelStart(100);
    EXPECT_EQ(edit.SelStart(), 6);
    edit.SetSelStart(-5);
    EXPECT_EQ(edit.SelStart(), 0);
}

TEST_F(TextControlTest, SettingTheSelectedTextReplacesItAndLeavesTheCaretBehind) {
    Load("one two three");
    edit.SetSelStart(4);
    edit.SetSelLength(3);
    edit.SetSelText("2\r\n2");
    EXPECT_EQ(edit.Text(), "one 2\r\n2 three");
    EXPECT_EQ(edit.SelStart(), 8);
    EXPECT_EQ(edit.SelLength(), 0);
}

TEST_F(TextControlTest, SettingTheStartCollapsesTheSelection) {
    Load("abcdef");
    edit.SelectAll();
    EXPECT_EQ(edit.SelLength(), 6);
    edit.SetSelStart(2);
    EXPECT_EQ(edit.SelLength(), 0);
    EXPECT_EQ(edit.SelStart(), 2);
}

TEST_F(TextControlTest, LinesAndTheirFirstIndexes) {
    Load("ab\n\ncdef\ng");
    EXPECT_EQ(edit.LineCount(), 4);
    EXPECT_EQ(edit.Line(0), "ab");
    EXPECT_EQ(edit.Line(1), "");
    EXPECT_EQ(edit.Line(2), "cdef");
    EXPECT_EQ(edit.Line(3), "g");
    EXPECT_EQ(edit.Line(4), "");
    EXPECT_EQ(edit.LineIndex(0), 0);
    EXPECT_EQ(edit.LineIndex(1), 4);
    EXPECT_EQ(edit.LineIndex(2), 6);
    EXPECT_EQ(edit.LineIndex(3), 12);
    EXPECT_EQ(edit.LineIndex(4), -1);
    EXPECT_EQ(edit.LineFromChar(0), 0);
    EXPECT_EQ(edit.LineFromChar(2), 0);
    EXPECT_EQ(edit.LineFromChar(4), 1);
    EXPECT_EQ(edit.LineFromChar(9), 2);
    EXPECT_EQ(edit.LineFromChar(12), 3);
}

TEST_F(TextControlTest, WrappedLinesCountAsLines) {
    host.resize(300, 200);
    edit.Widget()->resize(300, 200);
    host.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&host));
    QString words;
    for (int i = 0; i < 60; ++i)
        words += "word ";
    edit.SetSelText(words + "\r\nend");
    EXPECT_EQ(edit.LineCount(), 2);
    edit.SetWordWrap(true);
    EXPECT_EQ(edit.Widget()->horizontalScrollBarPolicy(), Qt::ScrollBarAlwaysOff);
    const int lines = edit.LineCount();
    ASSERT_GT(lines, 3);
    EXPECT_EQ(edit.Line(lines - 1), "end");
    EXPECT_EQ(edit.LineFromChar(edit.TextLength()), lines - 1);
    EXPECT_EQ(edit.LineIndex(lines - 1), edit.TextLength() - 3);
    QString joined;
    for (int i = 0; i + 1 < lines; ++i)
        joined += edit.Line(i);
    EXPECT_EQ(joined, words);
    edit.SetWordWrap(false);
    EXPECT_EQ(edit.LineCount(), 2);
    EXPECT_EQ(edit.Widget()->horizontalScrollBarPolicy(), Qt::ScrollBarAsNeeded);
}

// ---- Editing and notifications ----------------------------------------------------------------

TEST_F(TextControlTest, ChangeEventFollowsLoadsTypingAndProgramChanges) {
    int changes = 0;
    edit.OnChange = [&] { ++changes; };
    Load("abc");
    EXPECT_GE(changes, 1);
    changes = 0;
    QTest::keyClick(edit.Widget(), Qt::Key_X);
    EXPECT_EQ(changes, 1);
    changes = 0;
    edit.SetSelText("y");
    EXPECT_EQ(changes, 1);
}

TEST_F(TextControlTest, FontAndColourAreNoChangeOfTheText) {
    int changes = 0;
    edit.OnChange = [&] { ++changes; };
    QFont f("Liberation Mono");
    f.setPointSize(14);
    edit.SetFont(f);
    edit.SetColor(Qt::yellow);
    EXPECT_EQ(changes, 0);
    EXPECT_EQ(edit.Font().pointSize(), 14);
    EXPECT_EQ(edit.Color(), QColor(Qt::yellow));
}

TEST_F(TextControlTest, SelectionEventFollowsCaretMoves) {
    Load("abc\ndef");
    int moves = 0;
    edit.OnSelectionChange = [&] { ++moves; };
    QTest::keyClick(edit.Widget(), Qt::Key_Down);
    EXPECT_GE(moves, 1);
    moves = 0;
    edit.SetSelStart(1);
    EXPECT_GE(moves, 1);
}

TEST_F(TextControlTest, UndoTakesBackTheLastEdit) {
    Load("abc");
    EXPECT_FALSE(edit.CanUndo()); // a load is no editing step
    edit.SetSelStart(3);
    QTest::keyClick(edit.Widget(), Qt::Key_D);
    EXPECT_TRUE(edit.CanUndo());
    edit.Undo();
    EXPECT_EQ(edit.Text(), "abc");
}

TEST_F(TextControlTest, ClipboardCommandsMovePlainText) {
    Load("one two");
    edit.SetSelStart(0);
    edit.SetSelLength(4);
    edit.CutToClipboard();
    EXPECT_EQ(QApplication::clipboard()->text(), "one ");
    EXPECT_EQ(edit.Text(), "two");
    edit.SetSelStart(3);
    edit.PasteFromClipboard();
    EXPECT_EQ(edit.Text(), "twoone ");
    edit.SelectAll();
    edit.CopyToClipboard();
    EXPECT_EQ(QApplication::clipboard()->text(), "twoone ");
    edit.ClearSelection();
    EXPECT_EQ(edit.TextLength(), 0);
}
