// Program start: the windows and their order, the command-line file, the
// message dialog during start-up, the first look of the window.
#include "dialogs/diaok.h"
#include "app/picturetoolbar.h"
#include "tests/app/programfixture.h"
#include "tests/common/testenv.h"

#include <QLabel>
#include <QMenuBar>
#include <QPushButton>
#include <QToolBar>
#include <QToolButton>

using StartUp = ProgramTest;

TEST_F(StartUp, WindowsAreCreatedMainFirstThenTheDialogsInOrder) {
    Start();
    EXPECT_EQ(program->CreationOrder(), QStringList({"TMain", "TKonfiguracja", "TDialOkey", "TInfo",
                                                     "TPisownia", "TKonwert"}));
}

TEST_F(StartUp, MessageDialogCarriesTheMainWindowsOkPicture) {
    Start();
    ASSERT_NE(DialOkey, nullptr);
    EXPECT_EQ(DialOkey->PrzycZamk1->icon().cacheKey(), main->PrzycOk1->icon().cacheKey());
    EXPECT_FALSE(main->PrzycOk1->isVisible());
}

TEST_F(StartUp, WithoutArgumentsTheTextIsEmptyAndUntitled) {
    Start();
    EXPECT_EQ(main->windowTitle(), "Vorbix 2 - Bez nazwy");
    EXPECT_EQ(main->Gradient->FormCaption(), "Vorbix 2 - Bez nazwy");
    EXPECT_EQ(Editor().TextLength(), 0);
    EXPECT_EQ(TextPanel(0), "Nie zmieniony");
    EXPECT_EQ(TextPanel(1), "0 B");
    EXPECT_EQ(TextPanel(2), "  1:  1");
    EXPECT_TRUE(main->DialZap1.FileName.isEmpty());
    EXPECT_TRUE(dialogs.Asked().empty());
}

TEST_F(StartUp, OneArgumentOpensTheFileInTheTextEditor) {
    const QString path = testenv::ScratchPath("start.txt");
    testenv::WriteFile(path, Cp1250("Zażółć\r\ngęślą jaźń"));
    Start({path});
    EXPECT_EQ(Editor().Text(), QString("Zażółć\r\ngęślą jaźń"));
    EXPECT_EQ(TextPanel(0), "Nie zmieniony");
    EXPECT_EQ(TextPanel(1), "18 B");
    EXPECT_EQ(main->DialZap1.FileName, path);
    EXPECT_EQ(main->DialOtw1.FileName, path);
    EXPECT_TRUE(dialogs.Asked().empty());
}

TEST_F(StartUp, LoadedFileKeepsItsCaptionAfterTheHexDocumentStarts) {
    const QString path = testenv::ScratchPath("caption.txt");
    testenv::WriteFile(path, "abc");
    Start({path});
    Settle(); // the hex editor's reset reports its state only now
    EXPECT_EQ(main->windowTitle(), "Vorbix 2 - " + path);
    EXPECT_EQ(main->Gradient->FormCaption(), "Vorbix 2 - " + path);
    EXPECT_EQ(main->Tyt2, "Vorbix 2 - Bez nazwy");
}

TEST_F(StartUp, TheHexDocumentStartsEmptyAndUntitled) {
    Start();
    EXPECT_EQ(main->HexEditor1->FileName(), "Bez nazwy");
    EXPECT_EQ(HexPanel(0), "Poz: 0");
    EXPECT_EQ(HexPanel(1), "");
    EXPECT_EQ(HexPanel(2), "Nie zmieniony");
    EXPECT_EQ(HexPanel(4), "0 B");
}

TEST_F(StartUp, OnlyTheFirstOfTwoArgumentsIsOpened) {
    const QString first = testenv::ScratchPath("first.txt");
    const QString second = testenv::ScratchPath("second.txt");
    testenv::WriteFile(first, "first");
    testenv::WriteFile(second, "second");
    Start({first, second});
    EXPECT_EQ(Editor().Text(), "first");
    EXPECT_EQ(main->windowTitle(), "Vorbix 2 - " + first);
    EXPECT_TRUE(dialogs.Asked().empty());
}

TEST_F(StartUp, MissingFileIsReportedThroughTheMessageDialog) {
    const QString missing = testenv::ScratchPath("missing.txt");
    Start({missing});
    EXPECT_EQ(Messages(),
              QStringList({"Otwieranie pliku|Wystąpił błąd podczas otwierania pliku."}));
    // The program's own message dialog already did the reporting.
    ASSERT_NE(DialOkey, nullptr);
    EXPECT_EQ(dialogs.Asked(seam::Kind::Message).front().dialog, DialOkey);
    EXPECT_EQ(DialOkey->windowTitle(), "Otwieranie pliku");
    EXPECT_EQ(DialOkey->NapX->text(), "Wystąpił błąd podczas otwierania pliku.");
    EXPECT_EQ(main->windowTitle(), "Vorbix 2 - Bez nazwy");
    EXPECT_EQ(Editor().TextLength(), 0);
    EXPECT_EQ(TextPanel(0), "Nie zmieniony");
    EXPECT_TRUE(main->DialZap1.FileName.isEmpty());
}

TEST_F(StartUp, UnreadableFileIsReportedLikeAMissingOne) {
    const QString folder = testenv::ScratchDir(); // a folder is no text file
    Start({folder});
    EXPECT_EQ(Messages(),
              QStringList({"Otwieranie pliku|Wystąpił błąd podczas otwierania pliku."}));
    EXPECT_EQ(main->windowTitle(), "Vorbix 2 - Bez nazwy");
}

TEST_F(StartUp, TheTextTabIsInFrontWithItsBars) {
    Start();
    EXPECT_EQ(main->PageControl1->currentIndex(), 0);
    EXPECT_EQ(main->PageControl1Tag, 0);
    EXPECT_EQ(main->PageControl1->tabText(0), "Edytor tekstu");
    EXPECT_EQ(main->PageControl1->tabText(1), "Edytor heksacyjny");
    EXPECT_TRUE(main->MainMenu1->isVisible());
    EXPECT_FALSE(main->HexMenu1->isVisible());
    EXPECT_TRUE(main->PasekNarz->isVisible());
    EXPECT_FALSE(main->PasekHex1->isVisible());
    EXPECT_TRUE(main->Informator->isVisible());
    EXPECT_FALSE(main->StatusBar1->isVisible());
}

TEST_F(StartUp, WindowOpensAtItsDesignBounds) {
    Start();
    EXPECT_EQ(main->geometry(), QRect(194, 109, 760, 540));
}

TEST_F(StartUp, TheHexEditorIsConfiguredForTheWindow) {
    Start();
    THexEditor* hex = main->HexEditor1;
    EXPECT_EQ(hex->parentWidget(), main->TabSheet2);
    EXPECT_EQ(hex->BytesPerLine(), 16);
    EXPECT_EQ(hex->BytesPerColumn(), 2);
    EXPECT_EQ(hex->Translation(), ttAnsi);
    EXPECT_FALSE(hex->CreateBackup());
    EXPECT_EQ(hex->BackupExtension(), ".bak");
    EXPECT_EQ(hex->OffsetDisplay(), odHex);
    EXPECT_EQ(hex->OffsetSeparator(), ':');
    EXPECT_TRUE(hex->AllowInsertMode());
    EXPECT_FALSE(hex->FocusFrame());
    EXPECT_EQ(hex->font().family().toLower(), "courier new");
    EXPECT_EQ(hex->font().pointSize(), 12);
    EXPECT_TRUE(QFontInfo(hex->font()).fixedPitch());
    TColors* c = hex->Colors();
    EXPECT_EQ(c->Background(), clWindow);
    EXPECT_EQ(c->PositionBackground(), clMaroon);
    EXPECT_EQ(c->PositionText(), clRed);
    EXPECT_EQ(c->ChangedBackground(), clWindow);
    EXPECT_EQ(c->ChangedText(), clRed);
    EXPECT_EQ(c->CursorFrame(), clBlack);
    EXPECT_EQ(c->Offset(), clBlack);
    EXPECT_EQ(c->OddColumn(), clBlue);
    EXPECT_EQ(c->EvenColumn(), clNavy);
}

TEST_F(StartUp, HexToolBarGetsTheTextToolBarsBackground) {
    Start();
    for (const char* name : {"PasekNarz", "PasekHex1"}) {
        QToolBar* bar = main->findChild<QToolBar*>(name);
        ASSERT_NE(bar, nullptr) << name;
        EXPECT_TRUE(bar->isMovable());
        EXPECT_EQ(bar->allowedAreas(), Qt::AllToolBarAreas);
    }
    auto* text = static_cast<TPictureToolBar*>(main->PasekNarz);
    auto* hex = static_cast<TPictureToolBar*>(main->PasekHex1);
    EXPECT_FALSE(text->Picture().isNull());
    EXPECT_EQ(hex->Picture().cacheKey(), text->Picture().cacheKey());
    EXPECT_EQ(main->Images().PasekNarzBackground.cacheKey(), text->Picture().cacheKey());
}
