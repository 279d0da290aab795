// The hex tab's menu bar HexMenu1 and tool bar PasekHex1. The commands are in
// mein_hexfile.cpp, mein_hexedit.cpp and mein_hexprint.cpp.
#include "app/icons.h"
#include "app/mein.h"
#include "app/menuenabling.h"
#include "app/picturetoolbar.h"

#include <QMenu>
#include <QMenuBar>

void TMain::CreateHexMenu1() {
    const QKeySequence none;

    Datei1 = HexMenu1->addMenu(QStringLiteral("&Plik"));
    Datei1->setObjectName(QStringLiteral("Datei1"));
    dateiEnabling_ = new TMenuEnabling(Datei1, [this] { Datei1Click(); });
    TMenuEnabling* d = dateiEnabling_;
    Neu1 = Item(Datei1, d, "Neu1", QStringLiteral("&Nowy"), QKeySequence(Qt::CTRL | Qt::Key_N),
                QStringLiteral("Rozpoczyna nowy plik"), &TMain::Neu1Click);
    ffnen1 =
        Item(Datei1, d, "ffnen1", QStringLiteral("&Otwórz"), QKeySequence(Qt::CTRL | Qt::Key_O),
             QStringLiteral("Otwiera plik"), &TMain::ffnen1Click);
    Speichern1 =
        Item(Datei1, d, "Speichern1", QStringLiteral("&Zapisz"), QKeySequence(Qt::CTRL | Qt::Key_S),
             QStringLiteral("Zapisuje zmiany do pliku"), &TMain::Speichern1Click);
    Speichernunter1 = Datei1->addMenu(QStringLiteral("Z&apisz jako"));
    Speichernunter1->setObjectName(QStringLiteral("Speichernunter1"));
    Speichernunter1->menuAction()->setObjectName(QStringLiteral("Speichernunter1"));
    AnyFile1 = Item(Speichernunter1, nullptr, "AnyFile1", QStringLiteral("&Zwykły plik"), none,
                    QStringLiteral("Zapisuje jako zwykły plik"), &TMain::AnyFile1Click);
    HexText1 = Item(Speichernunter1, nullptr, "HexText1", QStringLiteral("&Tekst heksowy"), none,
                    QStringLiteral("Zapisuje heksy jako tekst"), &TMain::HexText1Click);
    ImportfromHexText1 =
        Item(Datei1, d, "ImportfromHexText1", QStringLiteral("Wstaw z pliku"), none,
             QStringLiteral("Wstawia dane z pliku"), &TMain::ImportfromHexText1Click);
    Convertfile1 = Item(Datei1, d, "Convertfile1", QStringLiteral("Konwertuj plik"), none,
                        QStringLiteral("Konwertuje plik lub zaznaczony fragment na wybrany format"),
                        &TMain::Convertfile1Click);
    Datei1->addSeparator();
    Print1 = Item(Datei1, d, "Print1", QStringLiteral("&Drukuj"), none,
                  QStringLiteral("Drukuje zawartość edytora"), &TMain::Print1Click);
    Printsetup1 = Item(Datei1, d, "Printsetup1", QStringLiteral("&Ustawienia drukarki"), none,
                       QStringLiteral("Wyświetla okno ustawień wydruku"), &TMain::Printsetup1Click);
    Datei1->addSeparator();
    Beenden1 = Item(Datei1, d, "Beenden1", QStringLiteral("&Koniec"), none,
                    QStringLiteral("Wyjście z programu"), &TMain::Beenden1Click);

    Bearbeiten1 = HexMenu1->addMenu(QStringLiteral("&Edycja"));
    Bearbeiten1->setObjectName(QStringLiteral("Bearbeiten1"));
    bearbeitenEnabling_ = new TMenuEnabling(Bearbeiten1, [this] { Bearbeiten1Click(); });
    TMenuEnabling* b = bearbeitenEnabling_;
    Rckgngig1 = Item(Bearbeiten1, b, "Rckgngig1", QStringLiteral("&Cofnij"),
                     QKeySequence(Qt::CTRL | Qt::Key_Z),
                     QStringLiteral("Cofa ostatnią wykonaną czynność"), &TMain::Rckgngig1Click);
    Bearbeiten1->addSeparator();
    Ausschneiden1 =
        Item(Bearbeiten1, b, "Ausschneiden1", QStringLiteral("W&ytnij"),
             QKeySequence(Qt::CTRL | Qt::Key_X), QStringLiteral("Wycina zaznaczony ciąg znaków"),
             &TMain::Ausschneiden1Click);
    Kopieren1 = Item(Bearbeiten1, b, "Kopieren1", QStringLiteral("&Kopiuj"),
                     QKeySequence(Qt::CTRL | Qt::Key_C),
                     QStringLiteral("Kopiuje zaznaczony ciąg znaków"), &TMain::Kopieren1Click);
    Einfgen1 = Item(Bearbeiten1, b, "Einfgen1", QStringLiteral("&Wklej"),
                    QKeySequence(Qt::CTRL | Qt::Key_V),
                    QStringLiteral("Wkleja ciąg znaków ze schowka"), &TMain::Einfgen1Click);
    PasteText1 = Item(Bearbeiten1, b, "PasteText1", QStringLiteral("Wkl&ej tekst"),
                      QKeySequence(Qt::SHIFT | Qt::CTRL | Qt::Key_V),
                      QStringLiteral("Wkleja tekst ze schowka"), &TMain::PasteText1Click);
    Bearbeiten1->addSeparator();
    Goto1 =
        Item(Bearbeiten1, b, "Goto1", QStringLiteral("&Idź do"), QKeySequence(Qt::CTRL | Qt::Key_G),
             QStringLiteral("Przechodzi do podanej pozycji w pliku"), &TMain::Goto1Click);
    Find1 =
        Item(Bearbeiten1, b, "Find1", QStringLiteral("&Znajdź"), QKeySequence(Qt::CTRL | Qt::Key_F),
             QStringLiteral("Wyszukuje ciąg znaków"), &TMain::Find1Click);
    Bearbeiten1->addSeparator();
    SetAsHex1 = Item(Bearbeiten1, b, "SetAsHex1", QStringLiteral("Wpisz jako &hex"), none,
                     QStringLiteral("Wpisuje podaną wartość w heksach"), &TMain::SetAsHex1Click);
    SetAsText1 = Item(Bearbeiten1, b, "SetAsText1", QStringLiteral("Wpisz jako &tekst"), none,
                      QStringLiteral("Wpisuje podany tekst"), &TMain::SetAsText1Click);

    // "&Funkcje" and "©" run the same handlers as the text menu bar.
    Funkcje2 = HexMenu1->addMenu(QStringLiteral("&Funkcje"));
    Funkcje2->setObjectName(QStringLiteral("Funkcje2"));
    Konfiguracja2 = Item(Funkcje2, nullptr, "Konfiguracja2", QStringLiteral("&Konfiguracja"), none,
                         QStringLiteral("Wyświetla okno konfiguracji"), &TMain::Konfiguracja1Click);
    Funkcje2->addSeparator();
    Doszufladki2 = Item(Funkcje2, nullptr, "Doszufladki2", QStringLiteral("&Do szufladki"),
                        QKeySequence(Qt::ALT | Qt::Key_F5),
                        QStringLiteral("Minimalizuje program do szufladki systemowej"),
                        &TMain::Doszufladki1Click);
    Penyekran1 = Item(Funkcje2, nullptr, "Penyekran1", QStringLiteral("&Pełny ekran"), none,
                      QStringLiteral("Maksymilizuje obszar roboczy"), &TMain::Pelnyekran1Click);
    Penyekran1->setCheckable(true);

    oprogramie2 = new QAction(QStringLiteral("©"), this);
    oprogramie2->setObjectName(QStringLiteral("oprogramie2"));
    oprogramie2->setStatusTip(QStringLiteral("Wyświetla informacje o programie"));
    HexMenu1->addAction(oprogramie2);
    Command(oprogramie2, nullptr, &TMain::oprogramie1Click);
}

void TMain::CreatePasekHex1() {
    PasekHex1 = NewToolBar("PasekHex1", QStringLiteral("Pasek narzędzi edytora heksacyjnego"),
                           false); // shown with the hex tab
    static_cast<TPictureToolBar*>(PasekHex1)->SetPicture(toolBarBackground_);
    SpeedItem1 =
        Button(PasekHex1, "SpeedItem1", icons::New, Neu1->statusTip(), &TMain::SpeedItem1Click);
    SpeedItem2 =
        Button(PasekHex1, "SpeedItem2", icons::Open, ffnen1->statusTip(), &TMain::SpeedItem2Click);
    SpeedItem3 = Button(PasekHex1, "SpeedItem3", icons::Save, Speichern1->statusTip(),
                        &TMain::SpeedItem3Click);
    PasekHex1->addSeparator();
    SpeedItem4 =
        Button(PasekHex1, "SpeedItem4", icons::Print, Print1->statusTip(), &TMain::SpeedItem4Click);
    PasekHex1->addSeparator();
    SpeedItem6 = Button(PasekHex1, "SpeedItem6", icons::Cut, Ausschneiden1->statusTip(),
                        &TMain::SpeedItem6Click);
    SpeedItem7 = Button(PasekHex1, "SpeedItem7", icons::Copy, Kopieren1->statusTip(),
                        &TMain::SpeedItem7Click);
    SpeedItem8 = Button(PasekHex1, "SpeedItem8", icons::Paste, Einfgen1->statusTip(),
                        &TMain::SpeedItem8Click);
    PasekHex1->addSeparator();
    SpeedItem9 =
        Button(PasekHex1, "SpeedItem9", icons::Find, Find1->statusTip(), &TMain::SpeedItem9Click);
}
