// The modeless find and replace dialogs: their options at start, which button
// tells what, Enter and Esc.
#include "dialogs/finddialogs.h"

#include <QApplication>
#include <QCheckBox>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>
#include <gtest/gtest.h>

TEST(FindDialog, StartsSearchingDownWithoutOtherOptions) {
    TFindDialog d;
    EXPECT_EQ(d.windowTitle(), "Znajdowanie");
    EXPECT_FALSE(d.isModal());
    EXPECT_TRUE(d.Down());
    EXPECT_FALSE(d.MatchCase());
    EXPECT_FALSE(d.WholeWord());
    EXPECT_FALSE(d.PrzycNast1->isEnabled()); // nothing to find yet
    d.WGore1->setChecked(true);
    d.Wielkosc1->setChecked(true);
    d.Wyrazy1->setChecked(true);
    EXPECT_FALSE(d.Down());
    EXPECT_TRUE(d.MatchCase());
    EXPECT_TRUE(d.WholeWord());
}

TEST(FindDialog, EnterFindsNextAndEscCloses) {
    TFindDialog d;
    int finds = 0;
    d.OnFind = [&] { ++finds; };
    d.Execute();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&d));
    QTest::keyClick(d.EdycjaZnajdz, Qt::Key_Return); // empty text: nothing
    EXPECT_EQ(finds, 0);
    QTest::keyClicks(d.EdycjaZnajdz, "ala");
    EXPECT_TRUE(d.PrzycNast1->isEnabled());
    QTest::keyClick(d.EdycjaZnajdz, Qt::Key_Return);
    EXPECT_EQ(finds, 1);
    d.PrzycNast1->click();
    EXPECT_EQ(finds, 2);
    EXPECT_EQ(d.FindText(), "ala");
    EXPECT_TRUE(d.isVisible()); // stays open between finds
    QTest::keyClick(d.EdycjaZnajdz, Qt::Key_Escape);
    EXPECT_FALSE(d.isVisible());
    // Shown again it keeps its text, selected for overtyping.
    d.Execute();
    EXPECT_EQ(d.EdycjaZnajdz->selectedText(), "ala");
    d.PrzycAnul1->click();
    EXPECT_FALSE(d.isVisible());
}

TEST(ReplaceDialog, TellsWhichButtonWasPressed) {
    TReplaceDialog d;
    EXPECT_EQ(d.windowTitle(), "Zamienianie");
    EXPECT_TRUE(d.Down());
    EXPECT_FALSE(d.PrzycZam1->isEnabled());
    EXPECT_FALSE(d.PrzycZamWsz1->isEnabled());
    int finds = 0, replaces = 0;
    bool all = true;
    d.OnFind = [&] { ++finds; };
    d.OnReplace = [&] {
        ++replaces;
        all = d.ReplaceAll();
    };
    d.SetFindText("a");
    d.SetReplaceText("aa");
    EXPECT_TRUE(d.PrzycZamWsz1->isEnabled());
    d.PrzycZam1->click();
    EXPECT_EQ(replaces, 1);
    EXPECT_FALSE(all);
    d.PrzycZamWsz1->click();
    EXPECT_EQ(replaces, 2);
    EXPECT_TRUE(all);
    d.PrzycNast1->click();
    EXPECT_EQ(finds, 1);
    EXPECT_EQ(d.ReplaceText(), "aa");
}

TEST(ReplaceDialog, TabGoesFromTheFindTextToTheReplaceText) {
    TReplaceDialog d;
    d.Execute();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&d));
    d.EdycjaZnajdz->setFocus();
    QTest::keyClicks(d.EdycjaZnajdz, "kot");
    QTest::keyClick(d.EdycjaZnajdz, Qt::Key_Tab);
    QTest::keyClicks(QApplication::focusWidget(), "pies");
    EXPECT_EQ(d.FindText(), "kot");
    EXPECT_EQ(d.ReplaceText(), "pies");
}

namespace {
// Types any characters, also those QTest has no key for.
void TypeText(QWidget* w, const QString& text) {
    for (QChar c : text) {
        QKeyEvent press(QEvent::KeyPress, Qt::Key_unknown, Qt::NoModifier, QString(c));
        QApplication::sendEvent(w, &press);
    }
}
} // namespace

TEST(ReplaceDialog, TakesOnlyCharactersOfTheCodePage) {
    TReplaceDialog d;
    d.Execute();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&d));
    TypeText(d.EdycjaZamien, QString::fromUtf8("żółw €"));
    EXPECT_EQ(d.ReplaceText(), QString::fromUtf8("żółw €"));
    TypeText(d.EdycjaZamien, QString::fromUtf8("ж"));
    EXPECT_EQ(d.ReplaceText(), QString::fromUtf8("żółw €")); // refused
    TypeText(d.EdycjaZnajdz, QString::fromUtf8("ąж"));
    EXPECT_EQ(d.FindText(), QString::fromUtf8("ą"));
}
