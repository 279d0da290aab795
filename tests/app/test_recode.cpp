// "Przekoduj na &ISO" and "Przekoduj na &Windows": the six letters in the
// whole text, the caret, the final message, undo, and the same result as
// replacing every occurrence one by one.
#include "app/szuk.h"
#include "appcore/recode.h"
#include "programfixture.h"
#include "tests/common/testenv.h"

#include <QRandomGenerator>

namespace {
class Recoding : public ProgramTest {
protected:
    void SetUp() override { Start(); }
    // Loads Windows-1250 bytes as the text document (not modified).
    void Load(const QByteArray& bytes) {
        const QString path = testenv::ScratchPath("recode.txt");
        testenv::WriteFile(path, bytes);
        main->LoadTextDocument(path);
    }
    QByteArray Bytes() const { return Cp1250(Editor().Text()); }
    QByteArray Saved() {
        const QString path = testenv::ScratchPath("recoded.txt");
        Editor().SaveToFile(path);
        return testenv::ReadFile(path);
    }
    static QByteArray Iso(const QByteArray& windows) {
        QByteArray b = windows;
        RecodeBytes(b, TRecoding::ToIso);
        return b;
    }

    const QString isoMessage =
        QStringLiteral("Kodowanie znaków|Znaki zostały przekodowane na system ISO-8859-2.");
    const QString windowsMessage =
        QStringLiteral("Kodowanie znaków|Znaki zostały przekodowane na system CP-1250.");
};

// The six letters in Windows-1250 and ISO-8859-2 codes.
const QByteArray kSixWindows("\xB9\xA5\x9C\x8C\x9F\x8F");
const QByteArray kSixIso("\xB1\xA1\xB6\xA6\xBC\xAC");
} // namespace

TEST(RecodeTable, SixLettersEachWayAndNothingElse) {
    for (int i = 0; i < 6; ++i) {
        EXPECT_EQ(RecodeByte(uint8_t(kSixWindows[i]), TRecoding::ToIso), uint8_t(kSixIso[i]));
        EXPECT_EQ(RecodeByte(uint8_t(kSixIso[i]), TRecoding::ToWindows), uint8_t(kSixWindows[i]));
    }
    int changed = 0;
    for (int b = 0; b < 256; ++b)
        changed += (RecodeByte(uint8_t(b), TRecoding::ToIso) != b) +
                   (RecodeByte(uint8_t(b), TRecoding::ToWindows) != b);
    EXPECT_EQ(changed, 12);
    for (uint8_t c : Cp1250(QStringLiteral("ćęłńóżĆĘŁŃÓŻ")))
        EXPECT_EQ(RecodeByte(c, TRecoding::ToIso), c);
}

TEST_F(Recoding, ToIsoRewritesTheSixLettersInTheWholeText) {
    Load(Cp1250(QStringLiteral("Źle ąĄ śŚ źŹ\r\nćęłńóż ĆĘŁŃÓŻ Źdźbło koniec")));
    Editor().SetSelStart(5);
    Editor().SetSelLength(3); // the selection does not limit the recoding
    main->PrzekodujnaISO1->trigger();
    EXPECT_EQ(Bytes(), Iso(Cp1250(QStringLiteral("Źle ąĄ śŚ źŹ\r\nćęłńóż ĆĘŁŃÓŻ Źdźbło koniec"))));
    EXPECT_EQ(Bytes().left(3), QByteArray("\xACle"));
    EXPECT_EQ(Messages(), QStringList{isoMessage});
    EXPECT_EQ(TextPanel(0), "Zmieniony");
    // Behind the last Ź replaced ("Źdźbło" at 28).
    EXPECT_EQ(Editor().SelStart(), 29);
    EXPECT_EQ(Editor().SelLength(), 0);
}

TEST_F(Recoding, CaretAtTheStartWhenNoCapitalZWasReplaced) {
    Load(Cp1250(QStringLiteral("ą ś ź")));
    Editor().SetSelStart(3);
    main->PrzekodujnaISO1->trigger();
    EXPECT_EQ(Bytes(), QByteArray("\xB1 \xB6 \xBC"));
    EXPECT_EQ(Editor().SelStart(), 0);
}

TEST_F(Recoding, NothingToRecodeChangesNothingButStillReports) {
    Load(Cp1250(QStringLiteral("ćęłńóż ĆĘŁŃÓŻ abc")));
    Editor().SetSelStart(4);
    main->PrzekodujnaWindows1->trigger();
    EXPECT_EQ(Bytes(), Cp1250(QStringLiteral("ćęłńóż ĆĘŁŃÓŻ abc")));
    EXPECT_EQ(Messages(), QStringList{windowsMessage});
    EXPECT_EQ(TextPanel(0), "Nie zmieniony");
    EXPECT_FALSE(Editor().CanUndo());
    EXPECT_EQ(Editor().SelStart(), 0);
}

TEST_F(Recoding, RoundTripRestoresAWindowsText) {
    QByteArray text = Cp1250(QStringLiteral("Zażółć gęślą jaźń. ŚWIĘTY ŹRÓDŁO ĄĘ\r\n"));
    for (int b = 0x20; b < 256; ++b)
        if (!kSixIso.contains(char(b))) text += char(b); // none of the ISO codes beforehand
    Load(text);
    main->PrzekodujnaISO1->trigger();
    EXPECT_NE(Bytes(), text);
    main->PrzekodujnaWindows1->trigger();
    EXPECT_EQ(Bytes(), text);
    EXPECT_EQ(Messages(), (QStringList{isoMessage, windowsMessage}));
}

TEST_F(Recoding, ToWindowsCannotTellPlusMinusFromA) {
    Load(Cp1250(QStringLiteral("±5 ¦")));
    main->PrzekodujnaWindows1->trigger();
    EXPECT_EQ(Editor().Text(), QStringLiteral("ą5 Ś"));
}

TEST_F(Recoding, IsOneUndoStepAndKeepsEachLineBreak) {
    const QByteArray text("\xB9\r\n\x9C\n\x8F\r\xA5 x\r\n");
    Load(text);
    main->PrzekodujnaISO1->trigger();
    EXPECT_EQ(Saved(), QByteArray("\xB1\r\n\xB6\n\xAC\r\xA1 x\r\n"));
    Editor().Undo();
    EXPECT_EQ(Saved(), text);
    EXPECT_FALSE(Editor().CanUndo());
}

TEST_F(Recoding, SameTextAndCaretAsReplacingOneByOne) {
    QRandomGenerator rng(5);
    const QByteArray alphabet = kSixWindows + kSixIso + Cp1250(QStringLiteral("a żŁ\r\n"));
    for (TRecoding direction : {TRecoding::ToIso, TRecoding::ToWindows}) {
        for (int round = 0; round < 20; ++round) {
            QByteArray text;
            for (int i = 0, n = int(rng.bounded(80)); i < n; ++i)
                text += alphabet[int(rng.bounded(int(alphabet.size())))];
            // The one-by-one replacement, letter after letter.
            Load(text);
            const uint8_t* from = direction == TRecoding::ToIso ? kWindowsCodes : kIsoCodes;
            const uint8_t* to = direction == TRecoding::ToIso ? kIsoCodes : kWindowsCodes;
            for (int i = 0; i < 6; ++i) {
                Editor().SetSelStart(0);
                const QString f(QChar(cp1250::ToUnicode(from[i])));
                const QString t(QChar(cp1250::ToUnicode(to[i])));
                while (FindInEditor(Editor(), f, main->KodoOpcje1))
                    Editor().SetSelText(t);
            }
            const QByteArray expected = Saved();
            const int expectedCaret = Editor().SelStart();
            Load(text);
            Editor().SetSelStart(int(rng.bounded(int(Editor().TextLength()) + 1)));
            if (direction == TRecoding::ToIso)
                main->PrzekodujnaISO1->trigger();
            else
                main->PrzekodujnaWindows1->trigger();
            ASSERT_EQ(Saved(), expected) << text.toHex().constData();
            ASSERT_EQ(Editor().SelStart(), expectedCaret) << text.toHex().constData();
        }
    }
}

TEST_F(Recoding, UndoKeepsTheCaretAndFindSeesEachText) {
    Load(Cp1250(QStringLiteral("Źle i źle\r\nśpi Ąś")));
    const QString isoZ(QChar(cp1250::ToUnicode(0xAC)));
    EXPECT_FALSE(FindInEditor(Editor(), isoZ, main->KodoOpcje1));
    main->PrzekodujnaISO1->trigger();
    EXPECT_EQ(Editor().SelStart(), 1);
    Editor().SetSelStart(0);
    EXPECT_TRUE(FindInEditor(Editor(), isoZ, main->KodoOpcje1));
    EXPECT_EQ(Editor().SelStart(), 0);
    Editor().SetSelStart(12);
    Editor().Undo();
    EXPECT_EQ(Editor().Text(), QStringLiteral("Źle i źle\r\nśpi Ąś"));
    EXPECT_EQ(Editor().SelStart(), 12);
    Editor().SetSelStart(0);
    EXPECT_FALSE(FindInEditor(Editor(), isoZ, main->KodoOpcje1));
    EXPECT_TRUE(FindInEditor(Editor(), QStringLiteral("Ąś"), main->KodoOpcje1));
}

TEST_F(Recoding, EditsBeforeItAreUndoneToTheirOwnLetters) {
    Load(Cp1250(QStringLiteral("abc")));
    Editor().SetSelStart(3);
    Editor().SetSelText(QStringLiteral(" źdźbło"));
    Editor().SetSelStart(0);
    Editor().SetSelLength(1);
    Editor().ClearSelection(); // "a" now lives only in the undo history
    Editor().SetSelText(QStringLiteral("ą"));
    main->PrzekodujnaISO1->trigger();
    EXPECT_EQ(Bytes(), QByteArray("\xB1"
                                  "bc \xBC"
                                  "d\xBC"
                                  "b\xB3o"));
    Editor().Undo();
    EXPECT_EQ(Editor().Text(), QStringLiteral("ąbc źdźbło"));
    Editor().Undo();
    EXPECT_EQ(Editor().Text(), QStringLiteral("bc źdźbło"));
    Editor().Undo();
    EXPECT_EQ(Editor().Text(), QStringLiteral("abc źdźbło"));
    Editor().Undo();
    EXPECT_EQ(Editor().Text(), QStringLiteral("abc"));
}
