// The message dialog: what it shows, how it closes, what it keeps.
#include "dialogs/backgroundbar.h"
#include "dialogs/dialogseam.h"
#include "dialogs/diaok.h"

#include <QApplication>
#include <QLabel>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <gtest/gtest.h>

namespace {
TMainImages SomeImages() {
    QPixmap ok(16, 16);
    ok.fill(Qt::green);
    QPixmap background(8, 8);
    background.fill(Qt::gray);
    return TMainImages{QIcon(ok), QIcon(), background};
}

// Closes the open modal dialog with a key sent to the widget that has the focus.
void PressWhenOpen(int key) {
    QTimer::singleShot(0, [key] {
        QWidget* modal = QApplication::activeModalWidget();
        ASSERT_NE(modal, nullptr);
        QWidget* target = modal->focusWidget() ? modal->focusWidget() : modal;
        QTest::keyClick(target, Qt::Key(key));
    });
}
} // namespace

TEST(MessageDialog, StartsWithItsPlaceholderUnderVorbix) {
    TDialOkey dialog(SomeImages());
    EXPECT_EQ(dialog.windowTitle(), "Vorbix");
    EXPECT_EQ(dialog.NapX->text(), "Nie było jeszcze komunikatu.");
    EXPECT_EQ(dialog.PrzycZamk1->text(), "&Zrozumiałem");
}

TEST(MessageDialog, CopiesTheMainWindowPictures) {
    const TMainImages images = SomeImages();
    TDialOkey dialog(images);
    EXPECT_EQ(dialog.PrzycZamk1->icon().cacheKey(), images.PrzycOk1.cacheKey());
    EXPECT_EQ(dialog.PasTlo1->Picture().cacheKey(), images.PasekNarzBackground.cacheKey());
}

TEST(MessageDialog, ShowMessageDialogSetsCaptionAndTextAndRunsModally) {
    TDialOkey dialog(SomeImages());
    seam::ScriptedDialogs dialogs;
    ShowMessageDialog("Idź do", "Nieprawidłowa pozycja.");
    ASSERT_EQ(dialogs.Asked(seam::Kind::Message).size(), 1u);
    EXPECT_EQ(dialogs.Asked()[0].dialog, &dialog);
    EXPECT_EQ(dialog.windowTitle(), "Idź do");
    EXPECT_EQ(dialog.NapX->text(), "Nieprawidłowa pozycja.");
}

TEST(MessageDialog, SecondMessageReplacesTheFirstAndStaysAfterClosing) {
    TDialOkey dialog(SomeImages());
    seam::ScriptedDialogs dialogs;
    ShowMessageDialog("Pierwszy", "Tekst pierwszy, znacznie dłuższy od drugiego.");
    ShowMessageDialog("Drugi", "Krótki");
    EXPECT_EQ(dialog.windowTitle(), "Drugi");
    EXPECT_EQ(dialog.NapX->text(), "Krótki");
}

TEST(MessageDialog, AmpersandIsShownAsItself) {
    TDialOkey dialog(SomeImages());
    dialog.SetMessage("Vorbix", "Kowalski & Syn");
    EXPECT_EQ(dialog.NapX->textFormat(), Qt::PlainText);
    EXPECT_EQ(dialog.NapX->buddy(), nullptr);
    // Plain text keeps the "&" on screen: the label is as wide as the whole text.
    dialog.NapX->setWordWrap(false);
    const QFontMetrics fm = dialog.NapX->fontMetrics();
    EXPECT_NEAR(dialog.NapX->sizeHint().width(), fm.horizontalAdvance("Kowalski & Syn"), 2);
    EXPECT_GT(dialog.NapX->sizeHint().width(), fm.horizontalAdvance("Kowalski Syn") + 2);
}

TEST(MessageDialog, EnterClosesIt) {
    TDialOkey dialog(SomeImages());
    PressWhenOpen(Qt::Key_Return);
    ShowMessageDialog("Vorbix", "Enter");
    EXPECT_FALSE(dialog.isVisible());
}

TEST(MessageDialog, KeypadEnterClosesIt) {
    TDialOkey dialog(SomeImages());
    PressWhenOpen(Qt::Key_Enter);
    ShowMessageDialog("Vorbix", "Enter");
    EXPECT_FALSE(dialog.isVisible());
}

TEST(MessageDialog, EscClosesIt) {
    TDialOkey dialog(SomeImages());
    PressWhenOpen(Qt::Key_Escape);
    ShowMessageDialog("Vorbix", "Esc");
    EXPECT_FALSE(dialog.isVisible());
}

TEST(MessageDialog, OtherKeysLeaveItOpen) {
    TDialOkey dialog(SomeImages());
    EXPECT_FALSE(dialog.FormKeyDown(Qt::Key_A));
    EXPECT_FALSE(dialog.FormKeyDown(Qt::Key_Space));
    EXPECT_TRUE(dialog.FormKeyDown(Qt::Key_Escape));
}

TEST(MessageDialog, TheButtonClosesIt) {
    TDialOkey dialog(SomeImages());
    QTimer::singleShot(0, [&] { dialog.PrzycZamk1->click(); });
    ShowMessageDialog("Vorbix", "Przycisk");
    EXPECT_FALSE(dialog.isVisible());
    EXPECT_EQ(dialog.NapX->text(), "Przycisk");
}

TEST(MessageDialog, WorksBeforeTheProgramHasCreatedOne) {
    ASSERT_EQ(DialOkey, nullptr);
    seam::ScriptedDialogs dialogs;
    ShowMessageDialog("Otwieranie pliku", "Wystąpił błąd podczas otwierania pliku.");
    ASSERT_EQ(dialogs.Asked(seam::Kind::Message).size(), 1u);
    ASSERT_NE(dialogs.Asked()[0].dialog, nullptr);
    EXPECT_EQ(dialogs.Asked()[0].dialog->windowTitle(), "Otwieranie pliku");
    // The program's own dialog, once created, takes over.
    TDialOkey program(SomeImages());
    ShowMessageDialog("Vorbix", "Teraz");
    EXPECT_EQ(dialogs.Asked().back().dialog, &program);
}
