// Find and replace through their dialogs, as the user drives them.
#include "dialogs/finddialogs.h"
#include "tests/app/programfixture.h"

#include <QCheckBox>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>

namespace {
const QString kNotFound = QStringLiteral("Znajdź|Nie znalazłem wpisanego tekstu.");

class FindReplace : public ProgramTest {
protected:
    void Put(const QString& text) {
        Editor().SelectAll();
        Editor().SetSelText(text);
    }
    void Select(int start, int length) {
        Editor().SetSelStart(start);
        Editor().SetSelLength(length);
    }
    std::pair<int, int> Selection() const { return {Editor().SelStart(), Editor().SelLength()}; }
    TFindDialog& Find(const QString& text) {
        main->Znajd1Click();
        main->ZnajDial1->SetFindText(text);
        return *main->ZnajDial1;
    }
    TReplaceDialog& Replace(const QString& find, const QString& with) {
        main->Zamie1Click();
        main->ZamDial1->SetFindText(find);
        main->ZamDial1->SetReplaceText(with);
        return *main->ZamDial1;
    }
};
using Pair = std::pair<int, int>;
} // namespace

TEST_F(FindReplace, FindNextWalksToTheEndAndThenSaysSo) {
    Start();
    Put("ala ma kota, Ala ma psa");
    Editor().SetSelStart(0);
    TFindDialog& d = Find("ala");
    EXPECT_TRUE(d.isVisible());
    EXPECT_TRUE(d.Down());
    d.PrzycNast1->click();
    EXPECT_EQ(Selection(), Pair(0, 3));
    d.PrzycNast1->click();
    EXPECT_EQ(Selection(), Pair(13, 3)); // case does not matter by default
    EXPECT_TRUE(Messages().isEmpty());
    d.PrzycNast1->click();
    EXPECT_EQ(Messages(), QStringList({kNotFound}));
    EXPECT_EQ(Selection(), Pair(13, 3)); // unchanged, no wrapping round
    EXPECT_TRUE(d.isVisible());
}

TEST_F(FindReplace, FindHonoursMatchCaseWholeWordAndDirection) {
    Start();
    Put("Ala ala alarm ala");
    Editor().SetSelStart(0);
    TFindDialog& d = Find("ala");
    d.Wielkosc1->setChecked(true);
    d.Wyrazy1->setChecked(true);
    d.PrzycNast1->click();
    EXPECT_EQ(Selection(), Pair(4, 3));
    d.PrzycNast1->click();
    EXPECT_EQ(Selection(), Pair(14, 3)); // not inside "alarm"
    d.WGore1->setChecked(true);
    d.PrzycNast1->click();
    EXPECT_EQ(Selection(), Pair(4, 3));
    d.PrzycNast1->click();
    EXPECT_EQ(Messages(), QStringList({kNotFound}));
    EXPECT_EQ(Selection(), Pair(4, 3));
}

TEST_F(FindReplace, FindButtonAndF3OpenTheSameDialogWithTheSelectedWord) {
    Start();
    Put("jeden dwa");
    Select(6, 3);
    main->PrzycZnaj1->trigger();
    ASSERT_NE(main->ZnajDial1, nullptr);
    EXPECT_TRUE(main->ZnajDial1->isVisible());
    EXPECT_EQ(main->ZnajDial1->FindText(), "dwa");
    main->ZnajDial1->hide();
    QTest::keyClick(Editor().Widget(), Qt::Key_F3);
    EXPECT_TRUE(main->ZnajDial1->isVisible());
}

TEST_F(FindReplace, ReplaceTakesASelectionDifferingOnlyInCaseAndSelectsTheNext) {
    Start();
    Put("ALA i ala i Ala");
    Select(0, 3);
    TReplaceDialog& d = Replace("ala", "kot");
    d.Wielkosc1->setChecked(true);
    d.PrzycZam1->click();
    EXPECT_EQ(Editor().Text(), "kot i ala i Ala");
    EXPECT_EQ(Selection(), Pair(6, 3)); // the next one of the same case
    d.PrzycZam1->click();
    EXPECT_EQ(Editor().Text(), "kot i kot i Ala");
    EXPECT_EQ(Messages(), QStringList({kNotFound})); // no further "ala"
    EXPECT_EQ(Selection(), Pair(9, 0));
}

TEST_F(FindReplace, ReplaceFindNextOnlySelects) {
    Start();
    Put("x a b a");
    Editor().SetSelStart(0);
    TReplaceDialog& d = Replace("a", "b");
    d.PrzycNast1->click();
    EXPECT_EQ(Selection(), Pair(2, 1));
    EXPECT_EQ(Editor().Text(), "x a b a");
}

TEST_F(FindReplace, ReplaceAllMakesOnePassAndOneUndoStep) {
    Start();
    Put("Ania ma\r\nkota a kot ma Anię");
    Editor().SetSelStart(0);
    main->SetTextUnmodified();
    TReplaceDialog& d = Replace("a", "aa");
    d.PrzycZamWsz1->click();
    EXPECT_EQ(Editor().Text(), "aaniaa maa\r\nkotaa aa kot maa aanię");
    EXPECT_TRUE(Messages().isEmpty()); // replace all reports nothing
    EXPECT_EQ(TextPanel(0), "Zmieniony");
    EXPECT_EQ(Selection(), Pair(31, 0)); // behind the last new text
    main->Cofnij1Click();
    EXPECT_EQ(Editor().Text(), "Ania ma\r\nkota a kot ma Anię");
}

TEST_F(FindReplace, ReplaceAllStartsAtTheSelection) {
    Start();
    Put("a-a-a-a");
    Select(2, 1); // an occurrence: replaced as well
    TReplaceDialog& d = Replace("A", "bb");
    d.PrzycZamWsz1->click();
    EXPECT_EQ(Editor().Text(), "a-bb-bb-bb");
    Put("a-a-a-a");
    Select(1, 2); // "-a" is no occurrence: from behind it on
    d.PrzycZamWsz1->click();
    EXPECT_EQ(Editor().Text(), "a-a-bb-bb");
}

TEST_F(FindReplace, ReplaceAllOfWholePolishWords) {
    Start();
    Put("żółw żółwik ŻÓŁW, żółw");
    Editor().SetSelStart(0);
    TReplaceDialog& d = Replace("żółw", "kot");
    d.Wyrazy1->setChecked(true);
    d.PrzycZamWsz1->click();
    EXPECT_EQ(Editor().Text(), "kot żółwik kot, kot");
}

TEST_F(FindReplace, ReplaceAllOfTextAbsentLeavesTheDocumentUnmodified) {
    Start();
    Put("abc");
    Editor().SetSelStart(0);
    main->SetTextUnmodified();
    Replace("x", "y").PrzycZamWsz1->click();
    EXPECT_EQ(Editor().Text(), "abc");
    EXPECT_EQ(TextPanel(0), "Nie zmieniony");
    EXPECT_TRUE(Messages().isEmpty());
}

TEST_F(FindReplace, EditorKeepsShowingItsSelectionBehindTheDialog) {
    Start();
    Put("abc abc");
    Editor().SetSelStart(0);
    TFindDialog& d = Find("abc");
    d.PrzycNast1->click();
    const QPalette pal = Editor().Widget()->palette();
    EXPECT_EQ(pal.color(QPalette::Inactive, QPalette::Highlight),
              pal.color(QPalette::Active, QPalette::Highlight));
    EXPECT_EQ(Editor().SelText(), "abc");
}
