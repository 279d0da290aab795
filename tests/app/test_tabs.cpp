// Switching tabs swaps menu bar, tool bar, status bar and caption.
#include "tests/app/programfixture.h"
#include "tests/common/testenv.h"

#include <QMenuBar>
#include <QTabWidget>
#include <QToolBar>

using Tabs = ProgramTest;

namespace {
void ShowTab(TMain* main, int index) {
    main->PageControl1->setCurrentIndex(index);
    QCoreApplication::processEvents();
}
} // namespace

TEST_F(Tabs, HexTabBringsItsOwnBarsAndCaption) {
    const QString path = testenv::ScratchPath("tabs.txt");
    testenv::WriteFile(path, "x");
    Start({path});
    ShowTab(main, 1);
    EXPECT_EQ(main->PageControl1Tag, 1);
    EXPECT_FALSE(main->MainMenu1->isVisible());
    EXPECT_TRUE(main->HexMenu1->isVisible());
    EXPECT_FALSE(main->PasekNarz->isVisible());
    EXPECT_TRUE(main->PasekHex1->isVisible());
    EXPECT_FALSE(main->Informator->isVisible());
    EXPECT_TRUE(main->StatusBar1->isVisible());
    EXPECT_EQ(main->windowTitle(), "Vorbix 2 - Bez nazwy");
    EXPECT_EQ(main->Gradient->FormCaption(), "Vorbix 2 - Bez nazwy");
    EXPECT_EQ(main->Tyt1, "Vorbix 2 - " + path);
}

TEST_F(Tabs, BackToTextRestoresItsCaptionExactly) {
    const QString path = testenv::ScratchPath("back.txt");
    testenv::WriteFile(path, "x");
    Start({path});
    ShowTab(main, 1);
    ShowTab(main, 0);
    EXPECT_EQ(main->PageControl1Tag, 0);
    EXPECT_EQ(main->windowTitle(), "Vorbix 2 - " + path);
    EXPECT_EQ(main->Gradient->FormCaption(), "Vorbix 2 - " + path);
    EXPECT_TRUE(main->MainMenu1->isVisible());
    EXPECT_FALSE(main->HexMenu1->isVisible());
    EXPECT_TRUE(main->PasekNarz->isVisible());
    EXPECT_FALSE(main->PasekHex1->isVisible());
    EXPECT_TRUE(main->Informator->isVisible());
    EXPECT_FALSE(main->StatusBar1->isVisible());
}

TEST_F(Tabs, HexCaptionIsRememberedForTheNextSwitch) {
    Start();
    ShowTab(main, 1);
    main->SetCaption("Vorbix 2 - /data/file.bin"); // as the hex side writes it
    ShowTab(main, 0);
    EXPECT_EQ(main->Tyt2, "Vorbix 2 - /data/file.bin");
    ShowTab(main, 1);
    EXPECT_EQ(main->windowTitle(), "Vorbix 2 - /data/file.bin");
}

TEST_F(Tabs, HexStateChangesWhileTheTextTabIsShownLeaveItsCaption) {
    const QString path = testenv::ScratchPath("stay.txt");
    testenv::WriteFile(path, "x");
    Start({path});
    const uint8_t byte = 0x41;
    main->HexEditor1->AppendBuffer(&byte, 1);
    Settle();
    EXPECT_EQ(main->windowTitle(), "Vorbix 2 - " + path);
    EXPECT_EQ(HexPanel(4), "1 B");
    EXPECT_EQ(HexPanel(2), "Zmieniony");
}

TEST_F(Tabs, HexStatusFollowsTheHexDocument) {
    Start();
    ShowTab(main, 1);
    const uint8_t bytes[12] = {};
    main->HexEditor1->AppendBuffer(bytes, 12);
    main->HexEditor1->SetSelStart(9);
    main->HexEditor1->SetSelEnd(5);
    Settle();
    EXPECT_EQ(HexPanel(1), "5 - 9");
    EXPECT_EQ(HexPanel(2), "Zmieniony");
    EXPECT_EQ(HexPanel(4), "12 B");
    EXPECT_EQ(HexPanel(0), "Poz: " + QString::number(main->HexEditor1->CurrentPosition()));
    EXPECT_EQ(HexPanel(3), main->HexEditor1->InsertMode() ? "WST" : "NAD");
    EXPECT_EQ(main->windowTitle(), "Vorbix 2 - Bez nazwy");
}

TEST_F(Tabs, HintsReachBothStatusBars) {
    Start();
    main->AplikacjaHint("Rozpoczyna nowy plik");
    EXPECT_EQ(TextPanel(3), "Rozpoczyna nowy plik");
    EXPECT_EQ(HexPanel(5), "Rozpoczyna nowy plik");
}

TEST_F(Tabs, EachTabGivesTheKeyboardToItsEditor) {
    Start();
    EXPECT_EQ(main->focusWidget(), Editor().Widget());
    ShowTab(main, 1);
    EXPECT_EQ(main->focusWidget(), main->HexEditor1);
    ShowTab(main, 0);
    EXPECT_EQ(main->focusWidget(), Editor().Widget());
}
