// The text tab's status panels: modified state, size, caret line and column.
#include "tests/app/programfixture.h"
#include "tests/common/testenv.h"

using TextState = ProgramTest;

TEST_F(TextState, TypingMarksTheDocumentModifiedOnce) {
    Start();
    EXPECT_FALSE(main->TextModified());
    Type("a");
    EXPECT_EQ(TextPanel(0), "Zmieniony");
    EXPECT_TRUE(main->TextModified());
    Type("b");
    EXPECT_EQ(TextPanel(0), "Zmieniony");
}

TEST_F(TextState, OpeningAFileLeavesItUnmodified) {
    const QString path = testenv::ScratchPath("open.txt");
    testenv::WriteFile(path, "abc");
    Start();
    Type("typed");
    main->LoadTextDocument(path);
    EXPECT_EQ(TextPanel(0), "Nie zmieniony");
    EXPECT_EQ(TextPanel(1), "3 B");
}

TEST_F(TextState, SizePanelCountsEachLineBreakAsTwo) {
    const QString path = testenv::ScratchPath("size.txt");
    testenv::WriteFile(path, "ab\ncd\n");
    Start({path});
    EXPECT_EQ(TextPanel(1), "8 B");
    Editor().SetSelStart(8);
    Type("x");
    EXPECT_EQ(TextPanel(1), "9 B");
    QTest::keyClick(Editor().Widget(), Qt::Key_Return);
    EXPECT_EQ(TextPanel(1), "11 B");
    QTest::keyClick(Editor().Widget(), Qt::Key_Backspace);
    EXPECT_EQ(TextPanel(1), "9 B");
}

TEST_F(TextState, CaretPanelStartsAtOneOne) {
    Start();
    EXPECT_EQ(TextPanel(2), "  1:  1");
}

TEST_F(TextState, CaretPanelFollowsTypingAndMoves) {
    const QString path = testenv::ScratchPath("caret.txt");
    testenv::WriteFile(path, "abc\r\ndefgh\r\n");
    Start({path});
    QTest::keyClick(Editor().Widget(), Qt::Key_Down);
    QTest::keyClick(Editor().Widget(), Qt::Key_End);
    EXPECT_EQ(TextPanel(2), "  2:  6");
    Type("ij");
    EXPECT_EQ(TextPanel(2), "  2:  8");
    Editor().SetSelStart(Editor().TextLength());
    EXPECT_EQ(TextPanel(2), "  3:  1");
}

TEST_F(TextState, CaretPanelShowsTheSelectionStart) {
    const QString path = testenv::ScratchPath("sel.txt");
    testenv::WriteFile(path, "abc\ndef");
    Start({path});
    Editor().SetSelStart(6);
    Editor().SetSelLength(2);
    EXPECT_EQ(TextPanel(2), "  2:  2");
}

TEST_F(TextState, LineOneThousandTakesFourPlaces) {
    QByteArray text;
    for (int i = 0; i < 1200; ++i)
        text += "line\n";
    const QString path = testenv::ScratchPath("long.txt");
    testenv::WriteFile(path, text);
    Start({path});
    Editor().SetSelStart(Editor().LineIndex(998));
    EXPECT_EQ(TextPanel(2), "999:  1");
    Editor().SetSelStart(Editor().LineIndex(999) + 3);
    EXPECT_EQ(TextPanel(2), "1000:  4");
    EXPECT_EQ(TextPanel(2).size(), 8);
}
