// The calculator dialog: its buttons, keys, memory mark, pop-up, and the
// component's value across uses.
#include "dialogs/dialogseam.h"
#include "dialogs/kalkul.h"

#include <QApplication>
#include <QClipboard>
#include <QLabel>
#include <QMenu>
#include <QTest>
#include <QToolButton>
#include <gtest/gtest.h>

namespace {
struct PolishLocale {
    PolishLocale() : saved(QLocale()) {
        QLocale::setDefault(QLocale(QLocale::Polish, QLocale::Poland));
    }
    ~PolishLocale() { QLocale::setDefault(saved); }
    QLocale saved;
};

// Types each character into the dialog as the keyboard would.
void Type(TKalkulDialog& d, const QString& keys) {
    for (QChar c : keys)
        QTest::keyClick(&d, c.toLatin1());
}
} // namespace

TEST(Kalkul, TwentyEightButtonsInTheirPlaces) {
    PolishLocale pl;
    TKalkulDialog d(15, false);
    EXPECT_EQ(d.size(), QSize(242, 159));
    EXPECT_EQ(d.Wyswietlacz1->geometry(), QRect(6, 6, 230, 23));
    EXPECT_EQ(d.PanelPrzyc1->size(), QSize(240, 129));
    EXPECT_EQ(d.Pamiec1->geometry(), QRect(6, 7, 34, 20));
    EXPECT_EQ(d.findChildren<QToolButton*>().size(), 28);
    EXPECT_EQ(d.Button(27)->geometry(), QRect(47, 6, 36, 22));
    EXPECT_EQ(d.Button(28)->geometry(), QRect(85, 6, 36, 22));
    EXPECT_EQ(d.Button(21)->geometry(), QRect(145, 6, 44, 22));
    EXPECT_EQ(d.Button(22)->geometry(), QRect(191, 6, 44, 22));
    EXPECT_EQ(d.Button(20)->geometry(), QRect(199, 104, 36, 22));
    EXPECT_EQ(d.Button(23)->geometry(), QRect(5, 104, 36, 22));
    EXPECT_EQ(d.Button(1)->text(), "0");
    EXPECT_EQ(d.Button(10)->text(), "9");
    EXPECT_EQ(d.Button(12)->text(), ","); // the locale's separator
    EXPECT_EQ(d.Button(17)->text(), "sqrt");
    EXPECT_EQ(d.Button(23)->text(), "MP");
    for (int id : {11, 14, 15, 16, 27, 28}) {
        EXPECT_TRUE(d.Button(id)->text().isEmpty()) << id;
        EXPECT_FALSE(d.Button(id)->icon().isNull()) << id;
    }
    EXPECT_EQ(d.Button(22)->palette().color(QPalette::ButtonText), QColor(0x80, 0, 0));
    EXPECT_EQ(d.Button(26)->palette().color(QPalette::ButtonText), QColor(0, 0, 0x80));
    EXPECT_EQ(d.Button(13)->palette().color(QPalette::ButtonText), QColor(0x80, 0, 0x80));
    EXPECT_EQ(d.Wyswietlacz1->text(), "0");
}

TEST(Kalkul, TypedKeysPressTheirButtons) {
    PolishLocale pl;
    TKalkulDialog d(15, false);
    d.Engine.Start(0, 0);
    Type(d, "7/2");
    QTest::keyClick(&d, Qt::Key_Return);
    EXPECT_EQ(d.Wyswietlacz1->text(), "3,5");
    QTest::keyClick(&d, Qt::Key_Escape); // clears, does not close
    EXPECT_EQ(d.Wyswietlacz1->text(), "0");
    EXPECT_EQ(d.result(), 0);
    Type(d, "1.5");
    EXPECT_EQ(d.Wyswietlacz1->text(), "1,5");
    QTest::keyClick(&d, Qt::Key_Backspace);
    EXPECT_EQ(d.Wyswietlacz1->text(), "1,");
    Type(d, "q"); // square root by its letter
    EXPECT_EQ(d.Wyswietlacz1->text(), "1");
}

TEST(Kalkul, ButtonsDriveTheMachineAndTheMemoryMark) {
    PolishLocale pl;
    TKalkulDialog d(15, false);
    d.Engine.Start(0, 0);
    d.Button(2)->click();  // 1
    d.Button(3)->click();  // 2
    d.Button(24)->click(); // MS
    EXPECT_EQ(d.Pamiec1->text(), "M");
    d.Button(22)->click(); // C
    d.Button(4)->click();  // 3
    d.Button(16)->click(); // +
    d.Button(25)->click(); // MR
    d.Button(20)->click(); // =
    EXPECT_EQ(d.Wyswietlacz1->text(), "15");
    d.Button(26)->click(); // MC
    EXPECT_EQ(d.Pamiec1->text(), "");
}

TEST(Kalkul, ConfirmIsRefusedWhileErrorIsShown) {
    PolishLocale pl;
    TKalkulDialog d(15, false);
    d.Engine.Start(0, 0);
    Type(d, "1/0=");
    EXPECT_EQ(d.Wyswietlacz1->text(), "Error");
    d.Button(TKalkulDialog::kConfirm)->click();
    EXPECT_EQ(d.result(), 0);
    Type(d, "c5");
    d.Button(TKalkulDialog::kConfirm)->click();
    EXPECT_EQ(d.result(), int(QDialog::Accepted));
}

TEST(Kalkul, CopyAndPasteFromThePopUp) {
    PolishLocale pl;
    TKalkulDialog d(15, false);
    d.Engine.Start(0, 0);
    QApplication::clipboard()->clear();
    Q_EMIT d.PopKalk1->aboutToShow();
    EXPECT_FALSE(d.Wklej1->isEnabled());
    Type(d, "25");
    d.Kopiuj1->trigger();
    EXPECT_EQ(QApplication::clipboard()->text(), "25");
    QApplication::clipboard()->setText("7,25");
    Q_EMIT d.PopKalk1->aboutToShow();
    EXPECT_TRUE(d.Wklej1->isEnabled());
    d.Wklej1->trigger();
    EXPECT_EQ(d.Wyswietlacz1->text(), "7,25");
}

TEST(Kalkul, ComponentKeepsValueAndMemoryAcrossUses) {
    PolishLocale pl;
    TKalkulator k;
    k.Title = "Kalkulator";
    k.Value = 42;
    seam::ScriptedDialogs dialogs;
    QString shown, title;
    dialogs.Answer([&](const seam::Request& r) {
        auto* d = static_cast<TKalkulDialog*>(r.dialog);
        shown = d->Wyswietlacz1->text();
        title = d->windowTitle();
        Type(*d, "*2=");
        d->Button(24)->click(); // MS, memory 84
        d->Button(TKalkulDialog::kConfirm)->click();
        return seam::Reply::Result(d->result());
    });
    EXPECT_TRUE(k.ShowCalculator());
    EXPECT_EQ(shown, "42");
    EXPECT_EQ(title, "Kalkulator");
    EXPECT_EQ(k.Value, 84);
    EXPECT_EQ(k.Memory, 84);

    // Cancel leaves everything as it was.
    dialogs.Answer([&](const seam::Request& r) {
        auto* d = static_cast<TKalkulDialog*>(r.dialog);
        shown = d->Wyswietlacz1->text();
        EXPECT_EQ(d->Pamiec1->text(), "M");
        Type(*d, "5");
        d->Button(26)->click(); // MC
        d->Button(TKalkulDialog::kCancel)->click();
        return seam::Reply::Result(d->result());
    });
    EXPECT_FALSE(k.ShowCalculator());
    EXPECT_EQ(shown, "84");
    EXPECT_EQ(k.Value, 84);
    EXPECT_EQ(k.Memory, 84);
}
