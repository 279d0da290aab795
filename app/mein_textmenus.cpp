// The text tab's menu bar MainMenu1, the editor's pop-up PopEdytor1, the text
// tool bar PasekNarz and the one-item pop-up of both tool bars.
#include "app/icons.h"
#include "app/mein.h"
#include "app/menuenabling.h"
#include "app/picturetoolbar.h"

#include <QMenu>
#include <QMenuBar>

void TMain::CreateMainMenu1() {
    const QKeySequence none;

    Plik1 = MainMenu1->addMenu(QStringLiteral("&Plik"));
    Plik1->setObjectName(QStringLiteral("Plik1"));
    Nowy2 =
        Item(Plik1, nullptr, "Nowy2", QStringLiteral("&Nowy"), QKeySequence(Qt::CTRL | Qt::Key_N),
             QStringLiteral("Rozpoczyna nowy plik"), &TMain::Nowy2Click);
    Otwrz2 = Item(Plik1, nullptr, "Otwrz2", QStringLiteral("&Otwórz"),
                  QKeySequence(Qt::CTRL | Qt::Key_O), QStringLiteral("Otwiera dokument do edycji"),
                  &TMain::Otwrz2Click);
    Zapisz2 = Item(Plik1, nullptr, "Zapisz2", QStringLiteral("&Zapisz"),
                   QKeySequence(Qt::CTRL | Qt::Key_S), QStringLiteral("Zapisuje zmiany do pliku"),
                   &TMain::Zapisz2Click);
    Zapiszjako2 = Item(Plik1, nullptr, "Zapiszjako2", QStringLiteral("Z&apisz jako"), none,
                       QStringLiteral("Zapisuje jako wybrany plik"), &TMain::Zapiszjako2Click);
    Plik1->addSeparator();
    EksportdoRTF2 = Item(Plik1, nullptr, "EksportdoRTF2", QStringLiteral("&Eksport do RTF"), none,
                         QStringLiteral("Zapisuje dokument w formacie Rich Text Format"),
                         &TMain::EksportdoRTF2Click);
    Wstawtekstzpliku2 =
        Item(Plik1, nullptr, "Wstawtekstzpliku2", QStringLiteral("&Wstaw tekst z pliku"), none,
             QStringLiteral("Wstawia tekst do edytora z wybranego pliku"),
             &TMain::Wstawtekstzpliku2Click);
    Wstawtekstdopliku1 =
        Item(Plik1, nullptr, "Wstawtekstdopliku1", QStringLiteral("Wstaw tekst &do pliku"), none,
             QStringLiteral("Wstawia tekst z edytora do wybranego pliku"),
             &TMain::Wstawtekstdopliku1Click);
    Plik1->addSeparator();
    Drukuj2 = Item(Plik1, nullptr, "Drukuj2", QStringLiteral("&Drukuj"), none,
                   QStringLiteral("Drukuje zawartość edytora"), &TMain::Drukuj2Click);
    Ustawieniadrukarki2 =
        Item(Plik1, nullptr, "Ustawieniadrukarki2", QStringLiteral("&Ustawienia drukarki"), none,
             QStringLiteral("Wyświetla okno ustawień wydruku"), &TMain::Ustawieniadrukarki2Click);
    Plik1->addSeparator();
    Koniec2 = Item(Plik1, nullptr, "Koniec2", QStringLiteral("&Koniec"), none,
                   QStringLiteral("Wyjście z programu"), &TMain::Koniec2Click);

    Edycja1 = MainMenu1->addMenu(QStringLiteral("&Edycja"));
    Edycja1->setObjectName(QStringLiteral("Edycja1"));
    edycjaEnabling_ = new TMenuEnabling(Edycja1, [this] { Edycja1Click(); });
    TMenuEnabling* e = edycjaEnabling_;
    Cofnij1 =
        Item(Edycja1, e, "Cofnij1", QStringLiteral("&Cofnij"), QKeySequence(Qt::CTRL | Qt::Key_Z),
             QStringLiteral("Cofa ostatnią wykonaną czynność na edytorze"), &TMain::Cofnij1Click);
    Edycja1->addSeparator();
    Usu1 = Item(Edycja1, e, "Usu1", QStringLiteral("&Usuń"), none,
                QStringLiteral("Usuwa zaznaczony tekst"), &TMain::Usu1Click);
    Wytnij1 = Item(
        Edycja1, e, "Wytnij1", QStringLiteral("W&ytnij"), QKeySequence(Qt::CTRL | Qt::Key_X),
        QStringLiteral("Usuwa zaznaczony tekst i umieszcza go w schowku"), &TMain::Wytnij1Click);
    Kopiuj1 =
        Item(Edycja1, e, "Kopiuj1", QStringLiteral("&Kopiuj"), QKeySequence(Qt::CTRL | Qt::Key_C),
             QStringLiteral("Kopiuje zaznaczony tekst do schowka"), &TMain::Kopiuj1Click);
    Wklej1 =
        Item(Edycja1, e, "Wklej1", QStringLiteral("&Wklej"), QKeySequence(Qt::CTRL | Qt::Key_V),
             QStringLiteral("Wkleja tekst ze schowka"), &TMain::Wklej1Click);
    Edycja1->addSeparator();
    Znajd1 = Item(Edycja1, e, "Znajd1", QStringLiteral("Z&najdź"), QKeySequence(Qt::Key_F3),
                  QStringLiteral("Szuka ciągu znaków w tekście"), &TMain::Znajd1Click);
    Zamie1 =
        Item(Edycja1, e, "Zamie1", QStringLiteral("Za&mień"), none,
             QStringLiteral("Wyszukuje ciąg znaków i zamienia go na inny"), &TMain::Zamie1Click);
    Edycja1->addSeparator();
    Data1 = Item(Edycja1, e, "Data1", QStringLiteral("&Data"), none,
                 QStringLiteral("Wstawia aktualną datę"), &TMain::Data1Click);
    Godzina1 = Item(Edycja1, e, "Godzina1", QStringLiteral("&Godzina"), none,
                    QStringLiteral("Wstawia aktualną godzinę"), &TMain::Godzina1Click);
    Obliczenia1 = Item(Edycja1, e, "Obliczenia1", QStringLiteral("&Obliczenia"), none,
                       QStringLiteral("Uruchamia kalkulator, na którym można wykona obliczenia i "
                                      "wstawi ich wynik do dokumentu"),
                       &TMain::Obliczenia1Click);
    Edycja1->addSeparator();
    Zaznaczwszystko1 = Item(Edycja1, e, "Zaznaczwszystko1", QStringLiteral("&Zaznacz wszystko"),
                            QKeySequence(Qt::CTRL | Qt::Key_A),
                            QStringLiteral("Zaznacza cały tekst"), &TMain::Zaznaczwszystko1Click);
    ZawijWier1 = Item(Edycja1, e, "ZawijWier1", QStringLiteral("Z&awijanie wierszy"), none,
                      QStringLiteral("Włącza / wyłącza zawijanie wierszy w edytorze"),
                      &TMain::ZawijWier1Click);
    ZawijWier1->setCheckable(true);
    Edycja1->addSeparator();
    Zmiena1 = Edycja1->addMenu(QStringLiteral("&Zmień na"));
    Zmiena1->setObjectName(QStringLiteral("Zmiena1"));
    Zmiena1->menuAction()->setObjectName(QStringLiteral("Zmiena1"));
    Zmienadueznaki1 = Item(Zmiena1, nullptr, "Zmienadueznaki1", QStringLiteral("&duże znaki"), none,
                           QStringLiteral("Zamienia znaki zaznaczonego tekstu na duże"),
                           &TMain::Zmienadueznaki1Click);
    Zmienamaeznaki1 = Item(Zmiena1, nullptr, "Zmienamaeznaki1", QStringLiteral("&małe znaki"), none,
                           QStringLiteral("Zamienia znaki zaznaczonego tekstu na małe"),
                           &TMain::Zmienamaeznaki1Click);

    Funkcje1 = MainMenu1->addMenu(QStringLiteral("&Funkcje"));
    Funkcje1->setObjectName(QStringLiteral("Funkcje1"));
    Sprawd1 = Item(Funkcje1, nullptr, "Sprawd1", QStringLiteral("&Sprawdź pisownię"), none,
                   QStringLiteral("Sprawdza pisownię w dokumencie"), &TMain::Sprawd1Click);
    Funkcje1->addSeparator();
    Konfiguracja1 = Item(Funkcje1, nullptr, "Konfiguracja1", QStringLiteral("&Konfiguracja"), none,
                         QStringLiteral("Wyświetla okno konfiguracji"), &TMain::Konfiguracja1Click);
    Funkcje1->addSeparator();
    Doszufladki1 = Item(Funkcje1, nullptr, "Doszufladki1", QStringLiteral("&Do szufladki"),
                        QKeySequence(Qt::ALT | Qt::Key_F5),
                        QStringLiteral("Minimalizuje program do szufladki systemowej"),
                        &TMain::Doszufladki1Click);
    Pelnyekran1 = Item(Funkcje1, nullptr, "Pelnyekran1", QStringLiteral("&Pełny ekran"), none,
                       QStringLiteral("Maksymilizuje obszar roboczy"), &TMain::Pelnyekran1Click);
    Pelnyekran1->setCheckable(true);
    Funkcje1->addSeparator();
    PrzekodujnaISO1 = Item(
        Funkcje1, nullptr, "PrzekodujnaISO1", QStringLiteral("Przekoduj na &ISO"), none,
        QStringLiteral("Przekodowuje znaki na system ISO-8859-2"), &TMain::PrzekodujnaISO1Click);
    PrzekodujnaWindows1 =
        Item(Funkcje1, nullptr, "PrzekodujnaWindows1", QStringLiteral("Przekoduj na &Windows"),
             none, QStringLiteral("Przekodowuje znaki na system Windows-1250"),
             &TMain::PrzekodujnaWindows1Click);

    // "©" is a menu-bar item of its own, without a submenu.
    oprogramie1 = new QAction(QStringLiteral("©"), this);
    oprogramie1->setObjectName(QStringLiteral("oprogramie1"));
    oprogramie1->setStatusTip(QStringLiteral("Wyświetla informacje o programie"));
    MainMenu1->addAction(oprogramie1);
    Command(oprogramie1, nullptr, &TMain::oprogramie1Click);
}

void TMain::CreatePopEdytor1() {
    const QKeySequence none;
    PopEdytor1 = new QMenu(this);
    PopEdytor1->setObjectName(QStringLiteral("PopEdytor1"));
    popEnabling_ = new TMenuEnabling(PopEdytor1, [this] { PopEdytor1Popup(); });
    TMenuEnabling* e = popEnabling_;
    Cofnij2 = Item(PopEdytor1, e, "Cofnij2", QStringLiteral("&Cofnij"), none, Cofnij1->statusTip(),
                   &TMain::Cofnij2Click);
    PopEdytor1->addSeparator();
    Wytnij2 = Item(PopEdytor1, e, "Wytnij2", QStringLiteral("&Wytnij"), none, Wytnij1->statusTip(),
                   &TMain::Wytnij2Click);
    Kopiuj2 = Item(PopEdytor1, e, "Kopiuj2", QStringLiteral("&Kopiuj"), none, Kopiuj1->statusTip(),
                   &TMain::Kopiuj2Click);
    Wklej2 = Item(PopEdytor1, e, "Wklej2", QStringLiteral("Wk&lej"), none, Wklej1->statusTip(),
                  &TMain::Wklej2Click);
    Usu2 = Item(PopEdytor1, e, "Usu2", QStringLiteral("&Usuń"), none, Usu1->statusTip(),
                &TMain::Usu2Click);
    PopEdytor1->addSeparator();
    Zmiena2 = PopEdytor1->addMenu(QStringLiteral("&Zmień na"));
    Zmiena2->setObjectName(QStringLiteral("Zmiena2"));
    Zmiena2->menuAction()->setObjectName(QStringLiteral("Zmiena2"));
    Zmianad1 = Item(Zmiena2, nullptr, "Zmianad1", QStringLiteral("&duże znaki"), none,
                    Zmienadueznaki1->statusTip(), &TMain::Zmianad1Click);
    Zmianam1 = Item(Zmiena2, nullptr, "Zmianam1", QStringLiteral("&małe znaki"), none,
                    Zmienamaeznaki1->statusTip(), &TMain::Zmianam1Click);
    PopEdytor1->addSeparator();
    Zaznaczwszystko2 = Item(PopEdytor1, e, "Zaznaczwszystko2", QStringLiteral("&Zaznacz wszystko"),
                            none, Zaznaczwszystko1->statusTip(), &TMain::Zaznaczwszystko2Click);
}

void TMain::CreatePasekNarz() {
    PasekNarz = NewToolBar("PasekNarz", QStringLiteral("Pasek narzędzi"), true);
    static_cast<TPictureToolBar*>(PasekNarz)->SetPicture(toolBarBackground_);
    PrzycNow1 =
        Button(PasekNarz, "PrzycNow1", icons::New, Nowy2->statusTip(), &TMain::PrzycNow1Click);
    PrzycOtw1 =
        Button(PasekNarz, "PrzycOtw1", icons::Open, Otwrz2->statusTip(), &TMain::PrzycOtw1Click);
    PrzycZap1 =
        Button(PasekNarz, "PrzycZap1", icons::Save, Zapisz2->statusTip(), &TMain::PrzycZap1Click);
    PrzycZapJa1 = Button(PasekNarz, "PrzycZapJa1", icons::SaveAs, Zapiszjako2->statusTip(),
                         &TMain::PrzycZapJa1Click);
    PasekNarz->addSeparator();
    PrzycDrukuj1 = Button(PasekNarz, "PrzycDrukuj1", icons::Print, Drukuj2->statusTip(),
                          &TMain::PrzycDrukuj1Click);
    PasekNarz->addSeparator();
    PrzycUsu1 =
        Button(PasekNarz, "PrzycUsu1", icons::Delete, Usu1->statusTip(), &TMain::PrzycUsu1Click);
    PrzycWyt1 =
        Button(PasekNarz, "PrzycWyt1", icons::Cut, Wytnij1->statusTip(), &TMain::PrzycWyt1Click);
    PrzycKop1 =
        Button(PasekNarz, "PrzycKop1", icons::Copy, Kopiuj1->statusTip(), &TMain::PrzycKop1Click);
    PrzycWkl1 =
        Button(PasekNarz, "PrzycWkl1", icons::Paste, Wklej1->statusTip(), &TMain::PrzycWkl1Click);
    PasekNarz->addSeparator();
    PrzycPis1 = Button(PasekNarz, "PrzycPis1", icons::Spelling,
                       QStringLiteral("Sprawdzanie pisowni"), &TMain::PrzycPis1Click);
    PrzycZnaj1 =
        Button(PasekNarz, "PrzycZnaj1", icons::Find, Znajd1->statusTip(), &TMain::PrzycZnaj1Click);
}

void TMain::CreatePopPasek1() {
    PopPasek1 = new QMenu(this);
    PopPasek1->setObjectName(QStringLiteral("PopPasek1"));
    Konfiguracja3 =
        Item(PopPasek1, nullptr, "Konfiguracja3", QStringLiteral("&Konfiguracja"), QKeySequence(),
             QStringLiteral("Wyświetla okno konfiguracji"), &TMain::Konfiguracja3Click);
}
