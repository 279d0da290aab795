// The text on screen is the text that is saved: whatever enters the editor
// (typed, pasted, dropped, composed, set by a command) becomes characters of
// Windows-1250 at once, so the screen, the size panel and the file agree.
#include "tests/app/programfixture.h"
#include "tests/common/testenv.h"

#include <QClipboard>
#include <QDropEvent>
#include <QInputMethodEvent>
#include <QKeyEvent>
#include <QMimeData>
#include <QPlainTextEdit>
#include <QTextBlock>
#include <QTextDocument>

namespace {

class ShownIsSaved : public ProgramTest {
protected:
    QPlainTextEdit* Widget() const { return main->Edytor->Widget(); }
    // Saves under a fresh name and returns the bytes written.
    QByteArray SaveAs() {
        const QString path = testenv::ScratchPath("shown.txt");
        dialogs.Accept(path);
        main->Zapiszjako2->trigger();
        return testenv::ReadFile(path);
    }
    // The size panel's number.
    int SizePanel() const {
        const QString text = TextPanel(1);
        EXPECT_TRUE(text.endsWith(" B")) << text.toStdString();
        return text.chopped(2).toInt();
    }
};

const QString kPasted = QString::fromUtf8("caf\u00E8 \u0416 ") + QString::fromUcs4(U"\U0001F600") +
                        QString::fromUtf8(" x") + QChar(0x2028) + QLatin1String("y");

TEST_F(ShownIsSaved, APasteOfManyScriptsShowsAndSavesTheSameCharacters) {
    Start();
    QGuiApplication::clipboard()->setText(kPasted);
    main->Wklej1->trigger();
    EXPECT_EQ(Editor().Text(), QString("cafe ? ? x\r\ny"));
    EXPECT_EQ(Widget()->document()->blockCount(), 2);
    EXPECT_EQ(Widget()->document()->firstBlock().text(), QString("cafe ? ? x"));
    EXPECT_EQ(SizePanel(), 13);
    const QByteArray saved = SaveAs();
    EXPECT_EQ(saved, QByteArray("cafe ? ? x\r\ny"));
    EXPECT_EQ(saved.size(), SizePanel());
    EXPECT_EQ(TextPanel(0), "Nie zmieniony");
}

TEST_F(ShownIsSaved, PolishAndOtherCodePageLettersPassUnchanged) {
    Start();
    const QString polish = QString::fromUtf8("Zażółć gęślą jaźń € „cytat” – ő ű č ř");
    QGuiApplication::clipboard()->setText(polish);
    main->Wklej1->trigger();
    EXPECT_EQ(Editor().Text(), polish);
    EXPECT_EQ(SaveAs(), Cp1250(polish));
}

TEST_F(ShownIsSaved, TypedCharactersBecomeCodePageCharacters) {
    Start();
    // Keys of a keyboard layout with these letters: each press carries its character.
    for (const QChar c : QString::fromUtf8("\u00E8\u0105\u0416")) {
        QKeyEvent press(QEvent::KeyPress, Qt::Key_unknown, Qt::NoModifier, QString(c));
        QApplication::sendEvent(Widget(), &press);
        QKeyEvent release(QEvent::KeyRelease, Qt::Key_unknown, Qt::NoModifier, QString(c));
        QApplication::sendEvent(Widget(), &release);
    }
    EXPECT_EQ(Editor().Text(), QString::fromUtf8("e\u0105?"));
    EXPECT_EQ(SaveAs(), Cp1250(QString::fromUtf8("e\u0105?")));
}

TEST_F(ShownIsSaved, ComposedInputIsCommittedAsCodePageCharacters) {
    Start();
    Widget()->setFocus();
    QInputMethodEvent preedit(QString::fromUtf8("\u0416"), {});
    QApplication::sendEvent(Widget(), &preedit);
    QInputMethodEvent commit;
    commit.setCommitString(QString::fromUtf8("\u00F1\u0416\u2029a"));
    QApplication::sendEvent(Widget(), &commit);
    EXPECT_EQ(Editor().Text(), QString("n?\r\na"));
    EXPECT_EQ(SaveAs(), QByteArray("n?\r\na"));
}

TEST_F(ShownIsSaved, DroppedTextBecomesCodePageCharacters) {
    Start();
    QWidget* target = Widget()->viewport();
    QMimeData mime;
    mime.setText(QString::fromUtf8("\u00E0\u4E2D"));
    mime.setHtml(QString::fromUtf8("<b>\u00E0\u4E2D</b>"));
    const QPointF at(target->width() / 2.0, target->height() / 2.0);
    QDragEnterEvent enter(at.toPoint(), Qt::CopyAction, &mime, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(target, &enter);
    QDropEvent drop(at, Qt::CopyAction, &mime, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(target, &drop);
    EXPECT_EQ(Editor().Text(), QString("a?"));
}

TEST_F(ShownIsSaved, TextSetByTheProgramBecomesCodePageCharactersToo) {
    Start();
    Editor().SetSelText(QString::fromUtf8("\u00E5\u2028\u00E5") + QString::fromUcs4(U"\U0001F600"));
    EXPECT_EQ(Editor().Text(), QString("a\r\na?"));
    EXPECT_EQ(SizePanel(), 5);
    EXPECT_EQ(SaveAs(), QByteArray("a\r\na?"));
}

TEST_F(ShownIsSaved, ALineSeparatorTakesTheLineBreakOfTheDocument) {
    const QString path = testenv::ScratchPath("lf.txt");
    testenv::WriteFile(path, "one\ntwo");
    Start({path});
    Editor().SetSelStart(3);
    QGuiApplication::clipboard()->setText(QString("!") + QChar(0x2028) + "new");
    main->Wklej1->trigger();
    main->Zapisz2->trigger();
    EXPECT_EQ(testenv::ReadFile(path), QByteArray("one!\nnew\ntwo"));
}

TEST_F(ShownIsSaved, UndoOfAFilteredPasteRestoresTheOldText) {
    Start();
    Type("ab");
    QGuiApplication::clipboard()->setText(QString::fromUtf8("\u0416\u00E8"));
    main->Wklej1->trigger();
    EXPECT_EQ(Editor().Text(), "ab?e");
    Editor().Undo();
    EXPECT_EQ(Editor().Text(), "ab");
}

} // namespace
