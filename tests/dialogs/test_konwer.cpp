// The conversion dialog: its two lists of sets and when "&Konwertuj" may be used.
#include "dialogs/konwer.h"

#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QSignalSpy>
#include <gtest/gtest.h>

namespace {
QStringList Texts(const QListWidget* list) {
    QStringList out;
    for (int i = 0; i < list->count(); ++i)
        out << list->item(i)->text();
    return out;
}
} // namespace

TEST(Konwert, BothListsOfferTheFiveSetsInTranslationOrder) {
    TKonwert dialog{TMainImages{}};
    const QStringList sets = {"ANSI", "OEM Codepage 850", "ASCII 7 Bit", "MAC", "EBCDIC CP 038"};
    EXPECT_EQ(Texts(dialog.ListBox1), sets);
    EXPECT_EQ(Texts(dialog.ListBox2), sets);
    EXPECT_EQ(dialog.Label1->text(), "Z:");
    EXPECT_EQ(dialog.Label2->text(), "Do:");
    EXPECT_EQ(dialog.PrzycKonw1->text(), "&Konwertuj");
    EXPECT_EQ(dialog.PrzycZamk1->text(), "&Rozmyśliłem się");
    EXPECT_EQ(dialog.size(), QSize(261, 203));
}

TEST(Konwert, OpensWithNothingChosenAndKonwertujEnabled) {
    TKonwert dialog{TMainImages{}};
    EXPECT_EQ(dialog.Source(), -1);
    EXPECT_EQ(dialog.Target(), -1);
    EXPECT_TRUE(dialog.PrzycKonw1->isEnabled());
}

TEST(Konwert, KonwertujNeedsTwoChosenDifferentSets) {
    TKonwert dialog{TMainImages{}};
    dialog.ListBox1->setCurrentRow(1);
    EXPECT_FALSE(dialog.PrzycKonw1->isEnabled()); // the target is not chosen yet
    dialog.ListBox2->setCurrentRow(1);
    EXPECT_FALSE(dialog.PrzycKonw1->isEnabled());
    dialog.ListBox2->setCurrentRow(4);
    EXPECT_TRUE(dialog.PrzycKonw1->isEnabled());
    EXPECT_EQ(dialog.Source(), 1);
    EXPECT_EQ(dialog.Target(), 4);
    dialog.ListBox1->setCurrentRow(4);
    EXPECT_FALSE(dialog.PrzycKonw1->isEnabled());
}

TEST(Konwert, KonwertujConfirmsAndTheCancelButtonDoesNot) {
    TKonwert dialog{TMainImages{}};
    dialog.PrzycKonw1->click();
    EXPECT_EQ(dialog.result(), QDialog::Accepted);
    TKonwert other{TMainImages{}};
    other.setResult(QDialog::Accepted);
    other.PrzycZamk1->click();
    EXPECT_EQ(other.result(), QDialog::Rejected);
}
