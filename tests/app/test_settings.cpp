// The settings file "Vorbix.ini": read at every show, written at an allowed
// close, erased by "Przywróć domyślne"; other sections of the file survive.
#include "appcore/desktopentry.h"
#include "dialogs/konfig.h"
#include "tests/app/programfixture.h"
#include "tests/common/testenv.h"

#include <QColorDialog>
#include <QDir>
#include <QFile>
#include <QFontDialog>
#include <QStandardPaths>
#include <QSystemTrayIcon>
#include <QToolBar>
#include <QToolButton>

namespace {

QString IniPath() {
    return QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation) + "/Vorbix.ini";
}

class Settings : public ProgramTest {
protected:
    // Starts the program with this settings file.
    void StartWith(const QByteArray& ini) {
        QDir().mkpath(QFileInfo(IniPath()).absolutePath());
        QFile::remove(IniPath());
        testenv::WriteFile(IniPath(), ini);
        Restart();
    }
    // Starts the program again with the settings file as it is.
    void Restart() {
        program = std::make_unique<TProgram>(QStringList());
        main = program->Main();
        main->show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(main));
        Settle();
    }
    // Closes (saving) and destroys the program.
    void Finish() {
        EXPECT_TRUE(main->close());
        program.reset();
        main = nullptr;
    }
    QByteArray Ini() const { return testenv::ReadFile(IniPath()); }
    // The configuration dialog shown from the menu, with this done inside it.
    void InKonfiguracja(std::function<void(TKonfiguracja&)> inside) {
        dialogs.Answer([inside](const seam::Request& r) {
            inside(*static_cast<TKonfiguracja*>(r.dialog));
            return seam::Reply::Reject();
        });
        main->Konfiguracja1->trigger();
    }
    settings::TProperties Props() const { return main->StoredProperties(); }
};

const QRect kDesign(194, 109, 760, 540);

} // namespace

namespace settings {
void PrintTo(const TFontProps& f, std::ostream* os) {
    *os << f.Charset << "/" << f.Color << "/" << f.Height << "/" << f.Name.toStdString() << "/"
        << int(f.Pitch) << "/" << f.Size << "/" << int(f.Style);
}
void PrintTo(const TProperties& p, std::ostream* os) {
    *os << p.WordWrap << " " << int(p.PasekNarz) << " " << int(p.PasekHex1) << " " << p.EdytorColor
        << " [";
    PrintTo(p.EdytorFont, os);
    *os << "] [";
    for (int32_t c : p.HexColors)
        *os << c << ",";
    *os << "] [";
    PrintTo(p.HexFont, os);
    *os << "]";
}
} // namespace settings

TEST_F(Settings, FirstStartWithoutAFileIsANormalWindowAtTheDesignBounds) {
    Start();
    EXPECT_FALSE(QFile::exists(IniPath()));
    EXPECT_EQ(main->geometry(), kDesign);
    EXPECT_FALSE(main->isMaximized());
    EXPECT_FALSE(main->isMinimized());
    EXPECT_EQ(Props(), [] {
        auto p = settings::FactoryProperties();
        p.HexFont.Name = "Courier New"; // as the window spells it
        return p;
    }());
}

TEST_F(Settings, CloseWritesVisibleZeroAndDestructionWithoutCloseVisibleOne) {
    Start();
    Finish();
    EXPECT_TRUE(Ini().contains("\nVisible=0\n"));
    Start();
    program.reset(); // destroyed without a close
    main = nullptr;
    EXPECT_TRUE(Ini().contains("\nVisible=1\n"));
}

TEST_F(Settings, WhatASaveWroteComesBackAtTheNextStart) {
    StartWith("[Inne]\nklucz = \"wartość\"\n");
    QFont text("DejaVu Serif");
    text.setPointSize(14);
    text.setItalic(true);
    main->Edytor->SetFont(text);
    QFont hex("DejaVu Sans Mono");
    hex.setPointSize(10);
    hex.setBold(true);
    main->HexEditor1->setFont(hex);
    TColors* c = main->HexEditor1->Colors();
    c->SetBackground(0x010101);
    c->SetPositionBackground(0x020202);
    c->SetPositionText(0x030303);
    c->SetChangedBackground(0x040404);
    c->SetChangedText(0x050505);
    c->SetCursorFrame(0x060606);
    c->SetOffset(0x070707);
    c->SetOddColumn(0x080808);
    c->SetEvenColumn(0x090909);
    main->SetEdytorColor(0x00FFEE);
    auto p = Props();
    p.WordWrap = true;
    p.PasekNarz = settings::TAlign::Bottom;
    p.PasekHex1 = settings::TAlign::Right;
    main->ApplyStoredProperties(p);
    main->setGeometry(40, 50, 640, 480);
    const settings::TProperties before = Props();
    Finish();
    EXPECT_TRUE(Ini().startsWith("[Inne]\nklucz = \"wartość\"\n\n[Pozycje]\n"));

    Restart();
    EXPECT_EQ(Props(), before);
    EXPECT_EQ(main->Edytor->Font().family(), "DejaVu Serif");
    EXPECT_EQ(main->Edytor->Font().pointSize(), 14);
    EXPECT_TRUE(main->Edytor->Font().italic());
    EXPECT_EQ(main->HexEditor1->font().family(), "DejaVu Sans Mono");
    EXPECT_TRUE(main->HexEditor1->font().bold());
    EXPECT_EQ(main->HexEditor1->Colors()->EvenColumn(), 0x090909u);
    EXPECT_EQ(main->HexEditor1->Colors()->Background(), 0x010101u);
    EXPECT_EQ(main->Edytor->Color(), QColor(0xEE, 0xFF, 0x00));
    EXPECT_TRUE(main->ZawijWier1->isChecked());
    EXPECT_TRUE(main->Edytor->WordWrap());
    EXPECT_EQ(main->toolBarArea(main->PasekNarz), Qt::BottomToolBarArea);
    EXPECT_EQ(main->toolBarArea(main->PasekHex1), Qt::RightToolBarArea);
    EXPECT_TRUE(main->PasekHex1->isHidden()); // still the text tab's bars in front
    EXPECT_EQ(main->geometry(), QRect(40, 50, 640, 480));
}

TEST_F(Settings, EdytorColorThatIsNoNumberGivesBlack) {
    StartWith("[Pozycje]\nEdytor_Color=zielony\n");
    EXPECT_EQ(main->EdytorColor(), 0);
    EXPECT_EQ(main->Edytor->Color(), QColor(Qt::black));
}

TEST_F(Settings, FontNameInDoubleQuotesIsReadWithoutThem) {
    StartWith("[Pozycje]\nHexEditor1_FontName=\"DejaVu Sans Mono\"\nHexEditor1_FontSize=9\n");
    EXPECT_EQ(main->HexEditor1->font().family(), "DejaVu Sans Mono");
    EXPECT_EQ(main->HexEditor1->font().pointSize(), 9);
}

TEST_F(Settings, OtherResolutionKeepsTheDesignPlaceButAppliesTheRest) {
    StartWith("[Pozycje]\nPixelsPerInch=1\nNormPos=10,20,610,420\nShowCmd=3\nEdytor_Color=255\n"
              "ZawijWier1_Checked=true\n");
    EXPECT_TRUE(main->isMaximized());
    EXPECT_EQ(main->normalGeometry(), kDesign);
    EXPECT_EQ(main->Edytor->Color(), QColor(255, 0, 0));
    EXPECT_TRUE(main->ZawijWier1->isChecked());
}

TEST_F(Settings, SameResolutionPlacesTheWindowOnScreen) {
    StartWith(QByteArray("[Pozycje]\nPixelsPerInch=96\nNormPos=10,20,610,420\n"));
    EXPECT_EQ(main->geometry(), QRect(10, 20, 600, 400));
    EXPECT_FALSE(main->isMaximized());
    Finish();
    StartWith("[Pozycje]\nNormPos=-90000,-90000,-89400,-89600\n");
    EXPECT_EQ(main->geometry().size(), QSize(600, 400));
    EXPECT_TRUE(main->screen()->availableGeometry().contains(main->geometry().topLeft()));
}

TEST_F(Settings, WordWrapRestoredWithItsCheckMark) {
    StartWith("[Pozycje]\nZawijWier1_Checked=True\n");
    EXPECT_TRUE(main->ZawijWier1->isChecked());
    EXPECT_TRUE(main->Edytor->WordWrap());
    Finish();
    StartWith("[Pozycje]\nZawijWier1_Checked=FALSE\n");
    EXPECT_FALSE(main->ZawijWier1->isChecked());
    EXPECT_FALSE(main->Edytor->WordWrap());
}

TEST_F(Settings, AChangeIsUndoneByTheTrayAndBack) {
    StartWith("[Pozycje]\nEdytor_FontName=DejaVu Serif\nEdytor_FontSize=11\n");
    main->TrayAvailable = [] { return true; };
    main->PageControl1->setCurrentIndex(1);
    InKonfiguracja([](TKonfiguracja& k) {
        seam::ScriptedDialogs inner;
        inner.Answer([&k](const seam::Request&) {
            k.CzcionDial1->setCurrentFont(QFont("DejaVu Sans Mono", 20));
            return seam::Reply::Accept();
        });
        k.PrzycCzc1->click();
    });
    EXPECT_EQ(main->Edytor->Font().pointSize(), 20);
    main->Doszufladki2->trigger();
    EXPECT_TRUE(main->isHidden());
    EXPECT_TRUE(main->Szuflada->isVisible());
    EXPECT_EQ(main->Szuflada->toolTip(), "Vorbix");
    main->SzufladaClick();
    Settle();
    EXPECT_TRUE(main->isVisible());
    EXPECT_FALSE(main->Szuflada->isVisible());
    EXPECT_EQ(main->Edytor->Font().family(), "DejaVu Serif");
    EXPECT_EQ(main->Edytor->Font().pointSize(), 11);
    EXPECT_EQ(main->PageControl1->currentIndex(), 1);
}

TEST_F(Settings, WithoutATrayTheWindowIsMinimisedNotHidden) {
    Start();
    main->TrayAvailable = [] { return false; };
    main->Doszufladki1->trigger();
    Settle();
    EXPECT_TRUE(main->isVisible());
    EXPECT_FALSE(main->Szuflada->isVisible());
}

TEST_F(Settings, RestoreDefaultsErasesTheSectionUntilTheClose) {
    StartWith("[Pozycje]\nHexEditor1_ColorsOffset=255\n[Inna]\na=1\n");
    InKonfiguracja([](TKonfiguracja& k) { k.RxSpeedButton1->click(); });
    EXPECT_EQ(Ini(), "[Inna]\na=1\n");
    EXPECT_EQ(main->Edytor->Color(), QColor(Qt::white));
    EXPECT_EQ(main->EdytorColor(), 16777215);
    EXPECT_EQ(main->Edytor->Font().family(), "MS Sans Serif");
    EXPECT_EQ(main->Edytor->Font().pointSize(), 8);
    EXPECT_EQ(main->Edytor->Widget()->palette().color(QPalette::Text), QColor(Qt::black));
    EXPECT_EQ(main->HexEditor1->Colors()->Background(), 0xFFFFFFu);
    EXPECT_EQ(main->HexEditor1->Colors()->Offset(), 255u); // the other colours stay
    EXPECT_EQ(main->HexEditor1->font().family(), "Courier new");
    EXPECT_EQ(main->HexEditor1->font().pointSize(), 12);
    EXPECT_EQ(Props().HexFont.Charset, 1);
    Finish();
    EXPECT_TRUE(Ini().startsWith("[Inna]\na=1\n\n[Pozycje]\n"));
    EXPECT_TRUE(Ini().contains("\nEdytor_Color=16777215\n"));
    EXPECT_TRUE(Ini().contains("\nHexEditor1_ColorsOffset=255\n"));
}

TEST_F(Settings, ColourAndFontDialogsChangeOnlyWhenConfirmed) {
    Start();
    const QFont hexBefore = main->HexEditor1->font();
    InKonfiguracja([](TKonfiguracja& k) {
        seam::ScriptedDialogs inner;
        inner.Answer([&k](const seam::Request& r) {
            EXPECT_EQ(r.dialog, static_cast<QDialog*>(k.KolDial1));
            k.KolDial1->setCurrentColor(QColor(10, 20, 30));
            return seam::Reply::Accept();
        });
        k.PrzycKolTl1->click();
        inner.Answer([&k](const seam::Request&) {
            k.KolDial1->setCurrentColor(QColor(1, 2, 3));
            return seam::Reply::Reject();
        });
        k.PrzycTloH1->click(); // cancelled
        inner.Answer([&k](const seam::Request&) {
            k.KolDial1->setCurrentColor(QColor(40, 50, 60));
            return seam::Reply::Accept();
        });
        k.PrzycTloH1->click();
        inner.Reject();
        k.RxSpeedButton4->click(); // font cancelled
    });
    EXPECT_EQ(main->Edytor->Color(), QColor(10, 20, 30));
    EXPECT_EQ(main->EdytorColor(), 0x1E140A);
    EXPECT_EQ(main->HexEditor1->Colors()->Background(), 0x3C3228u);
    EXPECT_EQ(main->HexEditor1->font(), hexBefore);
}

TEST_F(Settings, ToolBarPopupShowsTheSameDialog) {
    Start();
    dialogs.Reject();
    main->Konfiguracja3->trigger();
    main->Konfiguracja2->trigger(); // hex menu bar; no answer left: rejected too
    ASSERT_EQ(dialogs.Asked(seam::Kind::Dialog).size(), 2u);
    EXPECT_EQ(dialogs.Asked(seam::Kind::Dialog)[0].dialog, Konfiguracja);
    EXPECT_EQ(dialogs.Asked(seam::Kind::Dialog)[1].caption, "Konfiguracja");
}

TEST_F(Settings, FullScreenOnAndOffFromEitherMenu) {
    StartWith("[Pozycje]\nShowCmd=1\n[Inna]\nb=2\n");
    main->Pelnyekran1->trigger();
    EXPECT_TRUE(main->Pelnyekran1->isChecked());
    EXPECT_TRUE(main->Penyekran1->isChecked());
    EXPECT_TRUE(main->windowFlags() & Qt::FramelessWindowHint);
    EXPECT_TRUE(main->isMaximized());
    EXPECT_TRUE(main->isVisible());
    EXPECT_EQ(Ini(), "[Inna]\nb=2\n");
    main->Penyekran1->trigger();
    EXPECT_FALSE(main->Pelnyekran1->isChecked());
    EXPECT_FALSE(main->Penyekran1->isChecked());
    EXPECT_FALSE(main->windowFlags() & Qt::FramelessWindowHint);
    EXPECT_TRUE(main->isMaximized()); // still maximised, with its title bar
    EXPECT_TRUE(main->isVisible());
    main->Penyekran1->trigger();
    EXPECT_TRUE(main->FullScreen());
    EXPECT_TRUE(main->Pelnyekran1->isChecked());
    main->Pelnyekran1->trigger();
    EXPECT_FALSE(main->FullScreen());
    EXPECT_FALSE(main->Penyekran1->isChecked());
}

TEST_F(Settings, AFileThatCannotBeReadIsNeitherUsedNorReplaced) {
    QByteArray big = "[Pozycje]\nEdytor_Color=255\n";
    big += QByteArray(5 * 1024 * 1024, ';');
    StartWith(big);
    EXPECT_EQ(main->EdytorColor(), settings::kClWindow);
    Finish();
    EXPECT_EQ(Ini(), big);
    EXPECT_EQ(Messages(), QStringList({"Vorbix|Operacja zapisu ustawień programu do pliku " +
                                       IniPath() + " nie powiodła się."}));
}

TEST_F(Settings, DamagedValuesNeverStopTheProgram) {
    StartWith("\x01\x02[Pozycje\nFlags=\nShowCmd=abc\nNormPos=1,2\nHexEditor1_FontSize=-4\n"
              "Edytor_FontSize=99999\nEdytor_FontHeight=0\nPasekNarz_Align=alClient\n"
              "HexEditor1_FontName=\n\xFF\xFE=\xC0\n");
    EXPECT_FALSE(main->isMaximized());
    EXPECT_GT(main->HexEditor1->font().pointSize(), 0);
    EXPECT_EQ(main->toolBarArea(main->PasekNarz), Qt::TopToolBarArea);
    Finish();
    // Lines that are no section stay as they were; the section follows them.
    EXPECT_TRUE(Ini().startsWith("\x01\x02[Pozycje\nFlags=\nShowCmd=abc\n"));
    EXPECT_TRUE(Ini().contains("\xFF\xFE=\xC0\n\n[Pozycje]\nFlags=0\nShowCmd=1\n"));
}

TEST_F(Settings, ShowCmdTwoShowsTheWindowThenMinimisesIt) {
    StartWith("[Pozycje]\nShowCmd=2\n");
    for (int i = 0; i < 20 && !main->isMinimized(); ++i)
        QTest::qWait(10);
    EXPECT_TRUE(main->isMinimized());
    EXPECT_TRUE(main->isVisible());
    Finish();
    EXPECT_TRUE(Ini().contains("\nShowCmd=2\n"));
}
