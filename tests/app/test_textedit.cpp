// The text tab's editing commands: enabling, case change, date and time,
// the calculator started from the selection, word wrap.
#include "dialogs/kalkul.h"
#include "tests/app/programfixture.h"
#include "tests/common/testenv.h"

#include <QClipboard>
#include <QLabel>
#include <QMenu>
#include <QRegularExpression>
#include <QToolButton>

namespace {
class TextEdit : public ProgramTest {
protected:
    void SetUp() override {
        saved_ = QLocale();
        QLocale::setDefault(QLocale(QLocale::Polish, QLocale::Poland));
    }
    void TearDown() override {
        ProgramTest::TearDown();
        QLocale::setDefault(saved_);
    }
    void Select(int start, int length) {
        Editor().SetSelStart(start);
        Editor().SetSelLength(length);
    }
    // Answers the next calculator with keys typed into it, then confirm or cancel.
    void Calculate(const QString& keys, bool confirm, QString* shownAtStart = nullptr) {
        dialogs.Answer([=, this](const seam::Request& r) {
            auto* d = dynamic_cast<TKalkulDialog*>(r.dialog);
            if (!d) return seam::Reply::Reject();
            if (shownAtStart) *shownAtStart = d->Wyswietlacz1->text();
            title_ = d->windowTitle();
            for (QChar c : keys)
                QTest::keyClick(d, c.toLatin1());
            d->Button(confirm ? TKalkulDialog::kConfirm : TKalkulDialog::kCancel)->click();
            return seam::Reply::Result(d->result());
        });
    }
    QLocale saved_;
    QString title_;
};

const QString kNotANumber =
    QStringLiteral("Kalkulator|Zaznaczony fragment tekstu nie składa się z cyfr lub jest on "
                   "dwuliniowy.");
} // namespace

// ---- Enabling ---------------------------------------------------------------------------------

TEST_F(TextEdit, SelectionItemsFollowTheSelectionInBothMenus) {
    Start();
    Type("abc");
    Q_EMIT main->Edycja1->aboutToShow();
    for (QAction* a : {main->Wytnij1, main->Kopiuj1, main->Usu1, main->Zmiena1->menuAction()})
        EXPECT_FALSE(a->isEnabled()) << a->objectName().toStdString();
    for (QAction* a : {main->Cofnij1, main->Wklej1, main->Znajd1, main->Zamie1, main->Data1,
                       main->Godzina1, main->Obliczenia1, main->Zaznaczwszystko1, main->ZawijWier1})
        EXPECT_TRUE(a->isEnabled()) << a->objectName().toStdString();
    Select(0, 2);
    Q_EMIT main->Edycja1->aboutToShow();
    for (QAction* a : {main->Wytnij1, main->Kopiuj1, main->Usu1, main->Zmiena1->menuAction()})
        EXPECT_TRUE(a->isEnabled()) << a->objectName().toStdString();
    Q_EMIT main->PopEdytor1->aboutToShow();
    for (QAction* a : {main->Wytnij2, main->Kopiuj2, main->Usu2, main->Zmiena2->menuAction(),
                       main->Cofnij2, main->Wklej2})
        EXPECT_TRUE(a->isEnabled()) << a->objectName().toStdString();
}

TEST_F(TextEdit, DisabledShortcutNeitherRunsNorReachesTheEditor) {
    Start();
    Type("abc");
    QApplication::clipboard()->setText("schowek");
    // Ctrl+X with nothing selected: no cut, and the editor does not cut either.
    QTest::keyClick(Editor().Widget(), Qt::Key_X, Qt::ControlModifier);
    EXPECT_EQ(Editor().Text(), "abc");
    EXPECT_EQ(QApplication::clipboard()->text(), "schowek");
    // The same key with a selection cuts.
    Select(0, 1);
    QTest::keyClick(Editor().Widget(), Qt::Key_X, Qt::ControlModifier);
    EXPECT_EQ(Editor().Text(), "bc");
    EXPECT_EQ(QApplication::clipboard()->text(), "a");
}

// ---- Case change
// ---------------------------------------------------------------------------------

TEST_F(TextEdit, CapitalLettersForPolishTextAndBackAsOneUndoStep) {
    Start();
    Editor().SetSelText("zażółć gęślą\r\njaźń 12!");
    main->Zaznaczwszystko1Click();
    main->Zmienadueznaki1Click();
    EXPECT_EQ(Editor().Text(), "ZAŻÓŁĆ GĘŚLĄ\r\nJAŹŃ 12!");
    EXPECT_EQ(Editor().SelLength(), 0);
    EXPECT_EQ(Editor().SelStart(), Editor().TextLength());
    EXPECT_EQ(TextPanel(0), "Zmieniony");
    Select(7, 5);
    main->Zmianam1Click(); // from the pop-up
    EXPECT_EQ(Editor().Text(), "ZAŻÓŁĆ gęślą\r\nJAŹŃ 12!");
    EXPECT_EQ(Editor().SelStart(), 12);
    main->Cofnij1Click();
    EXPECT_EQ(Editor().Text(), "ZAŻÓŁĆ GĘŚLĄ\r\nJAŹŃ 12!");
    main->Cofnij1Click();
    EXPECT_EQ(Editor().Text(), "zażółć gęślą\r\njaźń 12!");
}

TEST_F(TextEdit, CaseChangeKeepsEachLinesOwnBreak) {
    const QString file = testenv::ScratchPath("mixed.txt");
    testenv::WriteFile(file, QByteArray("abc\r\ndef\nghi\rjkl"));
    Start({file});
    main->Zaznaczwszystko1Click();
    main->Zmienadueznaki1Click();
    main->DialZap1.FileName = file;
    main->Zapisz2Click();
    EXPECT_EQ(testenv::ReadFile(file), QByteArray("ABC\r\nDEF\nGHI\rJKL"));
}

TEST_F(TextEdit, CaseChangeWithoutSelectionChangesNothing) {
    Start();
    Type("abc");
    main->SetTextUnmodified();
    main->Zmienadueznaki1Click();
    EXPECT_EQ(Editor().Text(), "abc");
    EXPECT_EQ(TextPanel(0), "Nie zmieniony");
}

// ---- Date and time
// -------------------------------------------------------------------------------

TEST_F(TextEdit, DateAndTimeInTheLocalesFormatsReplaceTheSelection) {
    Start();
    Type("[x]");
    Select(1, 1);
    const QDate before = QDate::currentDate();
    main->Data1Click();
    const QString text = Editor().Text();
    const QLocale pl(QLocale::Polish, QLocale::Poland);
    const QString date = pl.toString(QDate::currentDate(), QLocale::ShortFormat);
    EXPECT_TRUE(text == "[" + date + "]" ||
                text == "[" + pl.toString(before, QLocale::ShortFormat) + "]")
        << text.toStdString();
    EXPECT_TRUE(QRegularExpression("^\\[\\d{1,2}\\.\\d{2}\\.\\d{4}\\]$").match(text).hasMatch())
        << text.toStdString();

    Editor().SelectAll();
    Editor().SetSelText("<>");
    Editor().SetSelStart(1);
    main->Godzina1Click();
    // The long form has seconds: hh:mm:ss, and the caret stands behind it.
    const QString time = Editor().Text();
    EXPECT_TRUE(QRegularExpression("^<\\d{2}:\\d{2}:\\d{2}.*>$").match(time).hasMatch())
        << time.toStdString();
    EXPECT_EQ(Editor().SelStart(), time.size() - 1);
}

// ---- Calculator
// ----------------------------------------------------------------------------------

TEST_F(TextEdit, CalculatorStartsFromASelectedNumber) {
    Start();
    Editor().SetSelText("wynik 42 zł");
    Select(6, 2);
    QString shown;
    Calculate("", false, &shown);
    main->Obliczenia1Click();
    EXPECT_EQ(shown, "42");
    EXPECT_EQ(Editor().Text(), "wynik 42 zł"); // cancelled: nothing changes
    EXPECT_TRUE(Messages().isEmpty());
    EXPECT_EQ(title_, "Kalkulator");
}

TEST_F(TextEdit, CalculatorRefusesADecimalOrTwoLineSelectionAndKeepsItsValue) {
    Start();
    Editor().SetSelText("42 4.5 1\r\n2");
    Select(0, 2);
    Calculate("", false);
    main->Obliczenia1Click();
    QString shown;
    Select(3, 3); // 4.5
    Calculate("", false, &shown);
    main->Obliczenia1Click();
    EXPECT_EQ(Messages(), QStringList({kNotANumber}));
    EXPECT_EQ(shown, "42"); // opened after the message with the value from before
    Select(7, 4);           // "1", line break, "2"
    Calculate("", false, &shown);
    main->Obliczenia1Click();
    EXPECT_EQ(Messages(), QStringList({kNotANumber, kNotANumber}));
    EXPECT_EQ(shown, "42");
}

TEST_F(TextEdit, ConfirmedResultIsInsertedWithTheDecimalComma) {
    Start();
    Type("= ");
    Calculate("7/2=", true);
    main->Obliczenia1Click();
    EXPECT_EQ(Editor().Text(), "= 3,5");
    EXPECT_EQ(Editor().SelStart(), 5);
    // The calculator keeps its value for the next use.
    QString shown;
    Calculate("", false, &shown);
    main->Obliczenia1Click();
    EXPECT_EQ(shown, "3,5");
}

TEST_F(TextEdit, ConfirmingAnErrorIsRefused) {
    Start();
    Type("x");
    dialogs.Answer([](const seam::Request& r) {
        auto* d = dynamic_cast<TKalkulDialog*>(r.dialog);
        for (QChar c : QString("1/0="))
            QTest::keyClick(d, c.toLatin1());
        d->Button(TKalkulDialog::kConfirm)->click(); // refused: still open
        EXPECT_EQ(d->result(), 0);
        d->Button(TKalkulDialog::kCancel)->click();
        return seam::Reply::Result(d->result());
    });
    main->Obliczenia1Click();
    EXPECT_EQ(Editor().Text(), "x");
}

// ---- Word wrap
// -----------------------------------------------------------------------------------

TEST_F(TextEdit, WordWrapTogglesWithItsCheckMark) {
    Start();
    EXPECT_FALSE(Editor().WordWrap());
    EXPECT_FALSE(main->ZawijWier1->isChecked());
    main->ZawijWier1->trigger();
    EXPECT_TRUE(Editor().WordWrap());
    EXPECT_TRUE(main->ZawijWier1->isChecked());
    EXPECT_EQ(Editor().Widget()->horizontalScrollBarPolicy(), Qt::ScrollBarAlwaysOff);
    main->ZawijWier1Click();
    EXPECT_FALSE(Editor().WordWrap());
    EXPECT_FALSE(main->ZawijWier1->isChecked());
    EXPECT_EQ(Editor().Widget()->horizontalScrollBarPolicy(), Qt::ScrollBarAsNeeded);
}
